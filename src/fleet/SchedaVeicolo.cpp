#include "fleet/SchedaVeicolo.h"

#include <array>

namespace fleet::SchedaVeicolo {

namespace {
constexpr std::array<common::FieldSpec, FieldCount> kFields{{
    {"Tipo", 50},
    {"Destinazione", 50},
    {"Marca", 50},
    {"Modello", 50},
    {"Targa", 12},
    {"Immatricolazione", 20},
    {"Colore", 50},
    {"Telaio", 10},
    {"Pneumatici", 120},
    {"StatoVeicolo", 50},
    {"Chilometri", 50},
    {"Lettura", 10},
    {"Alimentazione", 50},
    {"Cilindrata", 50},
    {"KW", 50},
    {"Ambiente", 50},
    {"Posti", 50},
    {"Portata", 50},
    {"Compagnia", 120},
    {"TelAssicuratore", 50},
    {"Polizza", 50},
    {"Incidenti", 250},
    {"Proprietario", 50},
    {"Autista", 50},
    {"TelAutista", 50},
    {"Meccanico", 50},
    {"TelMeccanico", 50},
    {"ScadenzaRevisione", 10},
    {"ScadenzaTagliando", 10},
    {"ScadenzaAssicurazione", 10},
    {"ScadenzaBollo", 10},
    {"Note", 250},
    {"File01", 250},
    {"File02", 250},
    {"File03", 250},
    {"Desc01", 250},
    {"Desc02", 250},
    {"Desc03", 250},
}};
static_assert(common::recordSize(kFields) == kVehicleRecordSize);
} // namespace

const common::RecordLayout& layout() {
    static const common::RecordLayout kLayout{std::span<const common::FieldSpec>(kFields)};
    return kLayout;
}

} // namespace fleet::SchedaVeicolo

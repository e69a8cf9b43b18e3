#include "mileage/SchedaChilometrico.h"

#include "common/Numbers.h"
#include "common/Text.h"

#include <array>

namespace mileage {

namespace SchedaChilometrico {
namespace {
constexpr std::array<common::FieldSpec, FieldCount> kFields{{
    {"Veicolo", 50},      {"Marca", 50},         {"Modello", 50},
    {"Colore", 50},       {"Alimentazione", 50}, {"Targa", 30},
    {"Conducente", 50},   {"CodiceFiscale", 16}, {"Recapito", 50},
    {"Manutenzione", 50}, {"Dettagli", 250},     {"Officina", 120},
    {"Costo", 15},        {"DataInt", 10},       {"KmRil", 10},
    {"DataRil", 10},      {"Ogni", 10},          {"Prossima", 15},
    {"KmAttuali", 15},    {"DataAtt", 10},       {"StatoManutenzione", 7},
    {"Effettuata", 2},    {"Note", 250},
}};
static_assert(common::recordSize(kFields) == kMileageRecordSize);
} // namespace

const common::RecordLayout& layout() {
    static const common::RecordLayout kLayout{std::span<const common::FieldSpec>(kFields)};
    return kLayout;
}
} // namespace SchedaChilometrico

using namespace SchedaChilometrico;
using common::PadCut;

namespace {
QString makeAndModel(const common::Record& r) {
    return r.get(Marca) + QLatin1Char(' ') + r.get(Modello);
}
} // namespace

QString lineDone(const common::Record& r) {
    return PadCut(makeAndModel(r), 32) + QStringLiteral("  Targa: ") + PadCut(r.get(Targa), 12) +
           QStringLiteral("  ") + PadCut(r.get(Manutenzione), 45) + QStringLiteral("  Data: ") +
           PadCut(r.get(DataInt), 10) + QStringLiteral("  Km attuali: ") + r.get(KmAttuali);
}

QString lineToDo(const common::Record& r) {
    return PadCut(makeAndModel(r), 30) + QStringLiteral("  Targa: ") + PadCut(r.get(Targa), 12) +
           QStringLiteral("  ") + PadCut(r.get(Manutenzione), 40) + QStringLiteral("  Km iniziali: ") +
           PadCut(r.get(KmRil), 12) + QStringLiteral("  Scadenza a km: ") + r.get(Prossima);
}

namespace {
const QString kZero = QStringLiteral("0");

void zeroIfEmpty(QString& text) {
    if (common::Trim(text).isEmpty())
        text = kZero;
}
} // namespace

bool dueMileageRule(Readings& r) {
    zeroIfEmpty(r.kmRil);
    zeroIfEmpty(r.ogni);
    zeroIfEmpty(r.prossima);
    double initial = 0;
    double interval = 0;
    if (!common::LeggiNumero(r.kmRil, initial) || !common::LeggiNumero(r.ogni, interval)) {
        r.kmRil = r.ogni = r.prossima = kZero;
        return false;
    }
    r.prossima = common::FormatoGenerale(initial + interval);
    return true;
}

bool statusRule(Readings& r) {
    zeroIfEmpty(r.prossima);
    zeroIfEmpty(r.kmAttuali);
    double due = 0;
    double current = 0;
    if (!common::LeggiNumero(r.prossima, due) || !common::LeggiNumero(r.kmAttuali, current)) {
        r.kmAttuali = r.prossima = kZero;
        return false;
    }
    r.stato = current > due ? kScaduta : kValida;
    return true;
}

QString normaliseKm(const QString& text) {
    double value = 0;
    if (common::Trim(text).isEmpty() || !common::LeggiNumero(text, value))
        return kZero;
    return common::FormatoGenerale(common::Arrotonda(value, 0));
}

} // namespace mileage

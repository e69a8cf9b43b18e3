// The vehicle record of "Parco_Automezzi.pro".
#pragma once

#include "common/Archive.h"

namespace fleet {

inline constexpr const char* kVehicleArchive = "Parco_Automezzi.pro";
inline constexpr int kVehicleRecordSize = 3370;

namespace SchedaVeicolo {
enum Field {
    Tipo,
    Destinazione,
    Marca,
    Modello,
    Targa,
    Immatricolazione,
    Colore,
    Telaio,
    Pneumatici,
    StatoVeicolo,
    Chilometri,
    Lettura,
    Alimentazione,
    Cilindrata,
    KW,
    Ambiente,
    Posti,
    Portata,
    Compagnia,
    TelAssicuratore,
    Polizza,
    Incidenti,
    Proprietario,
    Autista,
    TelAutista,
    Meccanico,
    TelMeccanico,
    ScadenzaRevisione,
    ScadenzaTagliando,
    ScadenzaAssicurazione,
    ScadenzaBollo,
    Note,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    FieldCount
};
const common::RecordLayout& layout();
} // namespace SchedaVeicolo

// The vehicle archive, opened or created.
inline common::ArchiveFile openVehicleArchive() {
    return common::ArchiveFile(QString::fromLatin1(kVehicleArchive), SchedaVeicolo::layout());
}

} // namespace fleet

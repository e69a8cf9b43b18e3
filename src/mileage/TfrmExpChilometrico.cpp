#include "mileage/TfrmExpChilometrico.h"

#include "mileage/SchedaChilometrico.h"

using namespace mileage::SchedaChilometrico;

namespace {

// Title, width on screen, width in the file, read-only, field. The notes come before the done flag.
const QList<common::RecordColumn>& mileageColumns() {
    static const QList<common::RecordColumn> kColumns = {
        {{QStringLiteral("N."), 60, 0, true}, common::kRecordNumber},
        {{QStringLiteral("Tipo veicolo"), 250, 250, true}, Veicolo},
        {{QStringLiteral("Marca"), 250, 250, true}, Marca},
        {{QStringLiteral("Modello"), 250, 250, true}, Modello},
        {{QStringLiteral("Colore"), 250, 250, true}, Colore},
        {{QStringLiteral("Alimentazione"), 250, 250, true}, Alimentazione},
        {{QStringLiteral("Targa"), 200, 200, false}, Targa},
        {{QStringLiteral("Conduttore"), 250, 250, true}, Conducente},
        {{QStringLiteral("Codice fiscale"), 200, 250, true}, CodiceFiscale},
        {{QStringLiteral("Recapito preferenziale"), 250, 250, true}, Recapito},
        {{QStringLiteral("Tipo manutenzione"), 250, 250, true}, Manutenzione},
        {{QStringLiteral("Dettagli intervento"), 350, 350, true}, Dettagli},
        {{QStringLiteral("Officina incaricata"), 250, 250, true}, Officina},
        {{QStringLiteral("Costo intervento"), 150, 200, true}, Costo},
        {{QStringLiteral("Data intervento"), 150, 200, true}, DataInt},
        {{QStringLiteral("Km iniziali"), 200, 220, true}, KmRil},
        {{QStringLiteral("Data iniziale"), 150, 200, true}, DataRil},
        {{QStringLiteral("Manutenzione ogni km"), 200, 220, true}, Ogni},
        {{QStringLiteral("Scadenza a km"), 200, 220, true}, Prossima},
        {{QStringLiteral("Km attuali"), 200, 220, false}, KmAttuali},
        {{QStringLiteral("Data attuale"), 150, 200, false}, DataAtt},
        {{QStringLiteral("Stato manutenzione"), 200, 220, false}, StatoManutenzione},
        {{QStringLiteral("Note"), 350, 400, true}, Note},
        {{QStringLiteral("Manutenzione effettuata"), 150, 200, false}, Effettuata},
    };
    return kColumns;
}

common::ExportLayout mileageExportLayout() {
    common::ExportLayout layout;
    layout.instanceName = QStringLiteral("frmExpChilometrico");
    layout.caption = QStringLiteral(" Esporta scadenzario chilometrico in Microsoft Excel");
    layout.fileName = QStringLiteral("Scadenzario_Chilometrico.xls");
    layout.sheetName = QStringLiteral("Scadenzario Chilometrico");
    layout.helpKey = QStringLiteral("expchilometrico");
    layout.columns = common::gridColumns(mileageColumns());
    return layout;
}

} // namespace

TfrmExpChilometrico::TfrmExpChilometrico(QWidget* owner)
    : common::ExportWindow(mileageExportLayout(), owner) {}

void TfrmExpChilometrico::readRows(QList<QString>& cells) {
    common::ArchiveFile archive = mileage::openMileageArchive();
    common::appendRecordRows(archive, mileageColumns(), cells);
}

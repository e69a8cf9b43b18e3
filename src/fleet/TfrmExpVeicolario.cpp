#include "fleet/TfrmExpVeicolario.h"

#include "fleet/SchedaVeicolo.h"

using namespace fleet::SchedaVeicolo;

namespace {

// Grid column, title, width on screen, width in the file, read-only, field.
const QList<common::RecordColumn>& vehicleColumns() {
    static const QList<common::RecordColumn> kColumns = {
        {{QStringLiteral("N."), 60, 0, true}, common::kRecordNumber},
        {{QStringLiteral("Tipo veicolo"), 200, 250, true}, Tipo},
        {{QStringLiteral("Destinazione ed uso"), 200, 300, true}, Destinazione},
        {{QStringLiteral("Marca"), 200, 250, true}, Marca},
        {{QStringLiteral("Modello"), 200, 250, false}, Modello},
        {{QStringLiteral("Targa"), 160, 200, false}, Targa},
        {{QStringLiteral("Immatricolazione"), 160, 200, false}, Immatricolazione},
        {{QStringLiteral("Colore"), 200, 250, false}, Colore},
        {{QStringLiteral("Telaio"), 200, 250, true}, Telaio},
        {{QStringLiteral("Pneumatici"), 250, 300, true}, Pneumatici},
        {{QStringLiteral("Stato veicolo"), 200, 250, false}, StatoVeicolo},
        {{QStringLiteral("Km percorsi"), 180, 250, true}, Chilometri},
        {{QStringLiteral("Alimentazione"), 180, 250, true}, Alimentazione},
        {{QStringLiteral("Cilindrata"), 180, 250, true}, Cilindrata},
        {{QStringLiteral("kW"), 160, 250, false}, KW},
        {{QString::fromUtf8("Compatibilità ambientale"), 200, 250, true}, Ambiente},
        {{QStringLiteral("Proprietario"), 250, 300, false}, Proprietario},
        {{QStringLiteral("Autista"), 200, 250, true}, Autista},
        {{QStringLiteral("Tel. autista"), 160, 200, false}, TelAutista},
        {{QStringLiteral("Meccanico"), 200, 250, false}, Meccanico},
        {{QStringLiteral("Tel. meccanico"), 160, 200, false}, TelMeccanico},
        {{QStringLiteral("Scad. revisione"), 160, 200, false}, ScadenzaRevisione},
        {{QStringLiteral("Scad. tagliando"), 160, 200, false}, ScadenzaTagliando},
        {{QStringLiteral("Scad. assicurazione"), 160, 200, false}, ScadenzaAssicurazione},
        {{QStringLiteral("Scad. bollo"), 160, 200, false}, ScadenzaBollo},
        {{QStringLiteral("Note"), 350, 400, false}, Note},
    };
    return kColumns;
}

common::ExportLayout vehicleExportLayout() {
    common::ExportLayout layout;
    layout.instanceName = QStringLiteral("frmExpVeicolario");
    layout.caption = QStringLiteral(" Esportazione archivio veicoli in Microsoft Excel");
    layout.fileName = QStringLiteral("Parco_Automezzi.xls");
    layout.sheetName = QStringLiteral("Parco Automezzi");
    layout.helpKey = QStringLiteral("expveicolario");
    layout.columns = common::gridColumns(vehicleColumns());
    return layout;
}

} // namespace

TfrmExpVeicolario::TfrmExpVeicolario(QWidget* owner)
    : common::ExportWindow(vehicleExportLayout(), owner) {}

void TfrmExpVeicolario::readRows(QList<QString>& cells) {
    common::ArchiveFile archive = fleet::openVehicleArchive();
    common::appendRecordRows(archive, vehicleColumns(), cells);
}

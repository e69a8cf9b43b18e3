#include "costs/TfrmExpCosti.h"

#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"

using namespace costs::SchedaCosto;

namespace {

// Grid column, title, width on screen, width in the file, read-only, field.
const QList<common::RecordColumn>& costColumns() {
    static const QList<common::RecordColumn> kColumns = {
        {{QStringLiteral("N."), 60, 0, true}, common::kRecordNumber},
        {{QStringLiteral("Data saldo"), 150, 150, true}, Data},
        {{QStringLiteral("Luogo"), 250, 250, true}, Luogo},
        {{QStringLiteral("Tipo veicolo"), 250, 250, true}, Veicolo},
        {{QStringLiteral("Marca"), 250, 250, true}, Marca},
        {{QStringLiteral("Modello"), 250, 250, true}, Modello},
        {{QStringLiteral("Colore"), 200, 200, true}, Colore},
        {{QStringLiteral("Alimentazione"), 200, 200, true}, Alimentazione},
        {{QStringLiteral("Targa"), 200, 200, true}, Targa},
        {{QStringLiteral("Causale pagamento"), 250, 250, true}, Causale},
        {{QStringLiteral("Descrizione costi"), 300, 300, true}, Descrizione},
        {{QString::fromUtf8("Modalità di pagamento"), 250, 250, true}, Modalita},
        {{QStringLiteral("Estremi ricevuta"), 250, 250, false}, Estremi},
        {{QStringLiteral("Importo in euro"), 180, 200, false}, Importo},
        {{QStringLiteral("Pagatore"), 250, 250, false}, Pagatore},
        {{QStringLiteral("Tel. pagatore"), 200, 250, false}, RecPagatore},
        {{QStringLiteral("Beneficiario"), 250, 250, false}, Beneficiario},
        {{QStringLiteral("Tel. beneficiario"), 200, 250, false}, RecBeneficiario},
        {{QStringLiteral("Conduttore o responsabile"), 250, 250, true}, Conducente},
        {{QStringLiteral("Tel. conduttore"), 200, 250, true}, Recapito},
        {{QStringLiteral("Note"), 300, 300, true}, Note},
        {{QStringLiteral("Saldato"), 120, 200, false}, Saldato},
    };
    return kColumns;
}

common::ExportLayout costExportLayout() {
    common::ExportLayout layout;
    layout.instanceName = QStringLiteral("frmExpCosti");
    layout.caption = QStringLiteral(" Esporta archivio costi sostenuti");
    layout.fileName = QStringLiteral("Costi_Sostenuti.xls");
    layout.sheetName = QStringLiteral("Costi Sostenuti");
    layout.helpKey = QStringLiteral("expcosti");
    layout.columns = common::gridColumns(costColumns());
    return layout;
}

} // namespace

TfrmExpCosti::TfrmExpCosti(QWidget* owner)
    : common::ExportWindow(costExportLayout(), owner) {}

void TfrmExpCosti::readRows(QList<QString>& cells) {
    const auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
    if (!card)
        return;
    common::ArchiveFile archive = costs::openCostArchive(card->costFile());
    common::appendRecordRows(archive, costColumns(), cells);
}

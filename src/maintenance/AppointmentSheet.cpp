#include "maintenance/AppointmentSheet.h"

#include "common/Clock.h"
#include "common/Failure.h"
#include "common/Pictures.h"
#include "common/RecordSheet.h"
#include "platform/Report.h"

namespace maintenance {

namespace {

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
constexpr int kRows = 24;

QRectF mm(double x, double y, double w, double h) {
    const double u = platform::kUnitsPerMm;
    return QRectF(x * u, y * u, w * u, h * u);
}

QString rowName(const char* prefix, int row) {
    return QLatin1String(prefix) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace

const QStringList& sheetLabels() {
    static const QStringList kLabels{QStringLiteral("Data scadenza:"),
                                     QStringLiteral("Ora appuntamento:"),
                                     QStringLiteral("Giorni preavviso:"),
                                     QStringLiteral("Conduttore:"),
                                     QStringLiteral("Codice fiscale:"),
                                     QStringLiteral("Recapito preferenziale:"),
                                     QStringLiteral("Tipo veicolo:"),
                                     QStringLiteral("Marca:"),
                                     QStringLiteral("Modello:"),
                                     QStringLiteral("Colore:"),
                                     QStringLiteral("Alimentazione:"),
                                     QStringLiteral("Targa:"),
                                     QStringLiteral("Tipo manutenzione:"),
                                     QStringLiteral("Dettagli intervento:"),
                                     QStringLiteral("Ricambi sostituiti:"),
                                     QStringLiteral("Costo intervento:"),
                                     QStringLiteral("Meccanico esecutore:"),
                                     QStringLiteral("Note:"),
                                     QStringLiteral("Appuntamento da confermare:"),
                                     QStringLiteral("Manutenzione effettuata:")};
    return kLabels;
}

std::unique_ptr<platform::Report> makeSchedaInformativa() {
    auto report = std::make_unique<platform::Report>();
    report->setName(QStringLiteral("Scheda informativa"));
    platform::ReportPage* page = report->addPage(QStringLiteral("Page1"));
    page->paperMm = {210, 297};
    page->orientation = QPageLayout::Portrait;
    platform::ReportBand* band = page->addBand(QStringLiteral("ReportTitle1"),
                                               platform::BandKind::ReportTitle, 277 * platform::kUnitsPerMm);
    band->addPicture(QStringLiteral("imgLogo"), mm(3, 3, 17, 13));
    platform::ReportMemo* title = band->addMemo(QStringLiteral("txtTitolo"), mm(23, 3, 165, 9));
    title->setText(QStringLiteral("Titolo Scheda"));
    title->font = QFont(QStringLiteral("Arial"), 16);
    title->textColor = Qt::white;
    title->fillColor = kDarkOrange;
    title->alignment = Qt::AlignCenter;
    band->addLine(QStringLiteral("linSepara01"), mm(23, 16, 0, 0).topLeft(), mm(188, 16, 0, 0).topLeft());
    for (int row = 1; row <= kRows; ++row) {
        const double y = 24 + 10 * (row - 1);
        platform::ReportMemo* label = band->addMemo(rowName("titCampo", row), mm(3, y, 52, 6));
        label->setText(QStringLiteral("Campo %1").arg(row));
        label->font = QFont(QStringLiteral("Arial"), 9);
        label->textColor = Qt::white;
        label->fillColor = kTeal;
        label->alignment = Qt::AlignLeft | Qt::AlignVCenter;
        platform::ReportMemo* value = band->addMemo(rowName("txtCampo", row), mm(60, y, 128, 6));
        value->setText(QStringLiteral("Campo %1").arg(row));
        value->font = QFont(QStringLiteral("Arial"), 10);
        value->alignment = Qt::AlignLeft | Qt::AlignVCenter;
        // Typed text prints as typed, brackets included.
        value->expressions = false;
    }
    band->addLine(QStringLiteral("linSepara02"), mm(3, 265, 0, 0).topLeft(), mm(188, 265, 0, 0).topLeft());
    platform::ReportMemo* footer = band->addMemo(QStringLiteral("txtCalce"), mm(3, 269, 185, 6));
    footer->setText(QStringLiteral("Termine scheda"));
    footer->font = QFont(QStringLiteral("Arial"), 10);
    footer->textColor = Qt::white;
    footer->fillColor = kDarkOrange;
    footer->alignment = Qt::AlignCenter;
    footer->expressions = false;
    return report;
}

void fillSchedaInformativa(platform::Report& report, const QStringList& values) {
    platform::ReportPicture* logo = report.findPicture(QStringLiteral("imgLogo"));
    if (!logo)
        throw common::Failure("the sheet has no logo");
    if (logo->image.isNull())
        logo->image = common::logoPicture(QSize(480, 120)).toImage();
    QList<common::SheetText> texts{
        {QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA SCADENZA MANUTENZIONE")}};
    const QStringList& labels = sheetLabels();
    for (int row = 1; row <= kRows; ++row) {
        const bool filled = row <= labels.size();
        texts.append({rowName("titCampo", row), filled ? labels.at(row - 1) : QStringLiteral(" ")});
        texts.append({rowName("txtCampo", row), filled ? values.value(row - 1) : QStringLiteral(" ")});
    }
    texts.append({QStringLiteral("txtCalce"), common::printedOnText()});
    common::fillComposedSheet(report, texts);
}

} // namespace maintenance

#include "fleet/SchedaVeicoloReport.h"

#include "platform/Report.h"

#include <QList>

namespace fleet {

namespace {

struct Box {
    const char* caption;
    const char* memo;
};

// Rows of labelled boxes, left to right.
const QList<QList<Box>>& rows() {
    static const QList<QList<Box>> kRows = {
        {{"TIPO VEICOLO", "txtTipo"}, {"DESTINAZIONE ED USO", "txtDestinazione"}},
        {{"MARCA", "txtMarca"}, {"MODELLO", "txtModello"}},
        {{"TARGA", "txtTarga"}, {"IMMATRICOLAZIONE", "txtAnno"}, {"COLORE", "txtColore"}},
        {{"TELAIO", "txtTelaio"},
         {"STATO VEICOLO", "txtStato"},
         {"CHILOMETRI PERCORSI", "txtChilometri"},
         {"DATA LETTURA", "txtLettura"}},
        {{"PNEUMATICI", "txtPneumatici"},
         {"ALIMENTAZIONE", "txtAlimentazione"},
         {"CILINDRATA", "txtCilindrata"}},
        {{"kW", "txtKW"}, {"PORTATA MASSIMA", "txtPortata"}, {"COMPATIBILITA' AMBIENTALE", "txtAmbiente"}},
        {{"NUMERO POSTI", "txtPosti"}, {"COMPAGNIA ASSICURATIVA", "txtCompagnia"}},
        {{"TEL. ASSICURATORE", "txtTelAssicuratore"},
         {"IMPORTO POLIZZA", "txtPolizza"},
         {"AUTISTA", "txtAutista"},
         {"TEL. AUTISTA", "txtTelAutista"}},
        {{"MECCANICO", "txtMeccanico"},
         {"TEL. MECCANICO", "txtTelMeccanico"},
         {"SCADENZA REVISIONE", "txtScadRevisione"},
         {"SCADENZA TAGLIANDO", "txtScadTagliando"}},
        {{"SCAD. ASSICURAZIONE", "txtScadAssicurazione"},
         {"SCADENZA BOLLO", "txtScadBollo"},
         {"PROPRIETARIO", "txtProprietario"}},
        {{"INCIDENTI SUBITI", "txtIncidenti"}},
        {{"NOTE", "txtNote"}},
    };
    return kRows;
}

const QColor kRoyalBlue(65, 105, 225);

// A4 less 10 mm on each side, in report units.
constexpr double kWidth = 190 * platform::kUnitsPerMm;
constexpr double kTitleHeight = 30;
constexpr double kPictureTop = 40;
constexpr double kPictureWidth = 710.55;
constexpr double kPictureHeight = 328.82;
constexpr double kRowsTop = kPictureTop + kPictureHeight + 14;
constexpr double kCaptionHeight = 17;
constexpr double kValueHeight = 24;
constexpr double kRowGap = 7;
constexpr double kBoxGap = 7;

} // namespace

const QStringList& schedaVeicoloMemos() {
    static const QStringList kMemos = [] {
        QStringList names;
        for (const auto& row : rows())
            for (const Box& box : row)
                names.append(QLatin1String(box.memo));
        return names;
    }();
    return kMemos;
}

std::unique_ptr<platform::Report> makeSchedaVeicolo() {
    auto report = std::make_unique<platform::Report>();
    // The preview opens as the planner sheet's does: maximised, at 100 %.
    report->previewMaximised = true;
    report->previewZoom = 1;
    platform::ReportPage* page = report->addPage(QStringLiteral("Page1"));
    page->paperMm = {210, 297};
    page->orientation = QPageLayout::Portrait;
    const double height = kRowsTop + rows().size() * (kCaptionHeight + kValueHeight + kRowGap);
    platform::ReportBand* band =
        page->addBand(QStringLiteral("ReportTitle1"), platform::BandKind::ReportTitle, height);

    platform::ReportMemo* title =
        band->addMemo(QStringLiteral("txtNome"), QRectF(0, 0, kWidth, kTitleHeight));
    title->setText(QStringLiteral("SCHEDA VEICOLO"));
    title->font = QFont(QStringLiteral("Arial"), 12);
    title->textColor = Qt::white;
    title->fillColor = kRoyalBlue;
    title->alignment = Qt::AlignCenter;

    band->addPicture(QStringLiteral("imgLogo"),
                     QRectF((kWidth - kPictureWidth) / 2, kPictureTop, kPictureWidth, kPictureHeight));

    double y = kRowsTop;
    for (const auto& row : rows()) {
        const double boxWidth = (kWidth - kBoxGap * double(row.size() - 1)) / double(row.size());
        double x = 0;
        for (const Box& box : row) {
            const QString memo = QLatin1String(box.memo);
            platform::ReportMemo* caption =
                band->addMemo(QStringLiteral("cap") + memo.mid(3), QRectF(x, y, boxWidth, kCaptionHeight));
            caption->setText(QLatin1String(box.caption));
            caption->font = QFont(QStringLiteral("Arial"), 8, QFont::Bold);
            caption->textColor = Qt::white;
            caption->fillColor = kRoyalBlue;
            caption->alignment = Qt::AlignLeft | Qt::AlignVCenter;
            caption->padding = 4;
            platform::ReportMemo* value =
                band->addMemo(memo, QRectF(x, y + kCaptionHeight, boxWidth, kValueHeight));
            value->font = QFont(QStringLiteral("Arial"), 8);
            value->textColor = Qt::black;
            value->alignment = Qt::AlignLeft | Qt::AlignVCenter;
            value->frame = true;
            value->wordWrap = false;
            value->expressions = false;
            value->padding = 4;
            x += boxWidth + kBoxGap;
        }
        y += kCaptionHeight + kValueHeight + kRowGap;
    }
    return report;
}

} // namespace fleet

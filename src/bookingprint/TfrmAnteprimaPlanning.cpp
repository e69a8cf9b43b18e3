#include "bookingprint/TfrmAnteprimaPlanning.h"

#include "common/CommandPictures.h"
#include "common/Look.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"
#include "ui_TfrmAnteprimaPlanning.h"

#include <QPainter>

namespace {

// The preview's instructions: heading, what it does, a reader, a separator, a printer and what to press.
QPixmap instructionsPicture(const QSize& size, const QFont& font) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = size.width();
    QFont heading = font;
    heading.setBold(true);
    heading.setPointSizeF(font.pointSizeF() * 1.4);
    painter.setFont(heading);
    painter.setPen(QColor(0x1E, 0x4F, 0x9C));
    painter.drawText(QRect(4, 2, w - 66, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Anteprima di stampa"));
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(QRect(4, 28, w - 66, 56), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromUtf8("Questa operazione consente di visualizzare in anteprima i dati che "
                                       "appariranno in stampa."));
    painter.drawPixmap(w - 58, 4, bookingprint::bookPicture(QSize(54, 80)));
    painter.setPen(QPen(QColor(0x42, 0x7A, 0xA8), 3));
    painter.drawLine(4, 92, w - 4, 92);
    painter.drawPixmap(6, 104, common::commandIcon(common::Command::Preview, 72).pixmap(72, 72));
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(QRect(88, 104, w - 92, 84), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     QString::fromUtf8("Fare clic su Mostra anteprima per visualizzare il documento sullo "
                                       "schermo prima di eseguire la stampa su carta."));
    return pixmap;
}

} // namespace

TfrmAnteprimaPlanning::TfrmAnteprimaPlanning(QWidget* owner)
    : bookingprint::PlanningSheetDialog(owner, platform::kPreviewFailed)
    , ui(std::make_unique<Ui::frmAnteprimaPlanning>()) {
    ui->setupUi(this);
    common::setBackground(ui->shpSfondo, Qt::white);
    setUpSheet(ui->btnStampa, ui->btnAnnulla);
}

TfrmAnteprimaPlanning::~TfrmAnteprimaPlanning() = default;

void TfrmAnteprimaPlanning::FormShow() {
    // Drawn when first seen, not at the program's start.
    if (ui->imgLogo02->pixmap().isNull())
        ui->imgLogo02->setPixmap(instructionsPicture(ui->imgLogo02->size(), font()));
}

void TfrmAnteprimaPlanning::output(platform::Report& report) {
    // Returns when the user closes the preview.
    report.preview(this);
}

#include "bookingprint/PlanningSheetDialog.h"

#include "bookingprint/GradientFrame.h"
#include "common/Clock.h"
#include "common/Failure.h"
#include "common/WindowRegistry.h"
#include "planner/TfrmPlanning.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace bookingprint {

PlannerSheet sheetOf(const TfrmPlanning& planner) {
    PlannerSheet sheet;
    sheet.year = planner.year();
    sheet.vehicle = planner.vehicle();
    sheet.make = planner.make();
    sheet.model = planner.model();
    sheet.plate = planner.plate();
    for (int slot = 1; slot <= kSheetDays; ++slot)
        sheet.booked.set(size_t(slot - 1), planner.isDayBooked(slot));
    sheet.printedOn = common::printedOnText();
    return sheet;
}

QPixmap bookPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r =
        QRectF(QPointF(0, 0), QSizeF(size)).adjusted(3, size.height() * 0.25, -3, -size.height() * 0.25);
    const QPointF spineTop(r.center().x(), r.top() + r.height() * 0.12);
    const QPointF spineBottom(r.center().x(), r.bottom());
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? r.left() : r.right();
        QPainterPath page;
        page.moveTo(spineTop);
        page.quadTo(QPointF((spineTop.x() + edge) / 2, r.top() - r.height() * 0.08), QPointF(edge, r.top()));
        page.lineTo(QPointF(edge, r.bottom() - r.height() * 0.12));
        page.quadTo(QPointF((spineTop.x() + edge) / 2, r.bottom() - r.height() * 0.2), spineBottom);
        page.closeSubpath();
        painter.setPen(QPen(QColor(0x2F, 0x5F, 0x8F), 1.5));
        painter.setBrush(QColor(0xF4, 0xF1, 0xE6));
        painter.drawPath(page);
        painter.setPen(QPen(QColor(0x9F, 0xBE, 0xD8), 1));
        for (int line = 1; line <= 4; ++line) {
            const double y = r.top() + r.height() * (0.15 + 0.15 * line);
            painter.drawLine(QPointF(spineTop.x() + side * 4, y),
                             QPointF(edge - side * 4, y - r.height() * 0.05));
        }
    }
    painter.setPen(QPen(QColor(0x2F, 0x5F, 0x8F), 2));
    painter.drawLine(spineTop, spineBottom);
    return pixmap;
}

PlanningSheetDialog::PlanningSheetDialog(QWidget* owner, QString failureText)
    : common::Dialog(owner)
    , failureText_(std::move(failureText)) {}

PlanningSheetDialog::~PlanningSheetDialog() = default;

void PlanningSheetDialog::setUpSheet(QPushButton* btnStampa, QPushButton* btnAnnulla) {
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnOwner(true);
    for (QPushButton* button : {btnStampa, btnAnnulla}) {
        button->setFont(QFont(QStringLiteral("Verdana"), button->font().pointSize()));
        button->setCursor(Qt::PointingHandCursor);
    }
    connect(btnStampa, &QPushButton::clicked, this, &PlanningSheetDialog::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &PlanningSheetDialog::btnAnnullaClick);
}

void PlanningSheetDialog::btnStampaClick() {
    const bool done = platform::guardPrint(this, failureText_, [this] {
        auto* planner = common::sharedWindow<TfrmPlanning>(QStringLiteral("frmPlanning"));
        if (!planner)
            throw common::Failure("the planner window is missing");
        // A fresh layout at each command, filled from the planner as it stands now.
        repDocumento_ = makePlanningAnnuale();
        fillPlanningAnnuale(*repDocumento_, sheetOf(*planner));
        repDocumento_->prepare();
        output(*repDocumento_);
    });
    // After a failure the window stays, so the user may try again or cancel.
    if (done)
        close();
}

void PlanningSheetDialog::btnAnnullaClick() {
    close();
}

void PlanningSheetDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintSteelBlueShade(painter, rect());
    common::Dialog::paintEvent(event);
}

} // namespace bookingprint

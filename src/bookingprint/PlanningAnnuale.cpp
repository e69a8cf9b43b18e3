#include "bookingprint/PlanningAnnuale.h"

#include "common/Failure.h"
#include "planner/DayCalendar.h"
#include "platform/Report.h"

#include <array>

namespace bookingprint {

using platform::kUnitsPerMm;
using platform::ReportBand;
using platform::ReportMemo;

namespace {

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kGold(0xFF, 0xD7, 0x00);

// Positions are millimetres from the printable area's top left corner.
QRectF mm(double x, double y, double width, double height) {
    return QRectF(x * kUnitsPerMm, y * kUnitsPerMm, width * kUnitsPerMm, height * kUnitsPerMm);
}

double columnX(int day) {
    return 31 + 8 * (day - 1);
}
double monthY(int month) {
    return 12 + 6 * (month - 1);
}

// The month bands and their labels keep the names they were first given.
constexpr std::array<int, 12> kMonthShape{3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
constexpr std::array<int, 12> kMonthLabel{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13};
const std::array<const char*, 12> kMonthText{
    "GENNAIO:", "FEBBRAIO:", "MARZO:",     "APRILE:",  "MAGGIO:",   "GIUGNO:",
    "LUGLIO:",  "AGOSTO:",   "SETTEMBRE:", "OTTOBRE:", "NOVEMBRE:", "DICEMBRE:"};
// The grid line at the left of each day column.
constexpr std::array<int, 31> kLineOfColumn{31, 2,  30, 29, 1,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                            14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 28, 27, 24};

ReportMemo* addText(ReportBand* band, const QString& name, const QRectF& rect, int points,
                    Qt::Alignment alignment, const QString& text) {
    ReportMemo* memo = band->addMemo(name, rect);
    memo->font = QFont(QStringLiteral("Arial"), points);
    memo->alignment = alignment;
    memo->expressions = false; // typed text prints as typed
    memo->setText(text);
    return memo;
}

void addGridLine(ReportBand* band, int day) {
    const double x = (30 + 8 * (day - 1)) * kUnitsPerMm;
    band->addLine(QStringLiteral("Line%1").arg(kLineOfColumn[size_t(day - 1)]), QPointF(x, 7 * kUnitsPerMm),
                  QPointF(x, 84 * kUnitsPerMm));
}

} // namespace

QString dayMemoName(int slot) {
    return QStringLiteral("txt") + planner::cellSuffix(slot);
}

std::unique_ptr<platform::Report> makePlanningAnnuale() {
    auto report = std::make_unique<platform::Report>();
    report->setName(QStringLiteral("Planning Annuale"));
    report->previewMaximised = true;
    report->previewZoom = 1;
    platform::ReportPage* page = report->addPage(QStringLiteral("Page1"));
    page->paperMm = {210, 297};
    page->orientation = QPageLayout::Landscape;
    // No bands of its own: one band as tall as the printable area holds every object at a fixed place.
    ReportBand* sheet = page->addBand(QStringLiteral("Foglio"), platform::BandKind::ReportTitle,
                                      page->printableUnits().height());

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centredTop = Qt::AlignHCenter | Qt::AlignTop;

    for (int month = 12; month >= 1; --month)
        sheet->addShape(QStringLiteral("Shape%1").arg(kMonthShape[size_t(month - 1)]),
                        mm(1, monthY(month), 276, 6), month % 2 == 1 ? kBeige : Qt::transparent);
    sheet->addShape(QStringLiteral("Shape1"), mm(1, 1, 276, 5.8), kLightSteelBlue);
    addText(sheet, QStringLiteral("txtTitolo"), mm(2, 2, 274, 4.2), 9, centredTop,
            QStringLiteral("PLANNER ANNUALE PRENOTAZIONI"));
    sheet->addShape(QStringLiteral("Shape2"), mm(1, 7, 276, 4.6));
    sheet->addShape(QStringLiteral("Shape23"), mm(1, 120, 276, 5.8), kGold);
    addText(sheet, QStringLiteral("txtCalce"), mm(2, 121, 274, 4.2), 8, centredTop,
            QStringLiteral("Data e ora stampa"));
    for (int month = 1; month <= 12; ++month)
        addText(sheet, QStringLiteral("Memo%1").arg(kMonthLabel[size_t(month - 1)]),
                mm(2, monthY(month) + 0.8, 27, 4.4), 9, leftMiddle,
                QString::fromLatin1(kMonthText[size_t(month - 1)]));
    // Three of the grid lines lie over the header numbers, the others under them.
    for (int day = 1; day <= 31; ++day)
        if (kLineOfColumn[size_t(day - 1)] < 29 || kLineOfColumn[size_t(day - 1)] > 31)
            addGridLine(sheet, day);
    for (int day = 31; day >= 1; --day)
        addText(sheet, QStringLiteral("tit_%1").arg(day, 2, 10, QLatin1Char('0')),
                mm(columnX(day), 8, day == 31 ? 5.6 : 6, 3.5), 7, centred, QString::number(day));
    for (int line : {29, 30, 31})
        for (int day = 1; day <= 31; ++day)
            if (kLineOfColumn[size_t(day - 1)] == line)
                addGridLine(sheet, day);

    struct VehicleRow {
        double y;
        const char* labelShape;
        const char* labelMemo;
        const char* label;
        const char* valueShape;
        double valueWidth;
        const char* valueMemo;
    };
    const VehicleRow rows[] = {
        {89, "Shape5", "Memo14", "Veicolo:", "Shape16", 118, "txtVeicolo"},
        {97, "Shape17", "Memo16", "Modello:", "Shape18", 118, "txtModello"},
        {105, "Shape19", "Memo15", "Targa:", "Shape20", 37, "txtTarga"},
    };
    for (const VehicleRow& row : rows) {
        sheet->addShape(QString::fromLatin1(row.labelShape), mm(1, row.y, 29, 6), kBeige);
        addText(sheet, QString::fromLatin1(row.labelMemo), mm(2, row.y + 0.7, 27, 4.4), 9, leftMiddle,
                QString::fromLatin1(row.label));
        sheet->addShape(QString::fromLatin1(row.valueShape), mm(32, row.y, row.valueWidth, 6), Qt::white);
        addText(sheet, QString::fromLatin1(row.valueMemo), mm(33, row.y + 0.7, row.valueWidth - 2, 4.4), 9,
                leftMiddle, QString());
    }

    for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
        const int month = planner::monthOfSlot(slot);
        const int day = planner::dayOfSlot(slot);
        addText(sheet, dayMemoName(slot), mm(columnX(day), 13 + 6 * (month - 1), day == 31 ? 5.2 : 6, 4.4), 9,
                centred, QStringLiteral("X"));
    }
    return report;
}

void fillPlanningAnnuale(platform::Report& report, const PlannerSheet& sheet) {
    auto memo = [&report](const QString& name) {
        ReportMemo* found = report.findMemo(name);
        if (!found)
            throw common::Failure("the planner sheet lacks a memo");
        return found;
    };
    if (report.pages().empty())
        throw common::Failure("the planner sheet has no page");
    report.pages().front()->orientation = QPageLayout::Landscape;
    memo(QStringLiteral("txtTitolo"))->setText(QStringLiteral("PLANNER PRENOTAZIONI ANNO ") + sheet.year);
    memo(QStringLiteral("txtVeicolo"))->setText(sheet.vehicle);
    memo(QStringLiteral("txtModello"))->setText(sheet.make + QLatin1Char(' ') + sheet.model);
    memo(QStringLiteral("txtTarga"))->setText(sheet.plate);
    const QString booked = QStringLiteral("X");
    const QString free = QStringLiteral(" ");
    for (int slot = 1; slot <= kSheetDays; ++slot)
        memo(dayMemoName(slot))->setText(sheet.booked.test(size_t(slot - 1)) ? booked : free);
    memo(QStringLiteral("txtCalce"))->setText(sheet.printedOn);
}

} // namespace bookingprint

// Times the planner's year sheet with every day booked: the layout made, filled and prepared, and its page
// drawn at screen resolution, each against a baseline measured in the same run that does the same work the
// plainest way (plain records of the objects; the same shapes, lines and texts drawn straight on an image).
// Goals: sheet prepared within 50 ms, page drawn within 100 ms.
#include "BenchSupport.h"
#include "bookingprint/PlanningAnnuale.h"
#include "platform/Report.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 15;

double medianMs(const std::function<void()>& step) {
    return bench::medianMs(step, kRuns);
}

bookingprint::PlannerSheet fullYear() {
    bookingprint::PlannerSheet sheet;
    sheet.year = QStringLiteral("2024");
    sheet.vehicle = QStringLiteral("Autovettura");
    sheet.make = QStringLiteral("Fiat");
    sheet.model = QStringLiteral("Panda");
    sheet.plate = QStringLiteral("AB123CD");
    sheet.printedOn = QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:15:00");
    sheet.booked.set();
    return sheet;
}

// The baseline's object: what a sheet object is, with nothing of an engine around it.
struct PlainObject {
    QString name;
    QRectF rect;
    QString text;
    int kind; // 0 shape, 1 line, 2 memo
};

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreen();
    QApplication application(argc, argv);
    const bookingprint::PlannerSheet sheet = fullYear();

    std::unique_ptr<platform::Report> report;
    const double prepareMs = medianMs([&] {
        report = bookingprint::makePlanningAnnuale();
        bookingprint::fillPlanningAnnuale(*report, sheet);
        report->prepare();
    });
    if (report->preparedPages().size() != 1 || report->preparedPages().first().items.size() != 469)
        qFatal("the sheet is not one page of 469 objects");

    std::vector<PlainObject> plain;
    const double plainMs = medianMs([&] {
        plain.clear();
        for (const auto& object : report->pages().front()->bands().front()->objects())
            plain.push_back({object->name(), object->rect(), QStringLiteral("X"), 2});
        for (PlainObject& o : plain)
            o.text = o.name.startsWith(QLatin1String("txt")) ? QStringLiteral("X") : o.text;
    });

    QImage page;
    const double drawMs = medianMs([&] { page = report->renderPageImage(0, 96); });

    const QFont font(QStringLiteral("Arial"), 9);
    const double rawDrawMs = medianMs([&] {
        QImage image(page.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        for (const platform::PreparedItem& item : report->preparedPages().first().items) {
            if (dynamic_cast<const platform::ReportShape*>(item.source))
                painter.drawRect(item.rect);
            else if (dynamic_cast<const platform::ReportLine*>(item.source))
                painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            else
                painter.drawText(item.rect, Qt::AlignCenter, item.lines.value(0));
        }
    });

    std::printf("planner year sheet, every day booked, median of %d runs\n", kRuns);
    std::printf("  sheet prepared: %7.2f ms (goal 50)    baseline, plain records of the objects: %6.2f ms   "
                "ratio %.1f\n",
                prepareMs, plainMs, prepareMs / plainMs);
    std::printf("  page drawn:     %7.2f ms (goal 100)   baseline, the same drawn straight:      %6.2f ms   "
                "ratio %.1f\n",
                drawMs, rawDrawMs, drawMs / rawDrawMs);
    const bool met = prepareMs <= 50 && drawMs <= 100;
    std::printf("goal %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}

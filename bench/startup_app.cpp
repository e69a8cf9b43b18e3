// The real start-up, offscreen: the program's application object, the windows of the creation table (all,
// or only the first N rows when N is given) created, the login shown, then the loop idles. For the parent
// benchmark it prints the moments it reached main, had its application object, had its windows and went
// idle, then each row's creation time and budget.
#include "app/Program.h"
#include "platform/Application.h"
#include "platform/Program.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct Row {
    QString name;
    long long ns; // -1: not built
};

} // namespace

int main(int argc, char** argv) {
    const long long atMain = monotonicNs();
    const int rows = argc > 1 ? std::atoi(argv[1]) : -1;
    platform::prepareStartMemory();
    platform::drawOnProcessor();
    platform::Application application(argc, argv);
    app::setUpApplication();
    const long long withApplication = monotonicNs();
    QList<common::WindowEntry> table = app::creationTable();
    if (rows >= 0)
        table = table.mid(0, rows);
    std::vector<Row> timed;
    timed.reserve(size_t(table.size()));
    for (common::WindowEntry& entry : table) {
        timed.push_back({entry.className, -1});
        if (!entry.create)
            continue;
        entry.create = [create = entry.create, &row = timed.back()] {
            QElapsedTimer timer;
            timer.start();
            QWidget* window = create();
            row.ns = timer.nsecsElapsed();
            return window;
        };
    }
    app::startWindows(table);
    const long long withWindows = monotonicNs();
    long long idle = 0;
    // A zero timer fires once the queued work of the start is done: the loop is idle.
    QTimer::singleShot(0, &application, [&idle] {
        idle = monotonicNs();
        QApplication::quit();
    });
    const int code = QApplication::exec();
    std::printf("at main %lld application %lld windows %lld idle %lld\n", atMain, withApplication,
                withWindows, idle);
    for (const Row& row : timed)
        std::printf("row %s %lld %.4f\n", qPrintable(row.name), row.ns, app::creationBudget(row.name));
    std::fflush(stdout);
    common::WindowRegistry::instance().destroyAll();
    return code;
}

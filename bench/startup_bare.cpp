// The baseline: a bare, empty Qt Widgets window shown, then the loop idles. Prints the moments it reached
// main, had its application object and window, and went idle.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

} // namespace

int main(int argc, char** argv) {
    const long long atMain = monotonicNs();
    QApplication application(argc, argv);
    const long long withApplication = monotonicNs();
    QWidget window;
    window.show();
    const long long withWindows = monotonicNs();
    long long idle = 0;
    QTimer::singleShot(0, &application, [&idle] {
        idle = monotonicNs();
        QApplication::quit();
    });
    const int code = QApplication::exec();
    std::printf("at main %lld application %lld windows %lld idle %lld\n", atMain, withApplication,
                withWindows, idle);
    return code;
}

// Times the program's start-up against a bare Qt window: 20 runs each from process start to an idle loop,
// with peak memory; prints both medians and their ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run {
    double ms;
    long peakKiB;
};

Run runOnce(const QByteArray& program) {
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.constData(), program.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program.constData());
        std::exit(1);
    }
    return {timer.nsecsElapsed() / 1e6, usage.ru_maxrss};
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir runtime; // a private runtime folder for the offscreen children
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()).constData(), 1);
    const QString dir = QCoreApplication::applicationDirPath();
    const QByteArray app = QDir(dir).filePath(QStringLiteral("bench_startup_app")).toLocal8Bit();
    const QByteArray bare = QDir(dir).filePath(QStringLiteral("bench_startup_bare")).toLocal8Bit();
    constexpr int kRuns = 20;
    std::vector<double> appMs, bareMs;
    std::vector<long> appKiB, bareKiB;
    runOnce(bare); // warm the file cache
    runOnce(app);
    for (int i = 0; i < kRuns; ++i) {
        const Run b = runOnce(bare);
        const Run a = runOnce(app);
        bareMs.push_back(b.ms);
        bareKiB.push_back(b.peakKiB);
        appMs.push_back(a.ms);
        appKiB.push_back(a.peakKiB);
    }
    const double ma = median(appMs), mb = median(bareMs);
    std::printf("start-up over %d runs (median)\n", kRuns);
    std::printf("  bare Qt window : %8.1f ms  peak %7ld KiB\n", mb, median(bareKiB));
    std::printf("  program        : %8.1f ms  peak %7ld KiB\n", ma, median(appKiB));
    std::printf("  ratio          : %8.2f (goal: at most 2)\n", ma / mb);
    return 0;
}

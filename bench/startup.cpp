// Times the program's start-up against a bare Qt window, each from process start to an idle event loop,
// 20 runs each: the first 20 windows of the creation table and the whole table, with where the time goes
// (libraries loaded before main, application object, windows, first show until idle), peak memory and the
// ratio of each median to the bare window's. Each window's creation is held to its budget, a share of the
// bare start (app::creationBudget); the heaviest are listed, and rows not built yet count at their budget
// towards the complete program.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRuns = 20;
constexpr int kFirstWindows = 20; // the windows of the fleet and the start menu
constexpr double kFirstGoal = 2.0;
constexpr double kCompleteGoal = 3.0;
constexpr int kHeaviest = 10;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Process start to main, main to the application object, to the windows made, to the idle loop.
constexpr int kPhases = 4;

struct Run {
    double ms = 0; // process start to idle loop
    double phases[kPhases] = {};
    long peakKiB = 0;
    QList<QByteArray> rows; // "name ns budget"
};

Run runOnce(const QByteArray& program, const QByteArray& argument = {}) {
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (argument.isEmpty())
            execl(program.constData(), program.constData(), static_cast<char*>(nullptr));
        else
            execl(program.constData(), program.constData(), argument.constData(),
                  static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.peakKiB = usage.ru_maxrss;
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith("at main ")) {
            // "at main A application B windows C idle D"
            const QList<QByteArray> f = line.split(' ');
            long long previous = start;
            for (int i = 0; i < kPhases; ++i) {
                const long long at = f.value(2 + 2 * i).toLongLong();
                run.phases[i] = (at - previous) / 1e6;
                previous = at;
            }
            run.ms = (previous - start) / 1e6;
        } else if (line.startsWith("row "))
            run.rows.append(line.mid(4));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || run.ms <= 0) {
        std::fprintf(stderr, "%s failed\n", program.constData());
        std::exit(1);
    }
    return run;
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The runs of one program: their medians.
struct Series {
    std::vector<double> ms;
    std::vector<double> phases[kPhases];
    std::vector<long> kib;

    void add(const Run& run) {
        ms.push_back(run.ms);
        for (int i = 0; i < kPhases; ++i)
            phases[i].push_back(run.phases[i]);
        kib.push_back(run.peakKiB);
    }
    double total() const { return median(ms); }
    void print(const char* name, double bare) const {
        std::printf("  %-20s %7.1f %7.1f %7.1f %7.1f   %7.1f ms  %7ld KiB  ratio %.2f\n", name,
                    median(phases[0]), median(phases[1]), median(phases[2]), median(phases[3]), total(),
                    median(kib), total() / bare);
    }
};

struct Window {
    QByteArray name;
    std::vector<double> ms;
    double budget = 0;
    bool built = true;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir runtime; // a private runtime folder for the offscreen children
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()).constData(), 1);
    const QString dir = QCoreApplication::applicationDirPath();
    const QByteArray app = QDir(dir).filePath(QStringLiteral("bench_startup_app")).toLocal8Bit();
    const QByteArray bare = QDir(dir).filePath(QStringLiteral("bench_startup_bare")).toLocal8Bit();
    const QByteArray first = QByteArray::number(kFirstWindows);
    Series bareRuns, firstRuns, allRuns;
    std::vector<Window> windows;
    runOnce(bare); // warm the file cache
    runOnce(app);
    for (int i = 0; i < kRuns; ++i) {
        bareRuns.add(runOnce(bare));
        firstRuns.add(runOnce(app, first));
        const Run a = runOnce(app);
        allRuns.add(a);
        windows.resize(size_t(a.rows.size()));
        for (qsizetype r = 0; r < a.rows.size(); ++r) {
            const QList<QByteArray> fields = a.rows.at(r).split(' ');
            Window& w = windows[size_t(r)];
            w.name = fields.value(0);
            w.budget = fields.value(2).toDouble();
            w.built = fields.value(1).toLongLong() >= 0;
            if (w.built)
                w.ms.push_back(fields.value(1).toLongLong() / 1e6);
        }
    }
    const double mb = bareRuns.total(), mf = firstRuns.total(), ma = allRuns.total();
    // The complete program: what is built, plus the budget of each row still to come.
    double projected = ma / mb;
    int built = 0;
    for (const Window& w : windows) {
        if (w.built)
            ++built;
        else
            projected += w.budget;
    }
    std::printf("start-up over %d runs (medians, ms): to main = libraries loaded; application = object, "
                "translations, style; windows = created; to idle = first show and queued work\n",
                kRuns);
    std::printf("  %-20s %7s %7s %7s %7s   %7s\n", "", "to main", "applic.", "windows", "to idle", "total");
    bareRuns.print("bare Qt window", mb);
    const QByteArray firstName = "first " + first + " windows";
    firstRuns.print(firstName.constData(), mb);
    const QByteArray allName = "program, " + QByteArray::number(built) + " windows";
    allRuns.print(allName.constData(), mb);
    std::printf("  first %d windows: ratio %.2f (goal: at most %.1f)\n", kFirstWindows, mf / mb, kFirstGoal);
    std::printf("  complete program: %d rows not built, counted at their budget: ratio %.2f (goal: at most "
                "%.1f)\n",
                int(windows.size()) - built, projected, kCompleteGoal);

    // Each window against its budget, the heaviest first.
    struct Figure {
        const Window* window;
        double ms;
        double share;
    };
    std::vector<Figure> figures;
    double sum = 0;
    for (const Window& w : windows)
        if (w.built) {
            const double ms = median(w.ms);
            figures.push_back({&w, ms, ms / mb});
            sum += ms;
        }
    std::sort(figures.begin(), figures.end(), [](const Figure& a, const Figure& b) { return a.ms > b.ms; });
    std::printf("window creation (median): %.1f ms in all, share of the bare start and budget\n", sum);
    int over = 0;
    for (size_t i = 0; i < figures.size(); ++i) {
        const Figure& f = figures[i];
        const bool exceeds = f.share > f.window->budget;
        over += exceeds;
        if (i < size_t(kHeaviest) || exceeds)
            std::printf("  %-26s %6.2f ms  %5.3f of %5.3f%s\n", f.window->name.constData(), f.ms, f.share,
                        f.window->budget, exceeds ? "  OVER BUDGET" : "");
    }
    const bool met = mf / mb <= kFirstGoal && projected <= kCompleteGoal && over == 0;
    std::printf("%s: first %d windows %.2f (at most %.1f), complete program %.2f (at most %.1f), %d windows "
                "over budget\n",
                met ? "goal met" : "goal NOT met", kFirstWindows, mf / mb, kFirstGoal, projected,
                kCompleteGoal, over);
    return 0;
}

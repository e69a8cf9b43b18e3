// What the benchmarks share: timed runs and their median, the plain read of a file that the windows are
// measured against, a private program folder with a fixed today, and the names the generated archives use.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

class QRandomGenerator;
class QWidget;

namespace bench {

inline constexpr int kRuns = 11;
// The median, in milliseconds, of run timed runs times; between, where given, runs untimed before each.
double medianMs(const std::function<void()>& run, int runs = kRuns,
                const std::function<void()>& between = {});
// The medians, in milliseconds, of several works timed runs times each, taken in turn so that every one
// meets the same load.
std::vector<double> interleavedMediansMs(const std::vector<std::function<void()>>& works, int runs = kRuns);
// Reads the file's bytes through one buffer, the plainest way; stops the benchmark unless there are size.
void plainRead(const QString& path, qint64 size);
// Lays a shown window out and paints it now, as the screen would show it: the list's items laid out and
// the lines in view drawn.
void layOutAndPaint(QWidget& window);
// Runs offscreen unless a platform is chosen; call before the application is made.
void useOffscreen();

// A temporary program folder for the run, and a fixed today; both last as long as the object.
class ProgramFolder {
public:
    explicit ProgramFolder(const QDate& today);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// The makes and models that generated vehicles draw from.
const QStringList& makes();
const QStringList& models();
// A random item of list.
QString pick(QRandomGenerator& random, const QStringList& list);
// A plate unique to record i: a random letter and i in seven digits.
QString plate(QRandomGenerator& random, qint64 i);

} // namespace bench

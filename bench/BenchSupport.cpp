#include "BenchSupport.h"

#include "common/Clock.h"
#include "platform/ProgramFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace bench {

namespace {

double timedMs(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

double medianMs(const std::function<void()>& run, int runs, const std::function<void()>& between) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (between)
            between();
        times.push_back(timedMs(run));
    }
    return median(std::move(times));
}

std::vector<double> interleavedMediansMs(const std::vector<std::function<void()>>& works, int runs) {
    std::vector<std::vector<double>> times(works.size());
    for (int i = 0; i < runs; ++i)
        for (size_t w = 0; w < works.size(); ++w)
            times[w].push_back(timedMs(works[w]));
    std::vector<double> medians;
    for (std::vector<double>& t : times)
        medians.push_back(median(std::move(t)));
    return medians;
}

void plainRead(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    static QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 n; (n = file.read(buffer.data(), buffer.size())) > 0;)
        total += n;
    if (total != size)
        qFatal("%s holds %lld bytes, not %lld", qPrintable(path), static_cast<long long>(total),
               static_cast<long long>(size));
}

void layOutAndPaint(QWidget& window) {
    window.repaint();
}

void useOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

ProgramFolder::ProgramFolder(const QDate& today) {
    platform::setProgramFolderForTests(dir_.path());
    common::setTodayForTests(today);
}

ProgramFolder::~ProgramFolder() {
    common::setTodayForTests(QDate());
}

const QStringList& makes() {
    static const QStringList names{"Fiat", "Iveco",    "Renault", "Volkswagen",
                                   "Ford", "Mercedes", "Opel",    "Piaggio"};
    return names;
}

const QStringList& models() {
    static const QStringList names{"Panda",    "Daily",  "Master", "Transit",
                                   "Sprinter", "Ducato", "Vivaro", "Porter"};
    return names;
}

QString pick(QRandomGenerator& random, const QStringList& list) {
    return list.at(random.bounded(int(list.size())));
}

QString plate(QRandomGenerator& random, qint64 i) {
    return QStringLiteral("%1%2").arg(QChar('A' + random.bounded(26))).arg(i, 7, 10, QChar('0'));
}

} // namespace bench

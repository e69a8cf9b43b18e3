// Times the vehicle export on a generated archive of 10,000 vehicles: the grid filled as the window opens
// and the spreadsheet file written, each against a baseline measured in the same run (reading the archive
// whole, writing a file of the same size). Goals: grid under 500 ms, file under 300 ms. Also measures the
// writer's peak memory above the grid against the whole file built in one buffer; goal under 8 MB.
#include "common/Archive.h"
#include "common/Spreadsheet.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kVehicles = 10000;
constexpr int kRuns = 7;

void makeArchive() {
    using namespace fleet::SchedaVeicolo;
    common::ArchiveFile archive = fleet::openVehicleArchive();
    QByteArray all;
    for (int i = 0; i < kVehicles; ++i) {
        common::Record r(layout());
        for (int f = 0; f < FieldCount; ++f)
            r.set(f, QStringLiteral("%1 %2 valore di prova").arg(QLatin1String(layout().name(f))).arg(i));
        r.set(Targa, QStringLiteral("AB%1CD").arg(i, 5, 10, QLatin1Char('0')));
        r.set(Note, QString::fromUtf8("Nota più lunga del solito, con & e < per la conversione %1").arg(i));
        all += r.bytes();
    }
    QFile f(archive.path());
    if (!f.open(QIODevice::WriteOnly) || f.write(all) != all.size())
        qFatal("cannot write the archive");
}

qint64 heapInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// The most heap in use above where it stood, in megabytes, sampled at every row the writer asks for and at
// the end.
double peakAboveMb(const std::function<void(const std::function<void()>& sample)>& step) {
    const qint64 before = heapInUse();
    qint64 peak = before;
    const auto sample = [&] { peak = std::max(peak, heapInUse()); };
    step(sample);
    sample();
    return (peak - before) / (1024.0 * 1024.0);
}

double medianMs(const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    platform::setProgramFolderForTests(folder.path());
    makeArchive();

    TfrmExpVeicolario window;
    window.show();
    QApplication::processEvents();

    window.fillGrid();
    if (window.grid()->rowCount() != kVehicles)
        qFatal("the grid holds %d rows", window.grid()->rowCount());
    const double fillMs = medianMs([&] {
        window.fillGrid();
        QApplication::processEvents();
    });
    const double readMs = medianMs([] {
        QFile f(platform::programPath(QString::fromLatin1(fleet::kVehicleArchive)));
        if (!f.open(QIODevice::ReadOnly) ||
            f.readAll().size() != qint64(kVehicles) * fleet::kVehicleRecordSize)
            qFatal("cannot read the archive");
    });
    const double writeMs = medianMs([&] { window.writeFile(); });
    const qint64 fileSize = QFile(platform::programPath(QStringLiteral("Parco_Automezzi.xls"))).size();
    const QByteArray same(fileSize, 'x');
    const double rawMs = medianMs([&] {
        QFile f(platform::programPath(QStringLiteral("baseline.bin")));
        if (!f.open(QIODevice::WriteOnly) || f.write(same) != same.size())
            qFatal("cannot write the baseline");
    });

    // Memory held by the writer beyond the grid, streaming and with the whole file in one buffer.
    QList<common::SpreadsheetColumn> columns;
    for (int c = 1; c < window.grid()->columnCount(); ++c)
        columns.append({QStringLiteral("Colonna"), 250});
    const auto cells = [&](const std::function<void()>& sample) {
        return [&window, sample](qsizetype row, int column) {
            if (column == 0)
                sample();
            return window.grid()->cell(row, column + 1);
        };
    };
    const double streamMb = peakAboveMb([&](const std::function<void()>& sample) {
        common::writeSpreadsheet(platform::programPath(QStringLiteral("Parco_Automezzi.xls")),
                                 QStringLiteral("Parco Automezzi"), columns, window.grid()->rowCount(),
                                 cells(sample));
    });
    const double wholeMb = peakAboveMb([&](const std::function<void()>& sample) {
        const QByteArray content = common::spreadsheetContent(QStringLiteral("Parco Automezzi"), columns,
                                                              window.grid()->rowCount(), cells(sample));
        sample();
        if (!platform::writeWholeFile(platform::programPath(QStringLiteral("baseline.xls")), content))
            qFatal("cannot write the baseline");
    });

    std::printf("vehicle export, %d vehicles, median of %d runs\n", kVehicles, kRuns);
    std::printf("  grid filled:  %8.1f ms (goal 500)   baseline, archive read whole: %6.1f ms   ratio %.1f\n",
                fillMs, readMs, fillMs / readMs);
    std::printf(
        "  file written: %8.1f ms (goal 300)   baseline, %lld bytes written raw: %6.1f ms   ratio %.1f\n",
        writeMs, static_cast<long long>(fileSize), rawMs, writeMs / rawMs);
    std::printf(
        "  writer's peak memory above the grid: %6.1f MB (goal 8)   baseline, whole file in one buffer: "
        "%6.1f MB   ratio %.2f\n",
        streamMb, wholeMb, streamMb / wholeMb);
    const bool met = fillMs < 500 && writeMs < 300 && streamMb < 8;
    std::printf("goal %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}

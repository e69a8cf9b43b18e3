// Times the vehicle export on a generated archive of 10,000 vehicles: the grid filled as the window opens
// and the spreadsheet file written, each against a baseline doing the same work the plainest way in the
// same run: the archive read through one block buffer with the grid's fields decoded into a list of texts,
// and a file of the same size written to a temporary, synced and renamed over the file, as the program's
// safe write does. Goals: grid under 500 ms, file under 300 ms. Also measures the writer's peak memory
// above the grid against the whole file built in one buffer; goal under 8 MB.
#include "common/Archive.h"
#include "common/Spreadsheet.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

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

// The grid's cells the plainest way: the record number and the grid's fields of every record, decoded,
// read through one buffer of as many records as the archive reads at a time.
QList<QString> plainCells(const QString& path) {
    using namespace fleet::SchedaVeicolo;
    static const int fields[] = {Tipo,
                                 Destinazione,
                                 Marca,
                                 Modello,
                                 Targa,
                                 Immatricolazione,
                                 Colore,
                                 Telaio,
                                 Pneumatici,
                                 StatoVeicolo,
                                 Chilometri,
                                 Alimentazione,
                                 Cilindrata,
                                 KW,
                                 Ambiente,
                                 Proprietario,
                                 Autista,
                                 TelAutista,
                                 Meccanico,
                                 TelMeccanico,
                                 ScadenzaRevisione,
                                 ScadenzaTagliando,
                                 ScadenzaAssicurazione,
                                 ScadenzaBollo,
                                 Note};
    const int size = fleet::kVehicleRecordSize;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read the archive");
    QList<QString> cells;
    cells.reserve(f.size() / size * (1 + qsizetype(std::size(fields))));
    QByteArray block(256 * size, Qt::Uninitialized);
    qint64 number = 0;
    for (qint64 n; (n = f.read(block.data(), block.size())) > 0;) {
        for (const char* record = block.constData(); record + size <= block.constData() + n; record += size) {
            cells.append(QString::number(++number));
            for (int field : fields)
                cells.append(common::decodeField(record + layout().offset(field), layout().width(field)));
        }
    }
    return cells;
}

// Writes bytes as the safe write does, the plainest way: a temporary beside the file, synced, renamed over
// the file, the folder synced.
void plainSafeWrite(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".tmp";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fsync(fd) != 0 ||
        ::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0)
        qFatal("cannot write the baseline");
    const int folder =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0 || ::fsync(folder) != 0 || ::close(folder) != 0)
        qFatal("cannot sync the folder");
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
    const double readMs = medianMs([&] {
        const QList<QString> cells =
            plainCells(platform::programPath(QString::fromLatin1(fleet::kVehicleArchive)));
        if (cells.size() != qsizetype(kVehicles) * window.grid()->columnCount())
            qFatal("the plain read holds %lld cells", static_cast<long long>(cells.size()));
    });
    const double writeMs = medianMs([&] { window.writeFile(); });
    const qint64 fileSize = QFile(platform::programPath(QStringLiteral("Parco_Automezzi.xls"))).size();
    const QByteArray same(fileSize, 'x');
    const double rawMs =
        medianMs([&] { plainSafeWrite(platform::programPath(QStringLiteral("baseline.bin")), same); });

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
    std::printf(
        "  grid filled:  %8.1f ms (goal 500)   baseline, archive read and its fields decoded: %6.1f ms   "
        "ratio %.1f\n",
        fillMs, readMs, fillMs / readMs);
    std::printf(
        "  file written: %8.1f ms (goal 300)   baseline, %lld bytes written, synced and renamed: %6.1f ms   "
        "ratio %.1f\n",
        writeMs, static_cast<long long>(fileSize), rawMs, writeMs / rawMs);
    std::printf(
        "  writer's peak memory above the grid: %6.1f MB (goal 8)   baseline, whole file in one buffer: "
        "%6.1f MB   ratio %.2f\n",
        streamMb, wholeMb, streamMb / wholeMb);
    const bool met = fillMs < 500 && writeMs < 300 && streamMb < 8;
    std::printf("goal %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}

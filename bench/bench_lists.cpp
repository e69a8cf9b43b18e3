// Times the vehicle search (every vehicle, and one make only) and the deadline list over generated archives,
// each until its window is laid out and painted, against reading the same bytes.
#include "BenchSupport.h"
#include "common/Clock.h"
#include "common/ListWindow.h"
#include "fleet/DeadlineList.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "fleet/VehicleLines.h"
#include "platform/ProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

using namespace fleet::SchedaVeicolo;

namespace {

void generate(qint64 count) {
    const QStringList types{"Autovettura", "Autocarro", "Furgone", "Motociclo", "Autobus", "Trattore"};
    QRandomGenerator random(42);
    QFile file(platform::programPath(QString::fromLatin1(fleet::kVehicleArchive)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    const QDate today = common::today();
    QByteArray block;
    for (qint64 i = 0; i < count; ++i) {
        common::Record v(layout());
        v.set(Tipo, types.at(random.bounded(int(types.size()))));
        v.set(Marca, bench::pick(random, bench::makes()));
        v.set(Modello, bench::pick(random, bench::models()));
        v.set(Targa, bench::plate(random, i));
        v.set(Proprietario, QStringLiteral("Proprietario %1").arg(random.bounded(500)));
        v.set(Immatricolazione, QString::number(1995 + random.bounded(30)));
        v.set(Chilometri, QString::number(random.bounded(400000)));
        v.set(ScadenzaRevisione,
              today.addDays(random.bounded(-60, 300)).toString(QStringLiteral("dd/MM/yyyy")));
        v.set(Note, QStringLiteral("Nessuna nota"));
        block += v.bytes();
        if (block.size() > (1 << 22)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

struct Figures {
    double read, search, filtered, deadlines;
};

// Runs a search with the make filter (empty: none), the list then laid out and painted; the lines listed.
qsizetype search(const QString& make) {
    TfrmTrovaAutomezzi window;
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtMarca"))->setText(make);
    window.findChild<QAbstractButton*>(QStringLiteral("btnCerca"))->click();
    bench::layOutAndPaint(window);
    const qsizetype listed = window.lines().size();
    window.close();
    return listed;
}

Figures measure(qint64 count) {
    generate(count);
    const QString path = platform::programPath(QString::fromLatin1(fleet::kVehicleArchive));
    Figures f{};
    f.read = bench::medianMs([&] { bench::plainRead(path, count * fleet::kVehicleRecordSize); });
    qsizetype listed = 0;
    f.search = bench::medianMs([&] { listed = search(QString()); });
    if (listed != count)
        qFatal("the search did not list every vehicle");
    qsizetype filtered = 0;
    f.filtered = bench::medianMs([&] { filtered = search(QStringLiteral("Fiat")); });
    if (filtered <= 0 || filtered >= count)
        qFatal("the filtered search listed %lld vehicles", static_cast<long long>(filtered));
    f.deadlines = bench::medianMs([&] {
        TfrmScadRevisione list;
        list.show();
        bench::layOutAndPaint(list);
        listed = list.lines().size();
        list.close();
    });
    // Where the search's time goes.
    QStringList lines;
    const double scan = bench::medianMs([&] {
        common::ArchiveFile archive = fleet::openVehicleArchive();
        archive.forEach([](qint64, const common::Record&) {});
    });
    const double build = bench::medianMs([&] {
        lines.clear();
        common::ArchiveFile archive = fleet::openVehicleArchive();
        archive.forEach([&](qint64, const common::Record& v) { lines << fleet::vehicleLine(v); });
    });
    const double sort = bench::medianMs([&] {
        QStringList copy = lines;
        common::sortLines(copy);
    });
    std::printf("%7lld vehicles: records only %.2f ms, with lines %.2f ms, sort %.2f ms\n",
                static_cast<long long>(count), scan, build, sort);
    std::printf("%7lld vehicles: plain read %8.2f ms | search %8.2f ms (x%5.2f) | one make %8.2f ms (x%5.2f, "
                "%lld listed) | deadline list %8.2f ms (x%5.2f, %lld listed)\n",
                static_cast<long long>(count), f.read, f.search, f.search / f.read, f.filtered,
                f.filtered / f.read, static_cast<long long>(filtered), f.deadlines, f.deadlines / f.read,
                static_cast<long long>(listed));
    return f;
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreen();
    QApplication app(argc, argv);
    const bench::ProgramFolder folder(QDate(2026, 3, 10));

    std::printf("Median of %d runs; from the file to the list window filled, sorted, laid out and painted.\n",
                bench::kRuns);
    const Figures small = measure(10000);
    const Figures large = measure(100000);
    const double nlogn = (100000.0 * std::log2(100000.0)) / (10000.0 * std::log2(10000.0));
    std::printf("Growth 10,000 -> 100,000: search x%.2f, deadline list x%.2f, plain read x%.2f "
                "(n log n predicts x%.2f)\n",
                large.search / small.search, large.deadlines / small.deadlines, large.read / small.read,
                nlogn);
    const bool fast = small.search < 150 && small.filtered < 150;
    const bool ratio = large.search / large.read <= 10 && large.filtered / large.read <= 10;
    std::printf(
        "Goals: searches of 10,000 under 150 ms: %s; ratio to the plain read at 100,000 at most 10: %s\n",
        fast ? "met" : "NOT met", ratio ? "met" : "NOT met");
    std::printf("goal %s\n", fast && ratio ? "met" : "NOT met");
    return 0;
}

// Times the payments to settle and the cost search over a generated year of 100,000 costs, each from the
// file to the list window filled and sorted, against reading the same bytes.
#include "common/Clock.h"
#include "common/ListWindow.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmTrovaCosti.h"
#include "platform/ProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace costs::SchedaCosto;

namespace {

constexpr int kRuns = 7;
constexpr qint64 kCosts = 100000;

void generate(const QString& path) {
    const QStringList makes{"Fiat", "Iveco", "Renault", "Volkswagen", "Ford", "Mercedes", "Opel", "Piaggio"};
    const QStringList models{"Panda", "Daily", "Master", "Transit", "Sprinter", "Ducato", "Vivaro", "Porter"};
    const QStringList causes{"Bollo", "Assicurazione", "Multa", "Rifornimento carburante", "Tagliando"};
    const QStringList months{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                             "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    QRandomGenerator random(42);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the costs file");
    QByteArray block;
    for (qint64 i = 0; i < kCosts; ++i) {
        const int day = 1 + random.bounded(28), month = 1 + random.bounded(12);
        common::Record r(layout());
        r.set(GiornoMese, QStringLiteral("%1").arg(day, 2, 10, QChar('0')));
        r.set(Mese, months.at(month - 1));
        r.set(Anno, QStringLiteral("2024"));
        r.set(Data, QStringLiteral("%1/%2/2024").arg(day, 2, 10, QChar('0')).arg(month, 2, 10, QChar('0')));
        r.set(Luogo, QStringLiteral("Milano"));
        r.set(Veicolo, QStringLiteral("Autovettura"));
        r.set(Marca, makes.at(random.bounded(int(makes.size()))));
        r.set(Modello, models.at(random.bounded(int(models.size()))));
        r.set(Targa, QStringLiteral("%1%2").arg(QChar('A' + random.bounded(26))).arg(i, 7, 10, QChar('0')));
        r.set(Causale, causes.at(random.bounded(int(causes.size()))));
        r.set(Descrizione, QStringLiteral("Spesa numero %1 dell'anno").arg(i));
        r.set(Importo,
              QStringLiteral("%1,%2").arg(random.bounded(2000)).arg(random.bounded(100), 2, 10, QChar('0')));
        r.set(Pagatore, QStringLiteral("Ufficio"));
        r.set(Beneficiario, QStringLiteral("Officina %1").arg(random.bounded(50)));
        r.set(Conducente, QStringLiteral("Mario Rossi"));
        r.set(Saldato, random.bounded(3) == 0 ? QStringLiteral("No") : QStringLiteral("Sì"));
        r.set(Note, QStringLiteral("Nessuna nota"));
        block += r.bytes();
    }
    file.write(block);
}

double medianMs(const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    platform::setProgramFolderForTests(dir.path());
    common::setTodayForTests(QDate(2024, 6, 15));
    const QString path = costs::costFilePath(QStringLiteral("2024"));
    generate(path);
    // The list windows read the file open in the cost card.
    auto* card = new TfrmCosti;
    common::WindowRegistry::instance().add(card);
    card->openYear(path, QStringLiteral(" Veicolario - Costi sostenuti nell'anno 2024"),
                   QStringLiteral("2024"));

    const double read = medianMs([&] {
        // The bytes alone, in blocks through one buffer.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the costs file");
        static QByteArray buffer(1 << 20, Qt::Uninitialized);
        qint64 total = 0;
        for (qint64 n; (n = file.read(buffer.data(), buffer.size())) > 0;)
            total += n;
        if (total != kCosts * costs::kCostRecordSize)
            qFatal("cannot read the costs file");
    });
    qsizetype unpaid = 0;
    const double toSettle = medianMs([&] {
        TfrmDaSaldare list;
        list.show();
        unpaid = list.lines().size();
        list.close();
    });
    const auto searchMs = [&](const QString& filter, qsizetype& found) {
        return medianMs([&] {
            TfrmTrovaCosti search;
            search.setCallerTag(QStringLiteral("Costi"));
            search.show();
            if (!filter.isEmpty())
                search.findChild<QLineEdit*>(QStringLiteral("txtCausale"))->setText(filter);
            search.findChild<QAbstractButton*>(QStringLiteral("btnCerca"))->click();
            found = search.lines().size();
            search.close();
        });
    };
    qsizetype all = 0, bollo = 0;
    const double searchAll = searchMs(QString(), all);
    const double searchBollo = searchMs(QStringLiteral("bollo"), bollo);
    if (all != kCosts || unpaid == 0 || bollo == 0)
        qFatal("the lists did not find the generated costs");
    std::printf("Median of %d runs over %lld costs (%.0f MB), from the file to the list window filled and "
                "sorted.\n",
                kRuns, static_cast<long long>(kCosts), double(kCosts * costs::kCostRecordSize) / 1e6);
    std::printf("plain read %.2f ms | payments to settle %.2f ms (x%.1f, %lld lines) | search, no filter "
                "%.2f ms (x%.1f, %lld lines) | search by cause %.2f ms (x%.1f, %lld lines)\n",
                read, toSettle, toSettle / read, static_cast<long long>(unpaid), searchAll, searchAll / read,
                static_cast<long long>(all), searchBollo, searchBollo / read, static_cast<long long>(bollo));
    // Where the search's time goes.
    QStringList lines;
    const double scan = medianMs([&] {
        common::ArchiveFile archive = costs::openCostArchive(path);
        archive.forEach([](qint64, const common::Record&) {});
    });
    const double build = medianMs([&] {
        lines.clear();
        common::ArchiveFile archive = costs::openCostArchive(path);
        archive.forEach([&](qint64, const common::Record& c) { lines << costs::costLine(c); });
    });
    const double sort = medianMs([&] {
        QStringList copy = lines;
        common::sortLines(copy);
    });
    std::printf("search of every cost: records only %.2f ms, with lines %.2f ms, sort %.2f ms\n", scan, build,
                sort);
    const double worst = std::max({toSettle, searchAll, searchBollo}) / read;
    std::printf(
        "Goal: payments to settle and search at most 10x the plain read of the file: %s (worst x%.1f)\n",
        worst <= 10 ? "met" : "NOT met", worst);
    common::WindowRegistry::instance().destroyAll();
    return 0;
}

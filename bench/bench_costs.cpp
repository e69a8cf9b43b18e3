// Times, over a generated year of 100,000 costs: the payments to settle, the cost search and the period
// summary, each from the file to its list filled, sorted, laid out and painted, against reading the same
// bytes; and the monthly statistics, their totals and the drawing of the chart as bars and as a pie.
#include "BenchSupport.h"
#include "common/ListWindow.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmMenuRiepSpese.h"
#include "costs/TfrmRiepSpese.h"
#include "costs/TfrmStatCosti.h"
#include "costs/TfrmTrovaCosti.h"
#include "platform/Chart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace costs::SchedaCosto;

namespace {

constexpr qint64 kCosts = 100000;

void generate(const QString& path) {
    const QStringList causes{"Bollo", "Assicurazione", "Multa", "Rifornimento carburante", "Tagliando"};
    QRandomGenerator random(42);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the costs file");
    QByteArray block;
    block.reserve(kCosts * costs::kCostRecordSize);
    for (qint64 i = 0; i < kCosts; ++i) {
        const int day = 1 + random.bounded(28), month = 1 + random.bounded(12);
        common::Record r(layout());
        r.set(GiornoMese, QStringLiteral("%1").arg(day, 2, 10, QChar('0')));
        r.set(Mese, costs::monthNames().at(month - 1));
        r.set(Anno, QStringLiteral("2024"));
        r.set(Data, QStringLiteral("%1/%2/2024").arg(day, 2, 10, QChar('0')).arg(month, 2, 10, QChar('0')));
        r.set(Luogo, QStringLiteral("Milano"));
        r.set(Veicolo, QStringLiteral("Autovettura"));
        r.set(Marca, bench::pick(random, bench::makes()));
        r.set(Modello, bench::pick(random, bench::models()));
        r.set(Targa, bench::plate(random, i));
        r.set(Causale, bench::pick(random, causes));
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

// Runs click, which opens a modal window, and closes that window as soon as it shows; returns what look
// found in it.
qsizetype throughModal(const std::function<void()>& click, const std::function<qsizetype(QWidget*)>& look) {
    qsizetype found = -1;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            found = look(modal);
            modal->close();
        }
    });
    click();
    return found;
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreen();
    QApplication app(argc, argv);
    bench::ProgramFolder folder(QDate(2024, 6, 15));
    const QString path = costs::costFilePath(QStringLiteral("2024"));
    generate(path);
    const qint64 bytes = kCosts * costs::kCostRecordSize;
    // The list windows read the file open in the cost card.
    auto* card = new TfrmCosti;
    common::WindowRegistry::instance().add(card);
    card->openYear(path, QStringLiteral(" Veicolario - Costi sostenuti nell'anno 2024"),
                   QStringLiteral("2024"));

    const double read = bench::medianMs([&] { bench::plainRead(path, bytes); });
    qsizetype unpaid = 0;
    const double toSettle = bench::medianMs([&] {
        TfrmDaSaldare list;
        list.show();
        bench::layOutAndPaint(list);
        unpaid = list.lines().size();
        list.close();
    });
    const auto searchMs = [&](const QString& filter, qsizetype& found) {
        return bench::medianMs([&] {
            TfrmTrovaCosti search;
            search.setCallerTag(QStringLiteral("Costi"));
            search.show();
            if (!filter.isEmpty())
                search.findChild<QLineEdit*>(QStringLiteral("txtCausale"))->setText(filter);
            search.findChild<QAbstractButton*>(QStringLiteral("btnCerca"))->click();
            bench::layOutAndPaint(search);
            found = search.lines().size();
            search.close();
        });
    };
    qsizetype all = 0, bollo = 0;
    const double searchAll = searchMs(QString(), all);
    const double searchBollo = searchMs(QStringLiteral("bollo"), bollo);

    // The period summary of the whole year, no filter: every cost listed and summed.
    auto* query = new TfrmMenuRiepSpese;
    common::WindowRegistry::instance().add(query);
    query->show();
    const auto setBox = [&](const char* name, const QString& text) {
        query->findChild<QComboBox*>(QString::fromLatin1(name))->setEditText(text);
    };
    qsizetype summarised = 0;
    const double summary = bench::medianMs([&] {
        setBox("txtGiornoInizio", QStringLiteral("01"));
        setBox("txtMeseInizio", QStringLiteral("Gennaio"));
        setBox("txtGiornoFine", QStringLiteral("31"));
        setBox("txtMeseFine", QStringLiteral("Dicembre"));
        summarised = throughModal([&] { query->btnVisualizzaClick(); },
                                  [](QWidget* modal) {
                                      bench::layOutAndPaint(*modal);
                                      return qobject_cast<TfrmRiepSpese*>(modal)->lines().size();
                                  });
    });
    // The summary's own work, without its window shown: the query's dates stay composed.
    const double summaryFill = bench::medianMs([&] {
        TfrmRiepSpese filled(query);
        if (!filled.fill())
            qFatal("the summary could not read the costs");
    });
    if (all != kCosts || summarised != kCosts || unpaid == 0 || bollo == 0)
        qFatal("the lists did not find the generated costs");

    // The statistics: the year's monthly totals and the chart made, then the chart drawn.
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->resize(1280, 800);
    stats->show();
    auto* open = stats->findChild<QAbstractButton*>(QStringLiteral("btnApri"));
    const double totals = bench::medianMs([&] { open->click(); });
    QCoreApplication::processEvents();
    platform::Chart* chart = stats->chart();
    const auto drawMs = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        return bench::medianMs([&] {
            const QPixmap drawn = chart->grab();
            if (drawn.isNull())
                qFatal("the chart was not drawn");
        });
    };
    const double bars = drawMs();
    stats->findChild<QAbstractButton*>(QStringLiteral("btnTorta"))->click();
    const double pie = drawMs();
    const double switchType = bench::medianMs([&] {
        stats->findChild<QAbstractButton*>(QStringLiteral("btnBarre"))->click();
        stats->findChild<QAbstractButton*>(QStringLiteral("btnTorta"))->click();
    });

    std::printf(
        "Median of %d runs over %lld costs (%.0f MB), from the file to the list filled, sorted, laid out "
        "and painted.\n",
        bench::kRuns, static_cast<long long>(kCosts), double(bytes) / 1e6);
    std::printf(
        "plain read %.2f ms | payments to settle %.2f ms (x%.1f, %lld lines) | search, no filter %.2f ms "
        "(x%.1f, %lld lines) | search by cause %.2f ms (x%.1f, %lld lines) | period summary of the year "
        "%.2f ms (x%.1f, %lld lines)\n",
        read, toSettle, toSettle / read, static_cast<long long>(unpaid), searchAll, searchAll / read,
        static_cast<long long>(all), searchBollo, searchBollo / read, static_cast<long long>(bollo), summary,
        summary / read, static_cast<long long>(summarised));
    // Where the search's time goes.
    QStringList lines;
    const double scan = bench::medianMs([&] {
        common::ArchiveFile archive = costs::openCostArchive(path);
        archive.forEach([](qint64, const common::Record&) {});
    });
    const double build = bench::medianMs([&] {
        lines.clear();
        common::ArchiveFile archive = costs::openCostArchive(path);
        archive.forEach([&](qint64, const common::Record& c) { lines << costs::costLine(c); });
    });
    // The lines sorted as a window sorts them: a list of its own, not shared.
    QStringList copy;
    const double sort = bench::medianMs([&] { common::sortLines(copy); }, bench::kRuns,
                                        [&] {
                                            copy = lines;
                                            copy.detach();
                                        });
    std::printf(
        "every cost listed: records only %.2f ms, with lines %.2f ms, sort %.2f ms; the summary filled "
        "without its window %.2f ms\n",
        scan, build, sort, summaryFill);
    std::printf(
        "statistics: monthly totals and chart %.2f ms (x%.1f) | chart drawn at %dx%d: bars %.2f ms, pie "
        "%.2f ms | bars then pie again %.2f ms\n",
        totals, totals / read, chart->width(), chart->height(), bars, pie, switchType);
    const double worst = std::max({toSettle, searchAll, searchBollo, summary}) / read;
    const double slowestChart = std::max(bars, pie);
    std::printf(
        "Goals: lists and summary at most 10x the plain read: %s (worst x%.1f); chart drawn under 100 ms: "
        "%s (%.2f ms)\n",
        worst <= 10 ? "met" : "NOT met", worst, slowestChart < 100 ? "met" : "NOT met", slowestChart);
    common::WindowRegistry::instance().destroyAll();
    return 0;
}

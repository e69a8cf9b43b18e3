// Times a schedule year of 10,000 appointments: opening a year and the alarm's scan, the summaries and the
// imminent, day and month lists, each against a plain read of the same file.
#include "BenchSupport.h"
#include "common/Clock.h"
#include "maintenance/SchedaScadenza.h"
#include "maintenance/ScheduleExports.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"
#include "platform/ProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>

#include <cstdio>

using namespace maintenance::SchedaScadenza;

namespace {

constexpr int kCount = 10000;

void generate(const QString& path) {
    QRandomGenerator random(42);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the year");
    QByteArray block;
    for (int i = 0; i < kCount; ++i) {
        const QDate day = QDate(2026, 1, 1).addDays(random.bounded(365));
        const QString hour = QStringLiteral("%1").arg(random.bounded(24), 2, 10, QChar('0'));
        const QString minute = QStringLiteral("%1").arg(random.bounded(60), 2, 10, QChar('0'));
        common::Record r(layout());
        r.set(GiornoMese, day.toString(QStringLiteral("dd")));
        r.set(Mese, maintenance::monthNames().at(day.month() - 1));
        r.set(Anno, QStringLiteral("2026"));
        r.set(Data, day.toString(QStringLiteral("dd/MM/yyyy")));
        r.set(OreApp, hour);
        r.set(MinutiApp, minute);
        r.set(Ora, hour + QLatin1Char(':') + minute);
        r.set(Avviso, QString::number(random.bounded(30)));
        r.set(Conducente, QStringLiteral("Conducente %1").arg(random.bounded(500)));
        r.set(Recapito, QStringLiteral("06%1").arg(random.bounded(1000000), 7, 10, QChar('0')));
        r.set(Veicolo, QStringLiteral("Autovettura"));
        r.set(Marca, bench::pick(random, bench::makes()));
        r.set(Modello, bench::pick(random, bench::models()));
        r.set(Targa, bench::plate(random, i));
        r.set(Manutenzione, QStringLiteral("Tagliando"));
        r.set(Dettagli, QStringLiteral("Cambio olio e filtri"));
        r.set(Costo, QStringLiteral("120,50"));
        r.set(AppDaConfermare, random.bounded(4) == 0 ? maintenance::kSi : maintenance::kNo);
        r.set(Effettuata, random.bounded(2) == 0 ? maintenance::kSi : maintenance::kNo);
        block += r.bytes();
    }
    file.write(block);
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreen();
    QApplication app(argc, argv);
    const bench::ProgramFolder folder(QDate(2026, 6, 10));
    const QString path = maintenance::yearFilePath(QStringLiteral("2026"));
    generate(path);

    TfrmScadenzario schedule;
    schedule.findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"))
        ->setSelectedDate(QDate(2026, 6, 10));
    const double read = bench::medianMs([&] { bench::plainRead(path, qint64(kCount) * 1328); });
    int imminent = 0;
    const double scan = bench::medianMs([&] {
        // Showing the window runs the alarm's scan of the current year.
        schedule.show();
        imminent = schedule.findChild<QAbstractButton*>(QStringLiteral("btnOK"))->isEnabled() ? 1 : 0;
        schedule.close();
    });
    const double open = bench::medianMs([&] {
        schedule.show();
        schedule.findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2026"));
        schedule.findChild<QAbstractButton*>(QStringLiteral("btnApri"))->click();
        schedule.findChild<QAbstractButton*>(QStringLiteral("cmdUltimo"))->click();
    });
    qsizetype listed = 0;
    const double summary = bench::medianMs([&] {
        TfrmConfermati list(&schedule);
        list.show();
        list.repaint(); // the list laid out and painted
        listed = list.lines().size();
        list.close();
    });
    const auto timeList = [&](auto make, int& rows) {
        return bench::medianMs([&] {
            auto list = make();
            list->fillGrid();
            rows = list->grid()->rowCount();
        });
    };
    int imminentRows = 0, dayRows = 0, monthRows = 0;
    const double listImminent =
        timeList([&] { return std::make_unique<TfrmExpImminenti>(&schedule); }, imminentRows);
    const double listDay = timeList([&] { return std::make_unique<TfrmExpGiornaliere>(&schedule); }, dayRows);
    const double listMonth = timeList([&] { return std::make_unique<TfrmExpMensili>(&schedule); }, monthRows);

    std::printf("Median of %d runs over a year of %d appointments (%.1f MB).\n", bench::kRuns, kCount,
                kCount * 1328 / 1e6);
    std::printf("plain read          %8.2f ms\n", read);
    std::printf("show + alarm scan   %8.2f ms (x%5.2f)%s\n", scan, scan / read,
                imminent ? " imminent found" : "");
    std::printf("open year + last    %8.2f ms (x%5.2f)\n", open, open / read);
    std::printf("summary (to do)     %8.2f ms (x%5.2f, %lld lines)\n", summary, summary / read,
                static_cast<long long>(listed));
    std::printf("imminent list       %8.2f ms (x%5.2f, %d rows)\n", listImminent, listImminent / read,
                imminentRows);
    std::printf("day list            %8.2f ms (x%5.2f, %d rows)\n", listDay, listDay / read, dayRows);
    std::printf("month list          %8.2f ms (x%5.2f, %d rows)\n", listMonth, listMonth / read, monthRows);
    const bool met =
        scan < 50 && open < 50 && summary < 50 && listImminent < 100 && listDay < 100 && listMonth < 100;
    std::printf("Goal (open, scan, summary under 50 ms; lists under 100 ms): %s\n", met ? "met" : "NOT met");
    return 0;
}

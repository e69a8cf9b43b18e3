// Times the three mileage lists over a generated archive of 10,000 cards against reading the same bytes,
// and the card print of one copy against drawing the same texts at fixed places.
#include "BenchSupport.h"
#include "common/CardPrint.h"
#include "common/Clock.h"
#include "mileage/MileageLists.h"
#include "mileage/SchedaChilometrico.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

using namespace mileage::SchedaChilometrico;

namespace {

constexpr qint64 kCards = 10000;

void generate() {
    const QStringList works{"Tagliando", "Cambio olio", "Pneumatici", "Freni", "Cinghia di distribuzione"};
    QRandomGenerator random(42);
    QFile file(platform::programPath(QString::fromLatin1(mileage::kMileageArchive)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    QByteArray block;
    for (qint64 i = 0; i < kCards; ++i) {
        common::Record r(layout());
        r.set(Veicolo, QStringLiteral("Autovettura"));
        r.set(Marca, bench::pick(random, bench::makes()));
        r.set(Modello, bench::pick(random, bench::models()));
        r.set(Targa, bench::plate(random, i));
        r.set(Manutenzione, works.at(random.bounded(int(works.size()))));
        r.set(DataInt, QStringLiteral("01/02/2025"));
        const int initial = random.bounded(200000);
        r.set(KmRil, QString::number(initial));
        r.set(Ogni, QStringLiteral("15000"));
        r.set(Prossima, QString::number(initial + 15000));
        r.set(KmAttuali, QString::number(initial + random.bounded(30000)));
        r.set(StatoManutenzione, random.bounded(3) == 0 ? mileage::kScaduta : mileage::kValida);
        r.set(Effettuata, random.bounded(2) == 0 ? mileage::kDone : mileage::kNotDone);
        r.set(Note, QStringLiteral("Nessuna nota"));
        block += r.bytes();
    }
    file.write(block);
}

template <class List> double listMs(qsizetype& listed) {
    return bench::medianMs([&] {
        List list;
        list.show();
        list.repaint(); // the list laid out and painted
        listed = list.lines().size();
        list.close();
    });
}

common::CardPrintContent sampleCard() {
    common::CardPrintContent card{QStringLiteral("SCHEDA SCADENZA CHILOMETRICA"), {}};
    for (int i = 1; i <= 20; ++i)
        card.rows.push_back(
            {QStringLiteral("Etichetta %1:").arg(i), QStringLiteral("Valore della riga %1").arg(i)});
    return card;
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreen();
    QApplication app(argc, argv);
    const bench::ProgramFolder folder(QDate(2026, 3, 10));
    generate();
    const QString path = platform::programPath(QString::fromLatin1(mileage::kMileageArchive));

    const double read =
        bench::medianMs([&] { bench::plainRead(path, kCards * mileage::kMileageRecordSize); });
    qsizetype done = 0, toDo = 0, overdue = 0;
    const double doneMs = listMs<TfrmEffettuate>(done);
    const double toDoMs = listMs<TfrmDaEffettuare>(toDo);
    const double overdueMs = listMs<TfrmScaduteKm>(overdue);
    std::printf(
        "Median of %d runs over %lld cards, from the file to the list window filled, sorted and painted.\n",
        bench::kRuns, static_cast<long long>(kCards));
    std::printf("plain read %.2f ms | done %.2f ms (x%.1f, %lld lines) | to do %.2f ms (x%.1f, %lld lines) | "
                "overdue %.2f ms (x%.1f, %lld lines)\n",
                read, doneMs, doneMs / read, static_cast<long long>(done), toDoMs, toDoMs / read,
                static_cast<long long>(toDo), overdueMs, overdueMs / read, static_cast<long long>(overdue));

    // One copy of the card on a 1200 dpi PDF printer, against the same texts drawn without measuring.
    const common::CardPrintContent card = sampleCard();
    const QString pdf = folder.filePath(QStringLiteral("scheda.pdf"));
    const auto printer = [&] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf);
        p->setResolution(common::kCardPrintDpi);
        return p;
    };
    const double printMs = bench::medianMs([&] {
        auto p = printer();
        common::printCardDocuments(*p, 1, card);
    });
    const double plainMs = bench::medianMs([&] {
        auto p = printer();
        QPainter painter(p.get());
        painter.setFont(QFont(QStringLiteral("Courier New"), 12));
        int y = 300;
        painter.drawText(QPoint(260, y), card.title);
        for (const common::CardPrintRow& row : card.rows) {
            y += 520;
            painter.drawText(QPoint(260, y), row.label);
            painter.drawText(QPoint(3900, y), row.value);
        }
    });
    std::printf("card print, one copy: %.2f ms | plain drawing of the same texts %.2f ms (x%.2f)\n", printMs,
                plainMs, printMs / plainMs);
    const double slowest = std::max({doneMs, toDoMs, overdueMs});
    std::printf(
        "Goals: each list of 10,000 cards under 100 ms: %s; card print of one copy under 200 ms: %s\n",
        slowest < 100 ? "met" : "NOT met", printMs < 200 ? "met" : "NOT met");
    return 0;
}

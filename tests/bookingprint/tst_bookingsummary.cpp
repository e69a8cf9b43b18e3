#include "bookingprint/BookingSummary.h"

#include <QtTest>

using namespace bookingprint;

using Texts = QMap<int, QString>;

class TestBookingSummary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void literals_data();
    void literals();
    void lines_data();
    void lines();
    void failureKeepsTheLinesSoFar();
    void title_data();
    void title();
};

void TestBookingSummary::literals_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("literal");
    QTest::newRow("1 January") << 1 << "01 gennaio     ";
    QTest::newRow("29 February") << 60 << "29 febbraio    ";
    QTest::newRow("1 March") << 61 << "01 marzo       ";
    QTest::newRow("30 April") << 121 << "30 aprile      ";
    QTest::newRow("1 May") << 122 << "01 maggio      ";
    QTest::newRow("30 September") << 274 << "30 settembre   ";
    QTest::newRow("1 October") << 275 << "01 ottobre     ";
    QTest::newRow("31 December") << 366 << "31 dicembre    ";
}

void TestBookingSummary::literals() {
    QFETCH(int, slot);
    QFETCH(QString, literal);
    QCOMPARE(dayLiteral(slot), literal);
    QCOMPARE(dayLiteral(slot).size(), 15);
}

void TestBookingSummary::lines_data() {
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing booked") << Texts{} << QStringList{};
    QTest::newRow("calendar order, not by text, February's 29th in its place")
        << Texts{{366, "Alfa"}, {61, "Alfa"}, {60, "Zeta"}, {59, "Beta"}, {1, "Zeta"}}
        << QStringList{"01 gennaio     Zeta", "28 febbraio    Beta", "29 febbraio    Zeta",
                       "01 marzo       Alfa", "31 dicembre    Alfa"};
    QTest::newRow("trimmed at both ends, blanks inside kept")
        << Texts{{2, "  Rossi  Mario \t"}, {3, " \t "}, {4, "\x01"}}
        << QStringList{"02 gennaio     Rossi  Mario"};
    QTest::newRow("a 50-character booking makes a 65-character line")
        << Texts{{32, QString(50, 'x')}} << QStringList{"01 febbraio    " + QString(50, 'x')};
}

void TestBookingSummary::lines() {
    QFETCH(Texts, texts);
    QFETCH(QStringList, expected);
    QStringList lines;
    QList<int> asked;
    appendSummaryLines(lines, [&](int slot) {
        asked << slot;
        return texts.value(slot);
    });
    QCOMPARE(lines, expected);
    QCOMPARE(asked.size(), 366); // every day cell once, in order
    QCOMPARE(asked.first(), 1);
    QCOMPARE(asked.last(), 366);
}

void TestBookingSummary::failureKeepsTheLinesSoFar() {
    QStringList lines;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, appendSummaryLines(lines, [](int slot) -> QString {
                                 if (slot == 100)
                                     throw std::runtime_error("cella mancante");
                                 return slot % 30 == 1 ? QStringLiteral("Verdi") : QString();
                             }));
    QCOMPARE(lines, (QStringList{"01 gennaio     Verdi", "31 gennaio     Verdi", "01 marzo       Verdi",
                                 "31 marzo       Verdi"}));
}

void TestBookingSummary::title_data() {
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("title");
    QTest::newRow("full") << " Fiat "
                          << "Panda"
                          << "2024 "
                          << "Riepilogo prenotazioni veicolo Fiat Panda anno 2024";
    QTest::newRow("no make or model") << ""
                                      << ""
                                      << "2025"
                                      << "Riepilogo prenotazioni veicolo   anno 2025";
}

void TestBookingSummary::title() {
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(QString, year);
    QFETCH(QString, title);
    QCOMPARE(summaryTitle(make, model, year), title);
}

QTEST_GUILESS_MAIN(TestBookingSummary)
#include "tst_bookingsummary.moc"

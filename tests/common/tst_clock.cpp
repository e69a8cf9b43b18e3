#include "common/Clock.h"

#include <QtTest>

class TestClock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { common::setNowForTests({}); }
    void todayFollowsNow();
    void systemClockWhenNotSet();
    void printedOn_data();
    void printedOn();
};

void TestClock::todayFollowsNow() {
    common::setNowForTests(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
    QCOMPARE(common::today(), QDate(2026, 12, 31));
    QCOMPARE(common::now().time(), QTime(23, 59, 59));
    common::setTodayForTests(QDate(2024, 2, 29));
    QCOMPARE(common::now(), QDateTime(QDate(2024, 2, 29), QTime(0, 0)));
    QCOMPARE(common::today(), QDate(2024, 2, 29));
}

void TestClock::systemClockWhenNotSet() {
    common::setTodayForTests(QDate(2000, 1, 1));
    common::setTodayForTests(QDate());
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime seen = common::now();
    QVERIFY(seen >= before && seen <= QDateTime::currentDateTime());
    common::setNowForTests(QDateTime(QDate(2000, 1, 1), QTime(8, 0)));
    common::setNowForTests(QDateTime());
    QVERIFY(common::today() >= before.date());
}

void TestClock::printedOn_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    QTest::newRow("leading zeros") << QDateTime(QDate(2026, 3, 5), QTime(7, 4, 9))
                                   << "Stampa eseguita in data 05/03/2026 alle ore 07:04:09";
    QTest::newRow("24-hour clock") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
                                   << "Stampa eseguita in data 31/12/2026 alle ore 23:59:59";
    QTest::newRow("midnight") << QDateTime(QDate(2024, 2, 29), QTime(0, 0))
                              << "Stampa eseguita in data 29/02/2024 alle ore 00:00:00";
}

void TestClock::printedOn() {
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(common::printedOnText(when), text);
    common::setNowForTests(when);
    QCOMPARE(common::printedOnText(), text);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"

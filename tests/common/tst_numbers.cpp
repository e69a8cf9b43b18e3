#include "common/Numbers.h"
#include "common/Text.h"

#include <QtTest>

using namespace common;

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importo_data();
    void importo();
    void arrotonda_data();
    void arrotonda();
    void generale_data();
    void generale();
    void data_data();
    void data();
    void anno_data();
    void anno();
    void textRoutines();
};

void TestNumbers::importo_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("blanks only") << "   "
                                 << "0,00";
    QTest::newRow("whole") << "12"
                           << "12,00";
    QTest::newRow("leading zeros") << "007"
                                   << "7,00";
    QTest::newRow("one decimal") << "12,5"
                                 << "12,50";
    QTest::newRow("comma first") << ",5"
                                 << "0,50";
    QTest::newRow("comma last") << "5,"
                                << "5,00";
    QTest::newRow("comma alone") << ","
                                 << "0,00";
    QTest::newRow("three decimals kept") << "12,345"
                                         << "12,345";
    QTest::newRow("rounded to four") << "12,34567"
                                     << "12,3457";
    QTest::newRow("half up at four") << "0,00005"
                                     << "0,0001";
    QTest::newRow("below half at four") << "0,00004"
                                        << "0,00";
    QTest::newRow("two commas") << "1,2,3"
                                << "0,00";
    QTest::newRow("ten to the fifteenth") << "1000000000000000"
                                          << "1E15,00";
    QTest::newRow("fifteen digits stay fixed") << "999999999999999"
                                               << "999999999999999,00";
    QTest::newRow("blanks around") << "  12,5  "
                                   << "12,50";
    QTest::newRow("plus sign") << "+3"
                               << "3,00";
    QTest::newRow("negative") << "-5"
                              << "-5,00";
    QTest::newRow("negative fraction") << "-2,5"
                                       << "-2,50";
    QTest::newRow("exponent") << "1,5E2"
                              << "150,00";
    QTest::newRow("negative exponent") << "15e-1"
                                       << "1,50";
    QTest::newRow("sign alone") << "-"
                                << "0,00";
    QTest::newRow("exponent without digits") << "1E"
                                             << "0,00";
    QTest::newRow("decimal point") << "12.5"
                                   << "0,00";
    QTest::newRow("thousands separator") << "1.000,5"
                                         << "0,00";
    QTest::newRow("inner blank") << "1 2"
                                 << "0,00";
    QTest::newRow("letters") << "abc"
                             << "0,00";
    QTest::newRow("tab is not a blank") << "\t12"
                                        << "0,00";
    QTest::newRow("non-ascii digit") << QString::fromUtf8("\u0661") << "0,00";
    QTest::newRow("overflow") << "1E400"
                              << "0,00";
    QTest::newRow("tiny negative is zero") << "-0,00001"
                                           << "0,00";
}

void TestNumbers::importo() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(NormalizzaImporto(in), out);
}

void TestNumbers::arrotonda_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("out");
    QTest::newRow("half up") << 2.125 << 2 << 2.13;
    QTest::newRow("below half in binary") << 2.675 << 2 << 2.67;
    QTest::newRow("below half 1.005") << 1.005 << 2 << 1.00;
    QTest::newRow("tiny half") << 0.00005 << 4 << 0.0001;
    QTest::newRow("tiny below half") << 0.00004 << 4 << 0.0;
    QTest::newRow("whole") << 7.5 << 0 << 8.0;
    QTest::newRow("negative places") << 7.5 << -1 << 8.0;
    QTest::newRow("negative whole") << -5.0 << 4 << -5.0;
    QTest::newRow("negative half") << -2.5 << 0 << -3.0;
    QTest::newRow("negative above half") << -2.6 << 0 << -3.0;
    QTest::newRow("negative below half") << -2.4 << 0 << -2.0;
    QTest::newRow("negative at two") << -2.125 << 2 << -2.13;
}

void TestNumbers::arrotonda() {
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(double, out);
    QCOMPARE(Arrotonda(x, n), out);
}

void TestNumbers::generale_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("out");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("fraction") << 12.5 << "12,5";
    QTest::newRow("below one") << 0.0001 << "0,0001";
    QTest::newRow("smallest fixed") << 0.00001 << "0,00001";
    QTest::newRow("small exponent") << 0.0000015 << "1,5E-6";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("fifteen significant") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("rounds up to exponent") << 999999999999999.9 << "1E15";
    QTest::newRow("large") << 1e15 << "1E15";
    QTest::newRow("large mantissa") << -2.5e20 << "-2,5E20";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0,3";
}

void TestNumbers::generale() {
    QFETCH(double, x);
    QFETCH(QString, out);
    QCOMPARE(FormatoGenerale(x), out);
}

void TestNumbers::data_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<bool>("valid");
    QTest::newRow("leap day") << "29/02/2024" << true;
    QTest::newRow("no leap day") << "29/02/2023" << false;
    QTest::newRow("april 31") << "31/04/2024" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("last day") << "31/12/2025" << true;
    QTest::newRow("month 13") << "01/13/2025" << false;
    QTest::newRow("day zero") << "00/01/2025" << false;
    QTest::newRow("dashes") << "01-01-2025" << false;
    QTest::newRow("two-digit year") << "01/01/25" << false;
    QTest::newRow("signed field") << "+1/01/2025" << false;
    QTest::newRow("year zero") << "01/01/0000" << false;
    QTest::newRow("blanks around") << " 01/01/2025 " << true;
}

void TestNumbers::data() {
    QFETCH(QString, in);
    QFETCH(bool, valid);
    QCOMPARE(DataValida(in), valid);
    if (valid)
        QCOMPARE(LeggiData(in).toString(QStringLiteral("dd/MM/yyyy")), Trim(in));
}

void TestNumbers::anno_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<bool>("valid");
    QTest::newRow("year") << "2025" << true;
    QTest::newRow("three digits") << "202" << false;
    QTest::newRow("five digits") << "20250" << false;
    QTest::newRow("blank") << "202 " << false;
    QTest::newRow("sign") << "-202" << false;
    QTest::newRow("path") << "../x" << false;
    QTest::newRow("arabic digits") << QString::fromUtf8("\u0662\u0660\u0662\u0665") << false;
    QTest::newRow("empty") << "" << false;
}

void TestNumbers::anno() {
    QFETCH(QString, in);
    QFETCH(bool, valid);
    QCOMPARE(AnnoValido(in), valid);
}

void TestNumbers::textRoutines() {
    QVERIFY(IsNumeric(QString()));
    QVERIFY(IsNumeric("0123"));
    QVERIFY(!IsNumeric("12 3"));
    QVERIFY(!IsNumeric("1,5"));
    QVERIFY(!IsNumeric("-1"));
    QVERIFY(!IsNumeric("+1"));
    QCOMPARE(RightStr("ABCDE", 2), QString("DE"));
    QCOMPARE(RightStr("A", 3), QString("A"));
    QCOMPARE(RightStr("A", 0), QString());
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"

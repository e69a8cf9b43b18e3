#include "common/Text.h"

#include <QtTest>

using namespace common;

class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void trim_data();
    void trim();
    void upper_data();
    void upper();
    void compare_data();
    void compare();
    void sortOrder();
    void contains_data();
    void contains();
    void parts_data();
    void parts();
};

void TestText::trim_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("blanks") << "  abc  "
                            << "abc";
    QTest::newRow("control codes") << QString("\t\r\n\x01x y\x1f ") << "x y";
    QTest::newRow("no-break space kept")
        << QString::fromUtf8("\u00A0x\u00A0") << QString::fromUtf8("\u00A0x\u00A0");
    QTest::newRow("only blanks") << "   "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestText::trim() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(Trim(in), out);
}

void TestText::upper_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("ascii") << "abc XyZ 09"
                           << "ABC XYZ 09";
    QTest::newRow("accents untouched") << QString::fromUtf8("città è ß") << QString::fromUtf8("CITTà è ß");
}

void TestText::upper() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(UpperAZ(in), out);
}

void TestText::compare_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");
    QTest::newRow("equal folded") << "abc"
                                  << "ABC" << 0;
    QTest::newRow("prefix first") << "Auto"
                                  << "Autobus" << -1;
    QTest::newRow("underscore after letters") << "Zeta"
                                              << "_x" << -1;
    QTest::newRow("underscore before lower folded") << "_x"
                                                    << "a" << 1;
    QTest::newRow("accent after ascii") << "_x" << QString::fromUtf8("Éclair") << -1;
    QTest::newRow("blank before letters") << "A B"
                                          << "AB" << -1;
}

void TestText::compare() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const int got = CompareFolded(a, b);
    QCOMPARE((got > 0) - (got < 0), sign);
    const int back = CompareFolded(b, a);
    QCOMPARE((back > 0) - (back < 0), -sign);
}

void TestText::sortOrder() {
    QStringList lines{QString::fromUtf8("Éclair"), "Zeta", "_x", "AUTOCARRO", "Autobus", "Auto"};
    std::sort(lines.begin(), lines.end(),
              [](const QString& a, const QString& b) { return CompareFolded(a, b) < 0; });
    QCOMPARE(lines, (QStringList{"Auto", "Autobus", "AUTOCARRO", "Zeta", "_x", QString::fromUtf8("Éclair")}));
}

void TestText::contains_data() {
    QTest::addColumn<QString>("hay");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("found");
    QTest::newRow("case folded") << "Fiat Panda"
                                 << "PANDA" << true;
    QTest::newRow("blank kept as typed") << "Fiat Panda"
                                         << " panda" << true;
    QTest::newRow("not found") << "Fiat"
                               << "Fiata" << false;
    QTest::newRow("accent not folded") << QString::fromUtf8("Città") << QString::fromUtf8("CITTÀ") << false;
    QTest::newRow("empty needle") << "x"
                                  << "" << true;
}

void TestText::contains() {
    QFETCH(QString, hay);
    QFETCH(QString, needle);
    QFETCH(bool, found);
    QCOMPARE(ContainsFolded(hay, needle), found);
}

void TestText::parts_data() {
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("expected");
    QTest::newRow("left") << LeftStr("abcdef", 3) << "abc";
    QTest::newRow("left long") << LeftStr("ab", 5) << "ab";
    QTest::newRow("left zero") << LeftStr("ab", 0) << "";
    QTest::newRow("right") << RightStr("abcdef", 2) << "ef";
    QTest::newRow("mid") << Mid("RSSMRA80A01H501U", 12, 4) << "H501";
    QTest::newRow("mid past end") << Mid("abc", 3, 5) << "c";
    QTest::newRow("mid beyond") << Mid("abc", 4, 1) << "";
    QTest::newRow("padcut pads") << PadCut("Auto", 8) << "Auto    ";
    QTest::newRow("padcut cuts") << PadCut("Autocarro", 4) << "Auto";
    QTest::newRow("padcut exact") << PadCut("Auto", 4) << "Auto";
    QTest::newRow("padcut empty") << PadCut("", 3) << "   ";
    QTest::newRow("padcut zero") << PadCut("Auto", 0) << "";
    QTest::newRow("padcut keeps inner and edge blanks") << PadCut(" a b", 6) << " a b  ";
    QTest::newRow("padcut counts code units")
        << PadCut(QString::fromUtf8("Città"), 5) << QString::fromUtf8("Città");
}

void TestText::parts() {
    QFETCH(QString, got);
    QFETCH(QString, expected);
    QCOMPARE(got, expected);
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"

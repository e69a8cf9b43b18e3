#include "TestFolder.h"
#include "common/Failure.h"
#include "common/Spreadsheet.h"
#include "platform/Files.h"

#include <QDir>
#include <QtTest>

using namespace common;

namespace {

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Foglio prova</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
    "<body><table x:str>";
const QByteArray kHeaderRow = "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Tipo</td>"
                              "<td style=\"text-align: left; font-weight: bold;\" width=1200>Note</td></tr>";
const QByteArray kTail = "</table></body></html>";

QByteArray dataRow(const QByteArray& a, const QByteArray& b) {
    return "<tr><td style=\"text-align: left;\">" + a + "</td><td style=\"text-align: left;\">" + b +
           "</td></tr>";
}

const QList<SpreadsheetColumn> kColumns = {{QStringLiteral("Tipo"), 250}, {QStringLiteral("Note"), 1200}};

QByteArray content(const QList<QStringList>& rows) {
    return spreadsheetContent(QStringLiteral("Foglio prova"), kColumns, rows.size(),
                              [&](qsizetype r, int c) { return rows[r][c]; });
}

void write(const QString& path, const QList<QStringList>& rows) {
    writeSpreadsheet(path, QStringLiteral("Foglio prova"), kColumns, rows.size(),
                     [&](qsizetype r, int c) { return rows[r][c]; });
}

// Rows enough for a file of several megabytes.
QList<QStringList> manyRows(int count) {
    QList<QStringList> rows;
    for (int i = 0; i < count; ++i)
        rows.append({QStringLiteral("Autovettura %1").arg(i), QString(100, QLatin1Char('a' + i % 26))});
    return rows;
}

} // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyTable();
    void cells_data();
    void cells();
    void rowsInOrder();
    void writeReplacesFile();
    void writeFailure();
    void largeFileWrittenInPieces();
    void fullDiskLeavesOldFile_data();
    void fullDiskLeavesOldFile();
};

void TestSpreadsheet::emptyTable() {
    QCOMPARE(content({}), kHead + kHeaderRow + kTail);
}

void TestSpreadsheet::cells_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << "Autovettura" << QByteArray("Autovettura");
    QTest::newRow("trimmed") << " \t Fiat Panda  " << QByteArray("Fiat Panda");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("ampersand") << "B&B srl" << QByteArray("B&amp;B srl");
    QTest::newRow("table end in a note") << "vedi </table> e <b" << QByteArray("vedi &lt;/table&gt; e &lt;b");
    QTest::newRow("entity already there") << "&amp;" << QByteArray("&amp;amp;");
    QTest::newRow("quotes stay") << "\"x\" 'y'" << QByteArray("\"x\" 'y'");
    QTest::newRow("windows-1252") << QString::fromUtf8("€ 1.200,00 città")
                                  << QByteArray("\x80 1.200,00 citt\xe0");
    QTest::newRow("outside the code page") << QString::fromUtf8("Škoda → ok") << QByteArray("\x8akoda ? ok");
    QTest::newRow("inner line break")
        << "riga uno\r\nriga due\nfine" << QByteArray("riga uno  riga due fine");
}

void TestSpreadsheet::cells() {
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    const QByteArray bytes = content({{text, QStringLiteral("x")}});
    QCOMPARE(bytes, kHead + kHeaderRow + dataRow(written, "x") + kTail);
    QVERIFY(!bytes.contains('\n'));
    QVERIFY(!bytes.contains('\r'));
}

void TestSpreadsheet::rowsInOrder() {
    const QByteArray bytes = content({{"a1", "b1"}, {"a2", ""}, {"", "b3"}});
    QCOMPARE(bytes, kHead + kHeaderRow + dataRow("a1", "b1") + dataRow("a2", "") + dataRow("", "b3") + kTail);
}

void TestSpreadsheet::writeReplacesFile() {
    testsupport::TestFolder folder;
    folder.write(QStringLiteral("Prova.xls"), QByteArray(5000, 'z'));
    const QByteArray bytes = content({{"a", "b"}});
    write(folder.path(QStringLiteral("Prova.xls")), {{"a", "b"}});
    QCOMPARE(folder.read(QStringLiteral("Prova.xls")), bytes);
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Prova.xls"});
}

void TestSpreadsheet::writeFailure() {
    testsupport::TestFolder folder;
    // A folder where the file should be cannot be replaced by a file.
    QVERIFY(QDir(folder.folder()).mkdir(QStringLiteral("Prova.xls")));
    QVERIFY_THROWS_EXCEPTION(Failure, write(folder.path(QStringLiteral("Prova.xls")), {{"x", ""}}));
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    // A missing folder.
    QVERIFY_THROWS_EXCEPTION(Failure, write(folder.path(QStringLiteral("nessuna/Prova.xls")), {{"x", ""}}));
}

void TestSpreadsheet::largeFileWrittenInPieces() {
    testsupport::TestFolder folder;
    const QList<QStringList> rows = manyRows(30'000);
    write(folder.path(QStringLiteral("Prova.xls")), rows);
    QCOMPARE(folder.read(QStringLiteral("Prova.xls")), content(rows));
}

void TestSpreadsheet::fullDiskLeavesOldFile_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("freeBytes");
    QTest::newRow("small file, no space") << 2 << qint64(0);
    QTest::newRow("small file, one byte short") << 2 << qint64(content(manyRows(2)).size() - 1);
    QTest::newRow("large file, half") << 30'000 << qint64(2'000'000);
}

void TestSpreadsheet::fullDiskLeavesOldFile() {
    QFETCH(int, rows);
    QFETCH(qint64, freeBytes);
    testsupport::TestFolder folder;
    folder.write(QStringLiteral("Prova.xls"), "the old export");
    {
        platform::FullDiskForTests disk(freeBytes);
        QVERIFY_THROWS_EXCEPTION(Failure, write(folder.path(QStringLiteral("Prova.xls")), manyRows(rows)));
    }
    QCOMPARE(folder.read(QStringLiteral("Prova.xls")), QByteArray("the old export"));
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Prova.xls"});
}

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"

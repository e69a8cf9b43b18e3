#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "ScheduleFixture.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/Spreadsheet.h"
#include "common/WindowRegistry.h"
#include "maintenance/AppointmentSheet.h"
#include "maintenance/ScheduleExports.h"
#include "maintenance/TfrmScadenzario.h"
#include "platform/Files.h"
#include "platform/Report.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include <memory>

using testsupport::Appointment;
using testsupport::child;
using testsupport::ModalAnswerer;

namespace {

Appointment at(const QString& data, const QString& ora = "09:30", const QString& avviso = "5",
               const QString& targa = "AB123CD") {
    Appointment a;
    a.data = data;
    a.ora = ora;
    a.avviso = avviso;
    a.targa = targa;
    return a;
}

QByteArray yearOf(const QList<Appointment>& records) {
    QByteArray bytes;
    for (const Appointment& a : records)
        bytes += testsupport::appointmentBytes(a);
    return bytes;
}

} // namespace

class TestScheduleExports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void selection_data();
    void selection();
    void sortMovesWholeRows();
    void listWindow();
    void listExportBytes();
    void yearExport();
    void yearExportEmpty();
    void yearExportAfterFailedRead_data();
    void yearExportAfterFailedRead();
    void helpTexts();
    void sheetRows();
    void sheetOfNewCard();
    void sheetImage();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmScadenzario* w = nullptr;

    // The "N." and plate of each grid row, top to bottom, as "n:plate".
    static QStringList rowsOf(common::ExportWindow& window) {
        QStringList rows;
        for (int r = 0; r < window.grid()->rowCount(); ++r)
            rows << window.grid()->cell(r, 0) + ":" + window.grid()->cell(r, 11);
        return rows;
    }
};

void TestScheduleExports::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::setNowForTests(QDateTime(QDate(2025, 3, 10), QTime(14, 5, 9)));
    w = new TfrmScadenzario();
    common::WindowRegistry::instance().add(w);
}

void TestScheduleExports::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    common::setNowForTests(QDateTime());
    folder.reset();
}

void TestScheduleExports::selection_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("calendar");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QList<Appointment>>("records");
    QTest::addColumn<QStringList>("rows");
    const QDate t(2025, 3, 10);
    Appointment done = at("12/03/2025", "08:00", "5", "DONE");
    done.effettuata = QString::fromUtf8("Sì");
    QTest::newRow("imminent: own day, w days before, not the day after")
        << "imminent" << t << t << "2025.sca"
        << QList<Appointment>{at("10/03/2025", "10:00", "0", "TODAY"), at("15/03/2025", "09:00", "5", "EDGE"),
                              at("16/03/2025", "09:00", "5", "EARLY"), at("09/03/2025", "09:00", "9", "PAST")}
        << QStringList{"1:TODAY", "2:EDGE"};
    QTest::newRow("imminent: done listed, bad records skipped")
        << "imminent" << t << t << "2025.sca"
        << QList<Appointment>{at("11/03/2025", "09:00", "", "NOWARN"), done,
                              at("xx/03/2025", "09:00", "5", "NODATE"),
                              at("11/03/2025", "09:00", "1", "LATER")}
        << QStringList{"2:LATER", "1:DONE"};
    QTest::newRow("imminent: next year's file never read")
        << "imminent" << QDate(2025, 12, 28) << t << "2026.sca"
        << QList<Appointment>{at("02/01/2026", "09:00", "10", "NEXT")} << QStringList{};
    QTest::newRow("day: exact date") << "day" << t << QDate(2025, 7, 4) << "2025.sca"
                                     << QList<Appointment>{at("04/07/2025", "11:00", "1", "B"),
                                                           at("05/07/2025", "09:00", "1", "X"),
                                                           at("04/07/2025", "08:15", "1", "A")}
                                     << QStringList{"2:A", "1:B"};
    QTest::newRow("day: calendar's year file")
        << "day" << t << QDate(2024, 7, 4) << "2025.sca"
        << QList<Appointment>{at("04/07/2024", "11:00", "1", "B")} << QStringList{};
    Appointment capitals = at("20/01/2025", "09:00", "1", "CAPS");
    Appointment otherYear = at("05/01/2024", "09:00", "1", "OLD");
    QTest::newRow("month: name in any case, year of the record")
        << "month" << t << QDate(2025, 1, 31) << "2025.sca"
        << QList<Appointment>{capitals, at("02/02/2025", "09:00", "1", "FEB"), otherYear,
                              at("03/01/2025", "09:00", "1", "JAN")}
        << QStringList{"2:JAN", "1:CAPS"};
}

void TestScheduleExports::selection() {
    QFETCH(QString, kind);
    QFETCH(QDate, today);
    QFETCH(QDate, calendar);
    QFETCH(QString, fileName);
    QFETCH(QList<Appointment>, records);
    QFETCH(QStringList, rows);
    common::setTodayForTests(today);
    if (kind == "month" && !records.isEmpty()) {
        // Stored as the card would, but with the month name in capitals and one record of another year.
        QByteArray bytes;
        for (const Appointment& a : records) {
            common::Record r = testsupport::appointmentRecord(a);
            if (a.targa == "CAPS")
                r.set(maintenance::SchedaScadenza::Mese, "GENNAIO");
            bytes += r.bytes();
        }
        folder->write(fileName, bytes);
    } else if (!records.isEmpty()) {
        folder->write(fileName, yearOf(records));
    }
    child<QCalendarWidget>(w, "calAppuntamenti")->setSelectedDate(calendar);
    std::unique_ptr<common::ExportWindow> list;
    if (kind == "imminent")
        list = std::make_unique<TfrmExpImminenti>(w);
    else if (kind == "day")
        list = std::make_unique<TfrmExpGiornaliere>(w);
    else
        list = std::make_unique<TfrmExpMensili>(w);
    list->fillGrid();
    QCOMPARE(rowsOf(*list), rows);
    const QString year =
        kind == "imminent" ? QString::number(today.year()) : QString::number(calendar.year());
    QVERIFY(folder->exists(year + ".sca"));
}

void TestScheduleExports::sortMovesWholeRows() {
    QList<Appointment> records;
    for (int i = 1; i <= 7; ++i)
        records << at(QString("%1/03/2025").arg(20 - i, 2, 10, QChar('0')), "09:00", "1",
                      QString("P%1").arg(i));
    // The third and the seventh are on the calendar's day; the seventh comes first in time.
    records[2].data = "04/07/2025";
    records[2].ora = "15:00";
    records[6].data = "04/07/2025";
    records[6].ora = "07:45";
    folder->write("2025.sca", yearOf(records));
    child<QCalendarWidget>(w, "calAppuntamenti")->setSelectedDate(QDate(2025, 7, 4));
    TfrmExpGiornaliere list(w);
    list.fillGrid();
    QCOMPARE(rowsOf(list), (QStringList{"2:P7", "1:P3"}));
    QCOMPARE(list.grid()->cell(0, 2), QString("07:45"));
    QCOMPARE(list.grid()->cell(0, 20), QString("07040745"));
    QCOMPARE(list.grid()->cell(1, 20), QString("07041500"));
}

void TestScheduleExports::listWindow() {
    TfrmExpImminenti list(w);
    QCOMPARE(list.objectName(), QString("frmExpImminenti"));
    QCOMPARE(list.windowTitle(), QString(" Scadenze imminenti"));
    QCOMPARE(list.size(), QSize(862, 560));
    QCOMPARE(list.grid()->columnCount(), 21);
    const QList<int> widths{60,  150, 150, 250, 180, 250, 250, 250, 250, 200, 200,
                            200, 250, 300, 300, 180, 250, 200, 200, 300, 150};
    auto* view = child<QTableView>(&list, "grdRecords");
    for (int c = 0; c < 21; ++c)
        QCOMPARE(view->columnWidth(c), widths.at(c));
    QCOMPARE(list.grid()->headerData(20, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Codice univoco"));
    // Editable: spare parts, cost, mechanic, the two flags and the key.
    QList<int> editable;
    list.grid()->setCells(QList<QString>(21));
    for (int c = 0; c < 21; ++c)
        if (list.grid()->flags(list.grid()->index(0, c)) & Qt::ItemIsEditable)
            editable << c;
    QCOMPARE(editable, (QList<int>{14, 15, 16, 17, 18, 20}));
    QCOMPARE(TfrmExpGiornaliere(w).windowTitle(), QString(" Scadenze del giorno"));
    QCOMPARE(TfrmExpMensili(w).windowTitle(), QString(" Scadenze del mese"));
}

void TestScheduleExports::listExportBytes() {
    Appointment a = at("10/03/2025", "10:00", "0", "AA111AA");
    a.note = "Freni & <pastiglie>";
    folder->write("2025.sca", yearOf({a}));
    TfrmExpImminenti list(w);
    list.fillGrid();
    list.grid()->setData(list.grid()->index(0, 15), "99,00", Qt::EditRole);
    list.writeFile();
    const QList<common::SpreadsheetColumn> columns{{"Data scadenza", 150},
                                                   {"Ora appuntamento", 150},
                                                   {"Conduttore", 250},
                                                   {"Codice fiscale", 200},
                                                   {"Recapito preferenziale", 250},
                                                   {"Tipo veicolo", 250},
                                                   {"Marca", 250},
                                                   {"Modello", 250},
                                                   {"Colore", 200},
                                                   {"Alimentazione", 200},
                                                   {"Targa", 200},
                                                   {"Tipo manutenzione", 250},
                                                   {"Dettagli intervento", 300},
                                                   {"Ricambi sostituiti", 300},
                                                   {"Costo intervento", 200},
                                                   {"Meccanico esecutore", 250},
                                                   {"Appuntamento da confermare", 250},
                                                   {"Manutenzione effettuata", 250},
                                                   {"Note", 300},
                                                   {"Codice univoco", 150}};
    const QStringList row{"10/03/2025",
                          "10:00",
                          "Rossi Mario",
                          "",
                          "0612345",
                          "Autovettura",
                          "Fiat",
                          "Panda",
                          "",
                          "",
                          "AA111AA",
                          "Tagliando",
                          "",
                          "",
                          "99,00",
                          "",
                          "No",
                          "No",
                          "Freni & <pastiglie>",
                          "03101000"};
    const QByteArray want = common::spreadsheetContent("Scadenze imminenti", columns, 1,
                                                       [&](qsizetype, int c) { return row.at(c); });
    const QByteArray file = folder->read("Scadenze_Imminenti.xls");
    QCOMPARE(file, want);
    QVERIFY(file.contains("width=150>Codice univoco</td>"));
    QVERIFY(file.contains("Freni &amp; &lt;pastiglie&gt;"));
    QVERIFY(!file.contains(">N.<"));
}

void TestScheduleExports::yearExport() {
    folder->write("2024.sca", yearOf({at("05/01/2024", "08:00", "1", "FIRST"),
                                      at("01/01/2024", "07:00", "1", "SECOND")}));
    child<QLineEdit>(w, "txtAnno")->setText("2024");
    child<QAbstractButton>(w, "btnApri")->click();
    TfrmExpScadenzario window(w);
    QCOMPARE(window.windowTitle(), QString(" Esporta archivio scadenzario manutenzioni"));
    QCOMPARE(window.grid()->columnCount(), 20);
    window.fillGrid();
    // File order, numbered by position, not sorted.
    QCOMPARE(rowsOf(window), (QStringList{"1:FIRST", "2:SECOND"}));
    window.writeFile();
    const QByteArray file = folder->read("Scadenzario_Manutenzioni.xls");
    QVERIFY(file.contains("<x:Name>Scadenzario Manutenzioni</x:Name>"));
    QVERIFY(file.endsWith("<td style=\"text-align: left;\">No</td><td style=\"text-align: left;\"></td></tr>"
                          "</table></body></html>"));
    QVERIFY(!file.contains("Codice univoco"));
    QCOMPARE(file.count("<tr>"), 3);
}

void TestScheduleExports::yearExportEmpty() {
    child<QLineEdit>(w, "txtAnno")->setText("2031");
    child<QAbstractButton>(w, "btnApri")->click();
    TfrmExpScadenzario window(w);
    window.fillGrid();
    QCOMPARE(window.grid()->rowCount(), 0);
    QVERIFY(folder->exists("2031.sca"));
    window.writeFile();
    QCOMPARE(folder->read("Scadenzario_Manutenzioni.xls").count("<tr>"), 1);
}

void TestScheduleExports::yearExportAfterFailedRead_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<qint64>("readable");
    QTest::addColumn<int>("filled");
    const qint64 size = testsupport::appointmentBytes(Appointment()).size();
    QTest::newRow("fails in the first record") << 3 << size - 1 << 0;
    QTest::newRow("fails in the last record") << 3 << 2 * size + 5 << 2;
    QTest::newRow("fails after a whole record") << 3 << size << 1;
    // The scan reads many records at a time; those read whole before the failure are still shown.
    QTest::newRow("fails in a later block") << 300 << 270 * size + 100 << 270;
}

// A read failure part-way keeps one row per record of the year: the rows read, then empty ones.
void TestScheduleExports::yearExportAfterFailedRead() {
    QFETCH(int, records);
    QFETCH(qint64, readable);
    QFETCH(int, filled);
    QList<Appointment> year;
    for (int i = 1; i <= records; ++i)
        year << at("05/01/2024", "08:00", "1", QString("XP%1").arg(i));
    folder->write("2024.sca", yearOf(year));
    child<QLineEdit>(w, "txtAnno")->setText("2024");
    child<QAbstractButton>(w, "btnApri")->click();
    TfrmExpScadenzario window(w);
    {
        platform::FailingReadsForTests damagedDisk(readable);
        window.fillGrid();
    }
    QStringList expected;
    for (int i = 1; i <= records; ++i)
        expected << (i <= filled ? QString("%1:XP%1").arg(i) : QString(":"));
    QCOMPARE(rowsOf(window), expected);
    for (int r = filled; r < records; ++r)
        for (int c = 0; c < window.grid()->columnCount(); ++c)
            QVERIFY(window.grid()->cell(r, c).isEmpty());
    window.writeFile();
    const QByteArray file = folder->read("Scadenzario_Manutenzioni.xls");
    QCOMPARE(file.count("<tr>"), records + 1);
    QCOMPARE(file.count(">XP"), filled);
}

void TestScheduleExports::helpTexts() {
    const QList<std::pair<QString, int>> expected{{"Visualizzazione scadenze", 5},
                                                  {"Esportazione archivio manutenzioni in Excel", 3}};
    for (const auto& [title, paragraphs] : expected) {
        std::unique_ptr<common::ExportWindow> window;
        if (paragraphs == 5)
            window = std::make_unique<TfrmExpMensili>(w);
        else
            window = std::make_unique<TfrmExpScadenzario>(w);
        testsupport::SeenHelp seen;
        ModalAnswerer answerer;
        testsupport::captureHelp(answerer, seen);
        child<QAbstractButton>(window.get(), "cmdGuida")->click();
        QCoreApplication::processEvents();
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text.split("\n\n").size(), paragraphs);
    }
}

void TestScheduleExports::sheetRows() {
    folder->write("2025.sca", testsupport::appointmentBytes(at("15/03/2025")));
    child<QLineEdit>(w, "txtAnno")->setText("2025");
    child<QAbstractButton>(w, "btnApri")->click();
    child<QAbstractButton>(w, "cmdPrimo")->click();
    child<QLineEdit>(w, "txtNote")->setText("  Vedi [DATE] e [PAGE]  "); // typed, not saved
    child<QCheckBox>(w, "chkEffettuata")->setChecked(true);
    auto report = maintenance::makeSchedaInformativa();
    QCOMPARE(report->name(), QString("Scheda informativa"));
    maintenance::fillSchedaInformativa(*report, w->sheetValues());
    const platform::PreparedPage& page = report->preparedPages().at(0);
    QCOMPARE(report->preparedPages().size(), 1);
    QCOMPARE(page.linesOf("txtTitolo"), QStringList{"SCHEDA SCADENZA MANUTENZIONE"});
    QCOMPARE(page.linesOf("titCampo01"), QStringList{"Data scadenza:"});
    QCOMPARE(page.linesOf("txtCampo01"), QStringList{"15 Marzo 2025"});
    QCOMPARE(page.linesOf("txtCampo02"), QStringList{"09:30"});
    QCOMPARE(page.linesOf("txtCampo12"), QStringList{"AB123CD"});
    QCOMPARE(page.linesOf("txtCampo16"), QStringList{"0,00"});
    QCOMPARE(page.linesOf("txtCampo18"), QStringList{"Vedi [DATE] e [PAGE]"});
    QCOMPARE(page.linesOf("titCampo19"), QStringList{"Appuntamento da confermare:"});
    QCOMPARE(page.linesOf("txtCampo19"), QStringList{"No"});
    QCOMPARE(page.linesOf("txtCampo20"), QStringList{QString::fromUtf8("Sì")});
    QCOMPARE(page.linesOf("titCampo21"), QStringList{" "});
    QCOMPARE(page.linesOf("txtCampo24"), QStringList{" "});
    QCOMPARE(page.linesOf("txtCalce"), QStringList{"Stampa eseguita in data 10/03/2025 alle ore 14:05:09"});
}

void TestScheduleExports::sheetOfNewCard() {
    child<QLineEdit>(w, "txtAnno")->setText("2026");
    child<QAbstractButton>(w, "btnApri")->click();
    const QStringList values = w->sheetValues();
    QCOMPARE(values.size(), 20);
    QCOMPARE(values.at(0), QString("  2026"));
    QCOMPARE(values.at(1), QString("00:00"));
    QCOMPARE(values.at(15), QString("0,00"));
    QCOMPARE(values.at(18), QString("No"));
    QCOMPARE(values.at(19), QString("No"));
    QCOMPARE(values.at(3), QString());
}

void TestScheduleExports::sheetImage() {
    auto report = maintenance::makeSchedaInformativa();
    QStringList values(20, QString("Valore di prova"));
    values[13] = QString(250, 'x'); // one line, cut at the edge
    maintenance::fillSchedaInformativa(*report, values);
    const QImage page = report->renderPageImage(0, 96);
    QVERIFY(!page.isNull());
    QCOMPARE(page.size(), QSize(794, 1123));
    if (qEnvironmentVariableIsSet("VEICOLARIO_SAVE_IMAGES"))
        page.save(qEnvironmentVariable("VEICOLARIO_SAVE_IMAGES") + "/scheda_informativa.png");
    const double u = platform::kUnitsPerMm;
    // Title bar dark orange, row labels teal, footer dark orange (10 mm margins).
    QCOMPARE(page.pixelColor(int((10 + 100) * u), int((10 + 4) * u)), QColor(0xFF, 0x8C, 0x00));
    QCOMPARE(page.pixelColor(int((10 + 50) * u), int((10 + 24.5) * u)), QColor(0x00, 0x80, 0x80));
    QCOMPARE(page.pixelColor(int((10 + 180) * u), int((10 + 274.5) * u)), QColor(0xFF, 0x8C, 0x00));
    // Values print in black on white, right of the labels.
    bool ink = false;
    for (int x = int((10 + 61) * u); x < int((10 + 100) * u) && !ink; ++x)
        ink = page.pixelColor(x, int((10 + 27) * u)).value() < 100;
    QVERIFY(ink);
}

QTEST_MAIN(TestScheduleExports)
#include "tst_scheduleexports.moc"

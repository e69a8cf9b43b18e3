#include "TestFolder.h"
#include "common/Failure.h"
#include "planner/DayCalendar.h"
#include "planner/SchedaPlanning.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace planner;

namespace {

// One stored field: length byte, text, zeros up to the width.
QByteArray field(const QByteArray& text, int width) {
    QByteArray out(width + 1, '\0');
    out[0] = char(text.size());
    out.replace(1, text.size(), text);
    return out;
}

int bookingOffset(int slot) {
    return 184 + 51 * (slot - 1);
}

} // namespace

class TestPlannerFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slotEdges_data();
    void slotEdges();
    void everySlotRoundTrips();
    void tagsAreExact_data();
    void tagsAreExact();
    void datesOfSlots_data();
    void datesOfSlots();
    void layoutOffsets_data();
    void layoutOffsets();
    void fileName();
    void plateCharacters_data();
    void plateCharacters();
    void saveWritesOneRecord();
    void saveKeepsLaterBytesAndRewritesRecordOne();
    void saveOverShortFileWritesRecordOne();
    void loadReadsFirstRecordTrimmed();
    void loadMissingCreatesEmptyFile();
    void loadShortFileCountsEmpty();
    void failuresThrow();
};

void TestPlannerFile::slotEdges_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("cell");
    QTest::newRow("1 Jan") << 1 << 1 << 1 << "gen_01"
                           << "Gen_01";
    QTest::newRow("31 Jan") << 1 << 31 << 31 << "gen_31"
                            << "Gen_31";
    QTest::newRow("1 Feb") << 2 << 1 << 32 << "feb_01"
                           << "Feb_01";
    QTest::newRow("28 Feb") << 2 << 28 << 59 << "feb_28"
                            << "Feb_28";
    QTest::newRow("29 Feb") << 2 << 29 << 60 << "feb_29"
                            << "Feb_29";
    QTest::newRow("1 Mar") << 3 << 1 << 61 << "mar_01"
                           << "Mar_01";
    QTest::newRow("1 Apr") << 4 << 1 << 92 << "apr_01"
                           << "Apr_01";
    QTest::newRow("1 May") << 5 << 1 << 122 << "mag_01"
                           << "Mag_01";
    QTest::newRow("1 Jun") << 6 << 1 << 153 << "giu_01"
                           << "Giu_01";
    QTest::newRow("1 Jul") << 7 << 1 << 183 << "lug_01"
                           << "Lug_01";
    QTest::newRow("1 Aug") << 8 << 1 << 214 << "ago_01"
                           << "Ago_01";
    QTest::newRow("1 Sep") << 9 << 1 << 245 << "set_01"
                           << "Set_01";
    QTest::newRow("1 Oct") << 10 << 1 << 275 << "ott_01"
                           << "Ott_01";
    QTest::newRow("30 Nov") << 11 << 30 << 335 << "nov_30"
                            << "Nov_30";
    QTest::newRow("1 Dec") << 12 << 1 << 336 << "dic_01"
                           << "Dic_01";
    QTest::newRow("31 Dec") << 12 << 31 << 366 << "dic_31"
                            << "Dic_31";
}

void TestPlannerFile::slotEdges() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, slot);
    QFETCH(QString, tag);
    QFETCH(QString, cell);
    QCOMPARE(slotOf(month, day), slot);
    QCOMPARE(monthOfSlot(slot), month);
    QCOMPARE(dayOfSlot(slot), day);
    QCOMPARE(dayTag(slot), tag);
    QCOMPARE(slotOfTag(tag), slot);
    QCOMPARE(cellSuffix(slot), cell);
}

void TestPlannerFile::everySlotRoundTrips() {
    QSet<QString> tags;
    for (int slot = 1; slot <= kDaySlots; ++slot) {
        QCOMPARE(slotOfTag(dayTag(slot)), slot);
        QCOMPARE(slotOf(monthOfSlot(slot), dayOfSlot(slot)), slot);
        tags.insert(dayTag(slot));
    }
    QCOMPARE(tags.size(), kDaySlots);
    QCOMPARE(slotOf(2, 30), 0);
    QCOMPARE(slotOf(4, 31), 0);
    QCOMPARE(slotOf(13, 1), 0);
    QCOMPARE(slotOf(1, 0), 0);
    QCOMPARE(monthOfSlot(0), 0);
    QCOMPARE(monthOfSlot(367), 0);
    QCOMPARE(dayTag(367), QString());
    QCOMPARE(monthName(1), QStringLiteral("gennaio"));
    QCOMPARE(monthName(9), QStringLiteral("settembre"));
    QCOMPARE(monthName(12), QStringLiteral("dicembre"));
}

void TestPlannerFile::tagsAreExact_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("slot");
    QTest::newRow("exact") << "gen_01" << 1;
    QTest::newRow("capital first letter") << "Gen_01" << 0;
    QTest::newRow("capitals") << "GEN_01" << 0;
    QTest::newRow("blank around") << " gen_01 " << 0;
    QTest::newRow("one digit") << "gen_1" << 0;
    QTest::newRow("day the month lacks") << "feb_30" << 0;
    QTest::newRow("april 31") << "apr_31" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestPlannerFile::tagsAreExact() {
    QFETCH(QString, tag);
    QFETCH(int, slot);
    QCOMPARE(slotOfTag(tag), slot);
}

void TestPlannerFile::datesOfSlots_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("date");
    QTest::newRow("29 Feb leap") << 60 << 2024 << QDate(2024, 2, 29);
    QTest::newRow("29 Feb 2000") << 60 << 2000 << QDate(2000, 2, 29);
    QTest::newRow("29 Feb common") << 60 << 2023 << QDate();
    QTest::newRow("29 Feb 1900") << 60 << 1900 << QDate();
    QTest::newRow("1 Mar common") << 61 << 2023 << QDate(2023, 3, 1);
    QTest::newRow("31 Dec") << 366 << 2023 << QDate(2023, 12, 31);
}

void TestPlannerFile::datesOfSlots() {
    QFETCH(int, slot);
    QFETCH(int, year);
    QFETCH(QDate, date);
    QCOMPARE(dateOfSlot(slot, year), date);
}

void TestPlannerFile::layoutOffsets_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("Veicolo") << int(SchedaPlanning::Veicolo) << 0 << 50;
    QTest::newRow("Marca") << int(SchedaPlanning::Marca) << 51 << 50;
    QTest::newRow("Modello") << int(SchedaPlanning::Modello) << 102 << 50;
    QTest::newRow("Targa") << int(SchedaPlanning::Targa) << 153 << 30;
    QTest::newRow("slot 1") << SchedaPlanning::dayField(1) << 184 << 50;
    QTest::newRow("slot 59") << SchedaPlanning::dayField(59) << 3142 << 50;
    QTest::newRow("slot 60") << SchedaPlanning::dayField(60) << 3193 << 50;
    QTest::newRow("slot 61") << SchedaPlanning::dayField(61) << 3244 << 50;
    QTest::newRow("slot 366") << SchedaPlanning::dayField(366) << 18799 << 50;
}

void TestPlannerFile::layoutOffsets() {
    QFETCH(int, field);
    QFETCH(int, offset);
    QFETCH(int, width);
    QCOMPARE(SchedaPlanning::layout().size(), kPlannerRecordSize);
    QCOMPARE(SchedaPlanning::layout().offset(field), offset);
    QCOMPARE(SchedaPlanning::layout().width(field), width);
}

void TestPlannerFile::fileName() {
    QCOMPARE(plannerFileName("AB 123 CD", "2024"),
             QStringLiteral("Prenotazioni veicolo targa AB 123 CD anno 2024.pln"));
    QCOMPARE(plannerFileName("x.y", "0000"), QStringLiteral("Prenotazioni veicolo targa x.y anno 0000.pln"));
}

void TestPlannerFile::plateCharacters_data() {
    QTest::addColumn<QString>("plate");
    QTest::addColumn<bool>("fits");
    QTest::newRow("letters digits blank") << "AB 123 CD" << true;
    QTest::newRow("dash dot accent") << QString::fromUtf8("À-1.2") << true;
    for (const char* bad : {"A/B", "A\\B", "A:B", "A*B", "A?B", "A\"B", "A<B", "A>B", "A|B"})
        QTest::newRow(bad) << QString::fromLatin1(bad) << false;
    QTest::newRow("tab") << "A\tB" << false;
    QTest::newRow("NUL") << QString(QChar(0)) << false;
}

void TestPlannerFile::plateCharacters() {
    QFETCH(QString, plate);
    QFETCH(bool, fits);
    QCOMPARE(plateFitsFileName(plate), fits);
}

void TestPlannerFile::saveWritesOneRecord() {
    testsupport::TestFolder folder;
    const QString path = folder.path("p.pln");
    DayTexts days;
    days[0] = "  Rossi  ";
    days[58] = "Bianchi";
    days[59] = QString::fromUtf8("Caffè €");
    days[60] = QString(60, QLatin1Char('x')) + "  ";
    days[365] = "Verdi";
    savePlanner(path, {"Autovettura", "Fiat", "Panda", "AB123CD"}, days);

    QByteArray expected(kPlannerRecordSize, '\0');
    expected.replace(0, 51, field("Autovettura", 50));
    expected.replace(51, 51, field("Fiat", 50));
    expected.replace(102, 51, field("Panda", 50));
    expected.replace(153, 31, field("AB123CD", 30));
    expected.replace(bookingOffset(1), 51, field("Rossi", 50));
    expected.replace(bookingOffset(59), 51, field("Bianchi", 50));
    expected.replace(bookingOffset(60), 51, field("Caff\xE8 \x80", 50));
    expected.replace(bookingOffset(61), 51, field(QByteArray(50, 'x'), 50));
    expected.replace(bookingOffset(366), 51, field("Verdi", 50));
    QCOMPARE(folder.read("p.pln"), expected);
}

void TestPlannerFile::saveKeepsLaterBytesAndRewritesRecordOne() {
    testsupport::TestFolder folder;
    const QByteArray tail = QByteArray(kPlannerRecordSize + 7, 'z');
    folder.write("p.pln", QByteArray(kPlannerRecordSize, 'q') + tail);
    DayTexts days;
    days[365] = "Verdi";
    savePlanner(folder.path("p.pln"), {}, days);
    const QByteArray bytes = folder.read("p.pln");
    QCOMPARE(bytes.size(), 2 * kPlannerRecordSize + 7);
    QCOMPARE(bytes.mid(kPlannerRecordSize), tail);
    QCOMPARE(bytes.mid(bookingOffset(366), 51), field("Verdi", 50));
    QCOMPARE(bytes.mid(0, 51), field("", 50));
}

void TestPlannerFile::saveOverShortFileWritesRecordOne() {
    testsupport::TestFolder folder;
    folder.write("p.pln", QByteArray(100, 'q'));
    DayTexts days;
    days[0] = "Rossi";
    savePlanner(folder.path("p.pln"), {"T", "M", "O", "P"}, days);
    const QByteArray bytes = folder.read("p.pln");
    QCOMPARE(bytes.size(), kPlannerRecordSize);
    QCOMPARE(bytes.mid(bookingOffset(1), 51), field("Rossi", 50));
    QCOMPARE(bytes.mid(0, 51), field("T", 50));
}

void TestPlannerFile::loadReadsFirstRecordTrimmed() {
    testsupport::TestFolder folder;
    QByteArray record(kPlannerRecordSize, '\0');
    record.replace(0, 51, field("Other vehicle", 50));
    record.replace(bookingOffset(1), 51, field(" \tRossi \x01", 50));
    record.replace(bookingOffset(59), 51, field("Feb 28", 50));
    record.replace(bookingOffset(60), 51, field("Feb 29", 50));
    record.replace(bookingOffset(61), 51, field("Mar 1", 50));
    record.replace(bookingOffset(100), 51, field(" \x02 ", 50));
    // A length byte past the width reads the width.
    QByteArray overlong = field(QByteArray(50, 'y'), 50);
    overlong[0] = char(200);
    record.replace(bookingOffset(366), 51, overlong);
    QByteArray second(kPlannerRecordSize, '\0');
    second.replace(bookingOffset(2), 51, field("Second record", 50));
    folder.write("p.pln", record + second);

    DayTexts days;
    days[1] = "stale";
    QVERIFY(loadPlanner(folder.path("p.pln"), days));
    QCOMPARE(days[0], QStringLiteral("Rossi"));
    QCOMPARE(days[1], QString());
    QCOMPARE(days[58], QStringLiteral("Feb 28"));
    QCOMPARE(days[59], QStringLiteral("Feb 29"));
    QCOMPARE(days[60], QStringLiteral("Mar 1"));
    QCOMPARE(days[99], QString());
    QCOMPARE(days[365], QString(50, QLatin1Char('y')));
    QCOMPARE(folder.read("p.pln").size(), 2 * kPlannerRecordSize);
}

void TestPlannerFile::loadMissingCreatesEmptyFile() {
    testsupport::TestFolder folder;
    DayTexts days;
    QVERIFY(!loadPlanner(folder.path("new.pln"), days));
    QVERIFY(folder.exists("new.pln"));
    QCOMPARE(folder.read("new.pln").size(), 0);
}

void TestPlannerFile::loadShortFileCountsEmpty() {
    testsupport::TestFolder folder;
    const QByteArray shortFile(kPlannerRecordSize - 1, 'q');
    folder.write("p.pln", shortFile);
    DayTexts days;
    days[0] = "kept";
    QVERIFY(!loadPlanner(folder.path("p.pln"), days));
    QCOMPARE(days[0], QStringLiteral("kept"));
    QCOMPARE(folder.read("p.pln"), shortFile);
}

void TestPlannerFile::failuresThrow() {
    testsupport::TestFolder folder;
    DayTexts days;
    // A folder that does not exist: no file anywhere.
    QVERIFY_THROWS_EXCEPTION(common::Failure, loadPlanner(folder.path("no/p.pln"), days));
    QVERIFY_THROWS_EXCEPTION(common::Failure, savePlanner(folder.path("no/p.pln"), {}, days));
    // A folder under the file's name is no planner file.
    QVERIFY(QDir(folder.folder()).mkdir("dir.pln"));
    QVERIFY_THROWS_EXCEPTION(common::Failure, loadPlanner(folder.path("dir.pln"), days));
    QVERIFY_THROWS_EXCEPTION(common::Failure, savePlanner(folder.path("dir.pln"), {}, days));
    // A read-only planner file is never replaced.
    const QByteArray stored(kPlannerRecordSize, 'q');
    folder.write("ro.pln", stored);
    QFile::setPermissions(folder.path("ro.pln"), QFile::ReadOwner);
    if (QFile(folder.path("ro.pln")).open(QIODevice::ReadWrite))
        QSKIP("running with rights that ignore file permissions");
    QVERIFY_THROWS_EXCEPTION(common::Failure, loadPlanner(folder.path("ro.pln"), days));
    QVERIFY_THROWS_EXCEPTION(common::Failure, savePlanner(folder.path("ro.pln"), {}, days));
    QCOMPARE(folder.read("ro.pln"), stored);
}

QTEST_GUILESS_MAIN(TestPlannerFile)
#include "tst_plannerfile.moc"

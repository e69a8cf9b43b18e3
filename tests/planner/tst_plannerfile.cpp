#include "TestFolder.h"
#include "common/Failure.h"
#include "planner/DayCalendar.h"
#include "planner/SchedaPlanning.h"
#include "platform/Files.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

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

const QString kPlannerName = plannerFileName("AB123CD", "2024");
const QByteArray kMissing = "<missing>";

// The header and days that the save tests store, and the record they make.
const PlannerHeader kHeader{"Autovettura", "Fiat", "Panda", "AB123CD"};
DayTexts savedDays() {
    DayTexts days;
    days[0] = "Rossi";
    days[365] = "Verdi";
    return days;
}
QByteArray savedRecord() {
    QByteArray record(kPlannerRecordSize, '\0');
    record.replace(0, 51, field("Autovettura", 50));
    record.replace(51, 51, field("Fiat", 50));
    record.replace(102, 51, field("Panda", 50));
    record.replace(153, 31, field("AB123CD", 30));
    record.replace(bookingOffset(1), 51, field("Rossi", 50));
    record.replace(bookingOffset(366), 51, field("Verdi", 50));
    return record;
}

// A stored planner of size bytes that shares no byte with the saved record.
QByteArray oldFile(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(0x80 + i % 61);
    return bytes;
}

// What a save leaves in place of before: record 1 from the first byte, the bytes after it kept.
QByteArray savedOver(const QByteArray& before) {
    return savedRecord() + (before == kMissing ? QByteArray() : before.mid(kPlannerRecordSize));
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void killSelf() {
    std::raise(SIGKILL);
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
    void saveReplacesRecordOneByteForByte_data();
    void saveReplacesRecordOneByteForByte();
    void saveStoppedHalfWayLeavesOldOrNewFile_data();
    void saveStoppedHalfWayLeavesOldOrNewFile();
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
    savePlanner(path, kHeader, days);

    // The header, Rossi on 1 January and Verdi on 31 December, then the other days.
    QByteArray expected = savedRecord();
    expected.replace(bookingOffset(59), 51, field("Bianchi", 50));
    expected.replace(bookingOffset(60), 51, field("Caff\xE8 \x80", 50));
    expected.replace(bookingOffset(61), 51, field(QByteArray(50, 'x'), 50));
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

void TestPlannerFile::saveReplacesRecordOneByteForByte_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("missing") << kMissing << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("short") << oldFile(100) << false;
    QTest::newRow("one byte short of a record") << oldFile(kPlannerRecordSize - 1) << false;
    QTest::newRow("one record") << oldFile(kPlannerRecordSize) << false;
    QTest::newRow("trailing bytes after record 1") << oldFile(kPlannerRecordSize + 7) << false;
    QTest::newRow("two records and a piece") << oldFile(2 * kPlannerRecordSize + 7) << false;
    QTest::newRow("link to a planner elsewhere") << oldFile(kPlannerRecordSize + 7) << true;
}

void TestPlannerFile::saveReplacesRecordOneByteForByte() {
    QFETCH(QByteArray, before);
    QFETCH(bool, throughLink);
    testsupport::TestFolder folder;
    QVERIFY(QDir(folder.folder()).mkdir("dati"));
    const QString stored = throughLink ? folder.path("dati/stored.pln") : folder.path(kPlannerName);
    if (before != kMissing) {
        QFile f(stored);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(before), before.size());
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    }
    const QFile::Permissions permissions = QFile::permissions(stored);
    if (throughLink)
        QVERIFY(QFile::link(stored, folder.path(kPlannerName)));

    savePlanner(folder.path(kPlannerName), kHeader, savedDays());
    QFile f(stored);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), savedOver(before));
    if (before != kMissing)
        QCOMPARE(QFile::permissions(stored), permissions);
    // Nothing else is left beside the file; a link stays a link.
    QCOMPARE(entries(folder.folder()), (QStringList{kPlannerName, "dati"}));
    QCOMPARE(entries(folder.path("dati")), throughLink ? QStringList{"stored.pln"} : QStringList());
    QCOMPARE(QFileInfo(folder.path(kPlannerName)).isSymLink(), throughLink);
}

void TestPlannerFile::saveStoppedHalfWayLeavesOldOrNewFile_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<qint64>("room");
    QTest::addColumn<bool>("kill");
    const struct {
        const char* name;
        QByteArray before;
        qint64 room; // bytes the disk takes before the save is stopped
    } cases[] = {
        {"one record, at its first byte", oldFile(kPlannerRecordSize), 0},
        {"one record, in the middle", oldFile(kPlannerRecordSize), kPlannerRecordSize / 2},
        {"one record, one byte short", oldFile(kPlannerRecordSize), kPlannerRecordSize - 1},
        {"one record, room enough", oldFile(kPlannerRecordSize), kPlannerRecordSize},
        {"trailing bytes, in record 1", oldFile(kPlannerRecordSize + 5000), 100},
        {"trailing bytes, in the bytes after it", oldFile(kPlannerRecordSize + 5000),
         kPlannerRecordSize + 2000},
        {"trailing bytes, room enough", oldFile(kPlannerRecordSize + 5000), kPlannerRecordSize + 5000},
        {"short file, in the middle", oldFile(100), 5000},
        {"missing file, in the middle", kMissing, 5000},
    };
    for (const auto& c : cases) {
        QTest::addRow("killed: %s", c.name) << c.before << c.room << true;
        QTest::addRow("disk full: %s", c.name) << c.before << c.room << false;
    }
}

// The save runs in a child process whose writes stop after room bytes: there the child is killed, as a
// power cut or a kill would stop the program, or the disk is full. What is on the disk afterwards is the
// old file or the new one, never a record mixed of both.
void TestPlannerFile::saveStoppedHalfWayLeavesOldOrNewFile() {
    QFETCH(QByteArray, before);
    QFETCH(qint64, room);
    QFETCH(bool, kill);
    testsupport::TestFolder folder;
    const QString path = folder.path(kPlannerName);
    if (before != kMissing)
        folder.write(kPlannerName, before);
    const QByteArray after = savedOver(before);
    const bool completes = room >= after.size();

    std::fflush(nullptr);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        int code = 0;
        {
            platform::FullDiskForTests disk(room, kill ? &killSelf : nullptr);
            try {
                savePlanner(path, kHeader, savedDays());
            } catch (const common::Failure&) {
                code = 3;
            }
        }
        ::_exit(code);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    if (completes) {
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    } else if (kill) {
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    } else {
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 3, "the full disk is reported");
    }

    // A missing planner is created empty by the opening, as the load creates it.
    const QByteArray old = before == kMissing ? QByteArray() : before;
    QCOMPARE(folder.read(kPlannerName), completes ? after : old);
    QStringList left = entries(folder.folder());
    QVERIFY(left.removeOne(kPlannerName));
    if (kill && !completes) {
        // The kill leaves the new file's first bytes in a temporary beside the planner, which the next
        // start's clean-up removes.
        QCOMPARE(left.size(), 1);
        static const QRegularExpression temporary("\\.~veicolario-temp-[0-9a-f]{12}$");
        QVERIFY2(left[0].startsWith(kPlannerName) &&
                     temporary.match(left[0]).capturedStart() == kPlannerName.size(),
                 qPrintable(left[0]));
        QCOMPARE(folder.read(left[0]), after.left(room));
        platform::removeStaleTemporaries(folder.folder(), {{QString(), {kPlannerName}, {}}});
        QCOMPARE(entries(folder.folder()), QStringList{kPlannerName});
    } else {
        QCOMPARE(left, QStringList());
    }
}

QTEST_GUILESS_MAIN(TestPlannerFile)
#include "tst_plannerfile.moc"

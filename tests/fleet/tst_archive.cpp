#include "SmallDisk.h"
#include "TestFolder.h"
#include "common/Archive.h"
#include "common/Failure.h"
#include "fleet/SchedaVeicolo.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QtTest>

#include <optional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using common::ArchiveFile;
using common::Record;
namespace SV = fleet::SchedaVeicolo;

namespace {

QByteArray field(const QByteArray& text, int width) {
    QByteArray out(width + 1, '\0');
    out[0] = char(text.size());
    out.replace(1, text.size(), text);
    return out;
}

// A vehicle record whose Tipo is text, every other byte zero.
QByteArray vehicle(const QByteArray& tipo) {
    QByteArray out(fleet::kVehicleRecordSize, '\0');
    out.replace(0, 51, field(tipo, 50));
    return out;
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void vehicleLayout_data();
    void vehicleLayout();
    void countIgnoresPartialTail_data();
    void countIgnoresPartialTail();
    void openCreatesMissingAndNeverTruncates();
    void openRefusesWhatIsNoArchive();
    void readAndForEachInFileOrder();
    void recordsKeptFromForEachOutliveTheBlock();
    void failedReadStopsAfterTheWholeRecords_data();
    void failedReadStopsAfterTheWholeRecords();
    void readOutsideTheArchiveFails_data();
    void readOutsideTheArchiveFails();
    void overwriteInPlaceAndAppendOverPartialTail();
    void overwritePastTheEndIsRefused();
    void wrongRecordSizeIsRefused();
    void closedArchiveRefusesEverything();
    void failedAppendIsCutBack_data();
    void failedAppendIsCutBack();
    void oddFilesAreNoArchive_data();
    void oddFilesAreNoArchive();
};

void TestArchive::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("stored"); // the whole field, length byte first
    QTest::newRow("empty") << "" << 4 << QByteArray(5, '\0');
    QTest::newRow("blanks only") << "   " << 4 << QByteArray(5, '\0');
    QTest::newRow("trimmed") << "  Bianco  " << 10 << field("Bianco", 10);
    QTest::newRow("control codes trimmed") << "\t\r\nAB\x01" << 4 << field("AB", 4);
    QTest::newRow("inner blanks kept") << " a  b " << 6 << field("a  b", 6);
    QTest::newRow("cut to width") << "WVWZZZ1JZXW000001" << 10 << field("WVWZZZ1JZX", 10);
    QTest::newRow("exact width") << "ABCD" << 4 << field("ABCD", 4);
    QTest::newRow("euro is 0x80") << QString::fromUtf8("5 €") << 5 << field("5 \x80", 5);
    QTest::newRow("accents one byte each") << QString::fromUtf8("Città") << 5 << field("Citt\xe0", 5);
    QTest::newRow("cut counts bytes") << QString::fromUtf8("€€€€€€") << 3 << field("\x80\x80\x80", 3);
    QTest::newRow("unmappable is ?") << QString::fromUtf8("a\u0100b") << 5 << field("a?b", 5);
    QTest::newRow("emoji is one ?") << QString::fromUtf8("x\U0001F697y") << 5 << field("x?y", 5);
    QTest::newRow("trim before cut") << "   ABCDEFGH" << 3 << field("ABC", 3);
    QTest::newRow("emoji at the cut is one ?") << QString::fromUtf8("ab\U0001F697cd") << 3 << field("ab?", 3);
    QTest::newRow("emoji past the cut") << QString::fromUtf8("ab\U0001F697") << 2 << field("ab", 2);
}

void TestArchive::encode() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QByteArray, stored);
    QCOMPARE(common::encodeField(text, width), stored);
    // Set over a field that held other bytes: the same bytes, the record's other fields untouched.
    const common::RecordLayout layout{{"Prima", 2}, {"Campo", width}, {"Dopo", 2}};
    common::Record record(layout, QByteArray(layout.size(), 'x'));
    record.set(1, text);
    QCOMPARE(record.bytes(), QByteArray(3, 'x') + stored + QByteArray(3, 'x'));
}

void TestArchive::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray(5, '\0') << 4 << "";
    QTest::newRow("bytes after the text ignored") << QByteArray("\x02"
                                                                "ABCD",
                                                                5)
                                                  << 4 << "AB";
    QTest::newRow("trimmed on read") << QByteArray("\x04 AB ", 5) << 4 << "AB";
    QTest::newRow("length past width reads the width") << QByteArray("\xff"
                                                                     "ABCD",
                                                                     5)
                                                       << 4 << "ABCD";
    QTest::newRow("Windows-1252") << QByteArray("\x03\x80\xe8\x9c", 4) << 3 << QString::fromUtf8("€èœ");
    QTest::newRow("undefined code kept") << QByteArray("\x01\x81", 2) << 1 << QString(QChar(0x81));
    QTest::newRow("zero bytes inside") << QByteArray("\x03"
                                                     "A\0B",
                                                     4)
                                       << 3 << QString::fromLatin1("A\0B", 3);
}

void TestArchive::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(common::decodeField(bytes.constData(), width), text);
}

void TestArchive::vehicleLayout_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("Tipo") << int(SV::Tipo) << "Tipo" << 0 << 50;
    QTest::newRow("Destinazione") << int(SV::Destinazione) << "Destinazione" << 51 << 50;
    QTest::newRow("Targa") << int(SV::Targa) << "Targa" << 204 << 12;
    QTest::newRow("Immatricolazione") << int(SV::Immatricolazione) << "Immatricolazione" << 217 << 20;
    QTest::newRow("Telaio") << int(SV::Telaio) << "Telaio" << 289 << 10;
    QTest::newRow("Pneumatici") << int(SV::Pneumatici) << "Pneumatici" << 300 << 120;
    QTest::newRow("Lettura") << int(SV::Lettura) << "Lettura" << 523 << 10;
    QTest::newRow("Incidenti") << int(SV::Incidenti) << "Incidenti" << 1063 << 250;
    QTest::newRow("ScadenzaRevisione") << int(SV::ScadenzaRevisione) << "ScadenzaRevisione" << 1569 << 10;
    QTest::newRow("ScadenzaBollo") << int(SV::ScadenzaBollo) << "ScadenzaBollo" << 1602 << 10;
    QTest::newRow("Note") << int(SV::Note) << "Note" << 1613 << 250;
    QTest::newRow("File01") << int(SV::File01) << "File01" << 1864 << 250;
    QTest::newRow("Desc03") << int(SV::Desc03) << "Desc03" << 3119 << 250;
}

void TestArchive::vehicleLayout() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, width);
    const common::RecordLayout& layout = SV::layout();
    QCOMPARE(layout.count(), 38);
    QCOMPARE(layout.size(), 3370);
    QCOMPARE(QString::fromLatin1(layout.name(index)), name);
    QCOMPARE(layout.indexOf(name), index);
    QCOMPARE(layout.offset(index), offset);
    QCOMPARE(layout.width(index), width);
}

void TestArchive::countIgnoresPartialTail_data() {
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("records");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("less than one record") << 3369 << 0;
    QTest::newRow("one") << 3370 << 1;
    QTest::newRow("five and a tail") << 5 * 3370 + 100 << 5;
    QTest::newRow("six") << 6 * 3370 << 6;
}

void TestArchive::countIgnoresPartialTail() {
    QFETCH(int, bytes);
    QFETCH(int, records);
    testsupport::TestFolder folder;
    folder.write(fleet::kVehicleArchive, QByteArray(bytes, 'x'));
    ArchiveFile file = fleet::openVehicleArchive();
    QCOMPARE(file.count(), records);
    file.close();
    QCOMPARE(folder.read(fleet::kVehicleArchive).size(), bytes); // opening changes nothing
}

void TestArchive::openCreatesMissingAndNeverTruncates() {
    testsupport::TestFolder folder;
    {
        ArchiveFile file = fleet::openVehicleArchive();
        QCOMPARE(file.count(), 0);
    }
    QVERIFY(folder.exists(fleet::kVehicleArchive));
    QCOMPARE(folder.read(fleet::kVehicleArchive).size(), 0);
    const QByteArray two = vehicle("Auto") + vehicle("Furgone") + "tail";
    folder.write(fleet::kVehicleArchive, two);
    for (int i = 0; i < 2; ++i) {
        ArchiveFile file = fleet::openVehicleArchive();
        QCOMPARE(file.count(), 2);
    }
    QCOMPARE(folder.read(fleet::kVehicleArchive), two);
}

void TestArchive::openRefusesWhatIsNoArchive() {
    testsupport::TestFolder folder;
    QVERIFY(QDir(folder.folder()).mkdir(fleet::kVehicleArchive));
    QVERIFY_THROWS_EXCEPTION(common::Failure, fleet::openVehicleArchive());

    testsupport::TestFolder other;
    QVERIFY_THROWS_EXCEPTION(common::Failure,
                             ArchiveFile::atPath(other.path("missing/Parco_Automezzi.pro"), SV::layout()));
    if (::geteuid() == 0)
        QSKIP("permissions do not apply to root");
    const QByteArray one = vehicle("Auto");
    other.write(fleet::kVehicleArchive, one);
    QFile::setPermissions(other.path(fleet::kVehicleArchive), QFile::ReadOwner);
    QVERIFY_THROWS_EXCEPTION(common::Failure, fleet::openVehicleArchive());
    QCOMPARE(other.read(fleet::kVehicleArchive), one); // a read-only archive is never replaced
}

void TestArchive::readAndForEachInFileOrder() {
    testsupport::TestFolder folder;
    QByteArray bytes;
    for (int i = 1; i <= 300; ++i) // more than one block of the whole-file reader
        bytes += vehicle("V" + QByteArray::number(i));
    folder.write(fleet::kVehicleArchive, bytes + "partial");
    ArchiveFile file = fleet::openVehicleArchive();
    QCOMPARE(file.read(7).get(SV::Tipo), QString("V7"));
    QCOMPARE(file.read(300).get(SV::Tipo), QString("V300"));
    QCOMPARE(file.read(1).get(SV::Marca), QString());
    qint64 seen = 0;
    file.forEach([&](qint64 n, const Record& r) {
        ++seen;
        QCOMPARE(n, seen);
        QCOMPARE(r.get(SV::Tipo), "V" + QString::number(n));
    });
    QCOMPARE(seen, 300);
}

void TestArchive::recordsKeptFromForEachOutliveTheBlock() {
    // The visitor sees each record in the reader's block; whatever it keeps must be its own copy, still
    // right after the block is filled with the records that follow.
    testsupport::TestFolder folder;
    QByteArray bytes;
    for (int i = 1; i <= 700; ++i)
        bytes += vehicle("V" + QByteArray::number(i));
    folder.write(fleet::kVehicleArchive, bytes);
    ArchiveFile file = fleet::openVehicleArchive();
    std::vector<Record> copied;
    Record assigned(SV::layout());
    Record moved(SV::layout());
    QByteArray kept;
    file.forEach([&](qint64 n, const Record& r) {
        if (n % 100 == 1)
            copied.push_back(r);
        if (n == 5) {
            assigned = r;
            Record copy = r;
            moved = std::move(copy);
            kept = r.bytes();
        }
    });
    QCOMPARE(copied.size(), size_t(7));
    for (size_t i = 0; i < copied.size(); ++i)
        QCOMPARE(copied[i].get(SV::Tipo), "V" + QString::number(i * 100 + 1));
    QCOMPARE(assigned.get(SV::Tipo), QString("V5"));
    QCOMPARE(moved.get(SV::Tipo), QString("V5"));
    QCOMPARE(kept, bytes.mid(4 * fleet::kVehicleRecordSize, fleet::kVehicleRecordSize));
    // A kept record is a record like any other: it can be changed and written back.
    assigned.set(SV::Marca, "Fiat");
    file.overwrite(5, assigned);
    QCOMPARE(file.read(5).get(SV::Marca), QString("Fiat"));
    QCOMPARE(file.read(5).get(SV::Tipo), QString("V5"));
}

void TestArchive::failedReadStopsAfterTheWholeRecords_data() {
    QTest::addColumn<qint64>("readable");
    QTest::addColumn<int>("visited");
    const qint64 size = fleet::kVehicleRecordSize;
    QTest::newRow("at once") << qint64(0) << 0;
    QTest::newRow("inside the first block") << 10 * size + 7 << 10;
    QTest::newRow("at a block's end") << 256 * size << 256;
    QTest::newRow("inside a later block") << 299 * size + 1 << 299;
}

// A disk that fails part-way: every record read whole before the failure is visited, in order, then the
// scan throws; a single read fails too.
void TestArchive::failedReadStopsAfterTheWholeRecords() {
    QFETCH(qint64, readable);
    QFETCH(int, visited);
    testsupport::TestFolder folder;
    QByteArray bytes;
    for (int i = 1; i <= 300; ++i)
        bytes += vehicle("V" + QByteArray::number(i));
    folder.write(fleet::kVehicleArchive, bytes);
    ArchiveFile file = fleet::openVehicleArchive();
    platform::FailingReadsForTests damagedDisk(readable);
    QStringList seen;
    QVERIFY_THROWS_EXCEPTION(common::Failure,
                             file.forEach([&](qint64, const Record& r) { seen << r.get(SV::Tipo); }));
    QCOMPARE(seen.size(), visited);
    if (visited > 0)
        QCOMPARE(seen.last(), "V" + QString::number(visited));
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.read(300));
}

void TestArchive::readOutsideTheArchiveFails_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("past the end") << 4;
    QTest::newRow("the partial tail") << 3;
}

void TestArchive::readOutsideTheArchiveFails() {
    QFETCH(int, number);
    testsupport::TestFolder folder;
    folder.write(fleet::kVehicleArchive, vehicle("A") + vehicle("B") + QByteArray(3000, 'x'));
    ArchiveFile file = fleet::openVehicleArchive();
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.read(number));
}

void TestArchive::overwriteInPlaceAndAppendOverPartialTail() {
    testsupport::TestFolder folder;
    folder.write(fleet::kVehicleArchive, vehicle("A") + vehicle("B") + vehicle("C") + "partial");
    ArchiveFile file = fleet::openVehicleArchive();
    Record r(SV::layout());
    r.set(SV::Targa, "ab-123cd"); // the codec does not upper-case: the plate field does
    r.set(SV::Telaio, "WVWZZZ1JZXW000001");
    file.overwrite(2, r);
    QCOMPARE(file.count(), 3);
    Record appended(SV::layout());
    appended.set(SV::Tipo, "Nuovo");
    QCOMPARE(file.append(appended), 4);
    file.flush();
    file.close();
    const QByteArray bytes = folder.read(fleet::kVehicleArchive);
    QCOMPARE(bytes.size(), 4 * 3370); // the new record replaces the partial tail
    QCOMPARE(bytes.left(3370), vehicle("A"));
    QCOMPARE(bytes.mid(3370 + 204, 13), field("ab-123cd", 12));
    QCOMPARE(bytes.mid(3370 + 289, 11), field("WVWZZZ1JZX", 10));
    QCOMPARE(bytes.mid(3370, 204), QByteArray(204, '\0')); // fields left empty are stored empty
    QCOMPARE(bytes.mid(2 * 3370, 3370), vehicle("C"));
    QCOMPARE(bytes.mid(3 * 3370), vehicle("Nuovo"));
}

void TestArchive::overwritePastTheEndIsRefused() {
    testsupport::TestFolder folder;
    folder.write(fleet::kVehicleArchive, vehicle("A") + vehicle("B"));
    ArchiveFile file = fleet::openVehicleArchive();
    // The file shrinks behind the program's back.
    QVERIFY(QFile::resize(folder.path(fleet::kVehicleArchive), 3370 + 10));
    Record r(SV::layout());
    r.set(SV::Tipo, "X");
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.overwrite(2, r));
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.overwrite(0, r));
    file.close();
    QCOMPARE(folder.read(fleet::kVehicleArchive).size(), 3370 + 10); // no gap, no write
}

void TestArchive::wrongRecordSizeIsRefused() {
    testsupport::TestFolder folder;
    static const common::RecordLayout small{{"A", 3}};
    ArchiveFile file = fleet::openVehicleArchive();
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.append(Record(small)));
    QCOMPARE(file.count(), 0);
}

void TestArchive::closedArchiveRefusesEverything() {
    testsupport::TestFolder folder;
    folder.write(fleet::kVehicleArchive, vehicle("A"));
    ArchiveFile file = fleet::openVehicleArchive();
    file.close();
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.count());
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.read(1));
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.append(Record(SV::layout())));
    QVERIFY_THROWS_EXCEPTION(common::Failure, file.flush());
    QCOMPARE(folder.read(fleet::kVehicleArchive), vehicle("A"));
}

void TestArchive::failedAppendIsCutBack_data() {
    QTest::addColumn<qint64>("freeBytes"); // -1: a real small disk, filled
    QTest::newRow("no byte fits") << qint64(0);
    QTest::newRow("one byte fits") << qint64(1);
    QTest::newRow("all but one byte fit") << qint64(fleet::kVehicleRecordSize - 1);
    QTest::newRow("small real disk") << qint64(-1);
}

void TestArchive::failedAppendIsCutBack() {
    QFETCH(qint64, freeBytes);
    testsupport::TestFolder folder;
    testsupport::SmallDisk disk;
    const QByteArray before = vehicle("Auto") + vehicle("Furgone") + "tail";
    std::optional<platform::FullDiskForTests> simulated;
    if (freeBytes < 0) {
        SKIP_UNLESS_MOUNTED(disk);
        platform::setProgramFolderForTests(disk.folder());
        QFile f(disk.path(fleet::kVehicleArchive));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
        f.close();
        QVERIFY(disk.fill());
    } else {
        folder.write(fleet::kVehicleArchive, before);
        simulated.emplace(freeBytes);
    }
    {
        ArchiveFile file = fleet::openVehicleArchive();
        Record record(SV::layout());
        record.set(0, "Camion");
        QVERIFY_THROWS_EXCEPTION(common::Failure, file.append(record));
        QCOMPARE(file.count(), 2);
    }
    QFile f(platform::programPath(fleet::kVehicleArchive));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestArchive::oddFilesAreNoArchive_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "device";
    QTest::newRow("link leading nowhere") << "dangling";
}

void TestArchive::oddFilesAreNoArchive() {
    QFETCH(QString, kind);
    testsupport::TestFolder folder;
    const QString path = folder.path(fleet::kVehicleArchive);
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", path));
    else
        QVERIFY(QFile::link(folder.path("altrove.pro"), path));
    QElapsedTimer timer;
    timer.start();
    QVERIFY_THROWS_EXCEPTION(common::Failure, fleet::openVehicleArchive());
    QVERIFY(timer.elapsed() < 1000);
    // A link that leads nowhere is not followed to create a file there.
    QVERIFY(!QFileInfo::exists(folder.path("altrove.pro")));
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"

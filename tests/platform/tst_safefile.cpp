#include "SmallDisk.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace platform;

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray pattern(qsizetype size) {
    QByteArray b(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        b[i] = char('a' + i % 26);
    return b;
}

} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesAndKeepsPermissions();
    void linkToFileReplacesWhatItLeadsTo();
    void fullDiskLeavesOldFile_data();
    void fullDiskLeavesOldFile();
    void streamingWriteFailsFromFirstLostByte();
    void oddTargetsRefused_data();
    void oddTargetsRefused();
    void boundedReadOfOddFiles_data();
    void boundedReadOfOddFiles();
    void copyOnFullDiskLeavesDestination();
    void iniOnFullDiskLeavesFile();
    void iniReadOfPipeFailsAtOnce();
    void realFullDiskLeavesOldFile();
    void staleTemporariesRemoved();
};

void TestSafeFile::replacesAndKeepsPermissions() {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    put(path, "old content");
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const QFile::Permissions permissions = QFile::permissions(path);
    QVERIFY(writeWholeFile(path, "new"));
    QCOMPARE(get(path), QByteArray("new"));
    QCOMPARE(QFile::permissions(path), permissions);
    QVERIFY(writeWholeFile(dir.filePath("nuovo.dat"), ""));
    QCOMPARE(get(dir.filePath("nuovo.dat")), QByteArray());
    QCOMPARE(entries(dir.path()), (QStringList{"f.dat", "nuovo.dat"}));
}

void TestSafeFile::linkToFileReplacesWhatItLeadsTo() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("dati"));
    put(dir.filePath("dati/f.dat"), "old");
    QVERIFY(QFile::link(dir.filePath("dati/f.dat"), dir.filePath("link.dat")));
    QVERIFY(writeWholeFile(dir.filePath("link.dat"), "new"));
    QVERIFY(QFileInfo(dir.filePath("link.dat")).isSymLink());
    QCOMPARE(get(dir.filePath("dati/f.dat")), QByteArray("new"));
    QCOMPARE(entries(dir.filePath("dati")), QStringList{"f.dat"});
}

void TestSafeFile::fullDiskLeavesOldFile_data() {
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("no space, small file") << qint64(0) << qsizetype(48);
    QTest::newRow("one byte short, small file") << qint64(47) << qsizetype(48);
    QTest::newRow("no space, large file") << qint64(0) << qsizetype(300'000);
    QTest::newRow("half, large file") << qint64(150'000) << qsizetype(300'000);
    QTest::newRow("one byte short, large file") << qint64(299'999) << qsizetype(300'000);
}

void TestSafeFile::fullDiskLeavesOldFile() {
    QFETCH(qint64, freeBytes);
    QFETCH(qsizetype, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    put(path, "the old file");
    {
        FullDiskForTests disk(freeBytes);
        QVERIFY(!writeWholeFile(path, pattern(size)));
    }
    QCOMPARE(get(path), QByteArray("the old file"));
    QCOMPARE(entries(dir.path()), QStringList{"f.dat"});
    // With just enough room the same write succeeds.
    FullDiskForTests disk(size);
    QVERIFY(writeWholeFile(path, pattern(size)));
    QCOMPARE(get(path), pattern(size));
}

void TestSafeFile::streamingWriteFailsFromFirstLostByte() {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    put(path, "old");
    FullDiskForTests disk(100'000);
    SafeFile out(path);
    QVERIFY(out.open());
    int accepted = 0;
    // Small pieces are gathered; the failure shows at the piece that does not fit, or at commit.
    while (accepted < 100 && out.write(pattern(4000)))
        ++accepted;
    QVERIFY(accepted < 100);
    QVERIFY(!out.write("x"));
    QVERIFY(!out.commit());
    QVERIFY(out.errorString().contains("f.dat"));
    QCOMPARE(get(path), QByteArray("old"));
    QCOMPARE(entries(dir.path()), QStringList{"f.dat"});
}

void TestSafeFile::oddTargetsRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "device";
    QTest::newRow("link leading nowhere") << "dangling";
}

void TestSafeFile::oddTargetsRefused() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("f.dat"));
    else if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", path));
    else
        QVERIFY(QFile::link(dir.filePath("altrove/f.dat"), path));
    const QStringList before = entries(dir.path());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!writeWholeFile(path, "new"));
    QVERIFY(!copyFileReplacing(QFINDTESTDATA("tst_safefile.cpp"), path));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(entries(dir.path()), before);
    QVERIFY(!QFileInfo::exists(dir.filePath("altrove")));
}

void TestSafeFile::boundedReadOfOddFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::newRow("missing") << "missing" << int(WholeFile::Missing);
    QTest::newRow("at the bound") << "bound" << int(WholeFile::Read);
    QTest::newRow("one byte past the bound") << "past" << int(WholeFile::Failed);
    QTest::newRow("named pipe") << "pipe" << int(WholeFile::Failed);
    QTest::newRow("link to /dev/zero") << "device" << int(WholeFile::Failed);
    QTest::newRow("folder") << "folder" << int(WholeFile::Failed);
    QTest::newRow("link leading nowhere") << "dangling" << int(WholeFile::Failed);
}

void TestSafeFile::boundedReadOfOddFiles() {
    QFETCH(QString, kind);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    if (kind == "bound")
        put(path, pattern(1000));
    else if (kind == "past")
        put(path, pattern(1001));
    else if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("f.dat"));
    else if (kind == "dangling")
        QVERIFY(QFile::link(dir.filePath("altrove"), path));
    QElapsedTimer timer;
    timer.start();
    const WholeFile file = readWholeFile(path, 1000);
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(int(file.status), status);
    QCOMPARE(file.bytes, status == WholeFile::Read ? pattern(1000) : QByteArray());
}

void TestSafeFile::copyOnFullDiskLeavesDestination() {
    QTemporaryDir dir;
    put(dir.filePath("nuovo.pdf"), pattern(3'000'000));
    put(dir.filePath("vecchio.pdf"), "old document");
    {
        FullDiskForTests disk(2'000'000);
        QVERIFY(!copyFileReplacing(dir.filePath("nuovo.pdf"), dir.filePath("vecchio.pdf")));
    }
    QCOMPARE(get(dir.filePath("vecchio.pdf")), QByteArray("old document"));
    QCOMPARE(entries(dir.path()), (QStringList{"nuovo.pdf", "vecchio.pdf"}));
    QVERIFY(copyFileReplacing(dir.filePath("nuovo.pdf"), dir.filePath("vecchio.pdf")));
    QCOMPARE(get(dir.filePath("vecchio.pdf")), pattern(3'000'000));
    // A file copied onto itself stays whole.
    QVERIFY(copyFileReplacing(dir.filePath("nuovo.pdf"), dir.filePath("nuovo.pdf")));
    QCOMPARE(get(dir.filePath("nuovo.pdf")), pattern(3'000'000));
}

void TestSafeFile::iniOnFullDiskLeavesFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.ini");
    const QByteArray before("[Accesso]\r\nValore=5310E8AD\r\n");
    put(path, before);
    {
        FullDiskForTests disk(0);
        QVERIFY(!writeProfileString(path, "Accesso", "Valore", "NEW"));
    }
    QCOMPARE(get(path), before);
    QCOMPARE(entries(dir.path()), QStringList{"f.ini"});
}

void TestSafeFile::iniReadOfPipeFailsAtOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.ini");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, readProfileString(path, "Accesso", "Valore", ""));
    QVERIFY(!writeProfileString(path, "Accesso", "Valore", "NEW"));
    QCOMPARE(entries(dir.path()), QStringList{"f.ini"});
}

void TestSafeFile::realFullDiskLeavesOldFile() {
    testsupport::SmallDisk disk;
    SKIP_UNLESS_MOUNTED(disk);
    const QString small = disk.path("piccolo.ini");
    const QString large = disk.path("grande.xls");
    put(small, "[Accesso]\r\nValore=5310E8AD\r\n");
    put(large, pattern(200'000));
    QVERIFY(disk.fill());
    QVERIFY(!writeWholeFile(small, pattern(48)));
    QVERIFY(!writeProfileString(small, "Accesso", "Valore", "NEW"));
    QVERIFY(!writeWholeFile(large, pattern(300'000)));
    QCOMPARE(get(small), QByteArray("[Accesso]\r\nValore=5310E8AD\r\n"));
    QCOMPARE(get(large), pattern(200'000));
    QCOMPARE(entries(disk.folder()), (QStringList{"grande.xls", "piccolo.ini", "riempitivo"}));
}

void TestSafeFile::staleTemporariesRemoved() {
    QTemporaryDir dir;
    // A word or a date after the name is a user's copy, not a temporary, and so is a name without the mark.
    const QStringList kept{"Veicolario.ini",         "Parco_Automezzi.pro.~Ab3xY9",
                           "altro.txt.~Ab3xY9",      "unins000.dll",
                           "unins000.dll.~Ab3xY",    "unins000.dll.~Ab3xY9z",
                           "unins000.dll.~Ab-xY9",   "unins000.dll.~backup",
                           "unins000.dll.~202612",   "Veicolario.ini.~COPIA",
                           "unins000.dll.~Backup",   "UNINS000.DLL.~Ab3xY9",
                           "Veicolario.INI.~Ab3xY9", "unins000.dll.Ab3xY9",
                           "Veicolario.ini.copia1",  ".~Ab3xY9"};
    const QStringList removed{"unins000.dll.~Ab3xY9", "unins000.dll.~00000a", "Veicolario.ini.~qQ1zZ0",
                              "unins000.dll.~ABC123"};
    for (const QString& name : kept + removed)
        put(dir.filePath(name), "x");
    // A folder of that form is not a temporary of ours.
    QVERIFY(QDir(dir.path()).mkdir("unins000.dll.~abc123"));
    removeStaleTemporaries(dir.path(), {"unins000.dll", "*.ini"});
    QStringList expected = kept;
    expected << "unins000.dll.~abc123";
    expected.sort();
    QCOMPARE(entries(dir.path()), expected);
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"

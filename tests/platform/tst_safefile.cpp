#include "SmallDisk.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>

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

// What a safe write adds to its target's name for its temporary, but for the random part.
const QString kMark = QStringLiteral(".~veicolario-temp-");

// Run as a second process by the test of a temporary in use: writes the first half of the file through a
// safe write, says "ready", and writes the rest and commits once a line comes on its input.
constexpr char kWriteInTwoHalves[] = "--write-in-two-halves";
constexpr qsizetype kHalvesSize = 300'000;

int writeInTwoHalves(const QString& path) {
    const QByteArray bytes = pattern(kHalvesSize);
    SafeFile out(path);
    if (!out.open() || !out.write(bytes.left(kHalvesSize / 2)))
        return 2;
    std::puts("ready");
    std::fflush(stdout);
    char line[8];
    if (!std::fgets(line, sizeof line, stdin))
        return 3;
    return out.write(bytes.mid(kHalvesSize / 2)) && out.commit() ? 0 : 1;
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
    void staleTemporariesRemoved_data();
    void staleTemporariesRemoved();
    void oddEntriesLeftAlone_data();
    void oddEntriesLeftAlone();
    void temporaryInUseLeftAlone_data();
    void temporaryInUseLeftAlone();
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

void TestSafeFile::staleTemporariesRemoved_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    // The safe write's temporaries of the targets, and the earlier form of the password file's.
    for (const char* name :
         {"unins000.dll.~veicolario-temp-0123456789ab", "unins000.dll.~veicolario-temp-000000000000",
          "Scheda_7.jpg.~veicolario-temp-fedcba987654", "unins000.dll.Ab3xY9", "unins000.dll.qQzZaB",
          "unins000.dll.00000a", "unins000.dll.ABC123", "unins000.dll.~Ab3xY9"})
        QTest::newRow(name) << QString(name) << true;
    // A user's file: the target itself, a name with a slip in the mark or the random part, something
    // after it, another case, no name before it, a file that is not a target, an earlier form of a file
    // that never had one, a copy named with a word or a date.
    for (const char* name : {"unins000.dll",
                             "unins000.dll.~veicolario-temp-0123456789AB",
                             "unins000.dll.~veicolario-temp-0123456789a",
                             "unins000.dll.~veicolario-temp-0123456789abc",
                             "unins000.dll.~veicolario-temp-0123456789ag",
                             "unins000.dll.~veicolario-temp-0123456789ab.pdf",
                             "unins000.dll.~veicolario-temp-0123456789ab (copia)",
                             "unins000.dll.~veicolario-tmp-0123456789ab",
                             "unins000.dll.veicolario-temp-0123456789ab",
                             "unins000.dll.~VEICOLARIO-TEMP-0123456789ab",
                             "UNINS000.DLL.~veicolario-temp-0123456789ab",
                             "Scheda_7.JPG.~veicolario-temp-0123456789ab",
                             ".~veicolario-temp-0123456789ab",
                             "altro.txt.~veicolario-temp-0123456789ab",
                             "Scheda_7.jpg.Ab3xY9",
                             "unins000.dll.Ab3xY",
                             "unins000.dll.Ab3xY9z",
                             "unins000.dll.Ab-xY9",
                             "unins000.dll.backup",
                             "unins000.dll.Backup",
                             "unins000.dll.202612",
                             "unins000.dll.~Backup",
                             "unins000.dll.~~Ab3xY9",
                             "UNINS000.DLL.Ab3xY9"})
        QTest::newRow(name) << QString(name) << false;
}

void TestSafeFile::staleTemporariesRemoved() {
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    put(dir.filePath(name), "[Accesso]\r\nValore=5310E8AD\r\n");
    removeStaleTemporaries(dir.path(), {{QString(), {"unins000.dll", "Scheda_*.jpg"}, {"unins000.dll"}}});
    QCOMPARE(entries(dir.path()), removed ? QStringList() : QStringList{name});
}

void TestSafeFile::oddEntriesLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder named as a temporary") << "folder";
    QTest::newRow("named pipe named as a temporary") << "pipe";
    QTest::newRow("link named as a temporary, to a file") << "link";
    QTest::newRow("link named as a temporary, to a temporary's look-alike") << "link to temporary";
    QTest::newRow("subfolder that is a link to a folder elsewhere") << "linked folder";
    QTest::newRow("subfolder named outside the program folder") << "outside";
}

// Only the regular files in the program folder and its own subfolders are removed; nothing is reached
// through a link. The temporaries' look-alikes lie in a folder beside the program folder.
void TestSafeFile::oddEntriesLeftAlone() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkdir("programma") && root.mkdir("altrove"));
    const QString program = dir.filePath("programma");
    const QString temporary = "contratto.pdf" + kMark + "0123456789ab";
    put(dir.filePath("altrove/" + temporary), "x");
    put(dir.filePath("altrove/contratto.pdf"), "x");
    QString subfolder = "Documenti_Allegati";
    if (kind == "linked folder") {
        QVERIFY(QFile::link(dir.filePath("altrove"), program + "/Documenti_Allegati"));
    } else if (kind == "outside") {
        subfolder = "../altrove";
    } else {
        QVERIFY(QDir(program).mkdir("Documenti_Allegati"));
        const QString path = program + "/Documenti_Allegati/" + temporary;
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "link")
            QVERIFY(QFile::link(dir.filePath("altrove/contratto.pdf"), path));
        else
            QVERIFY(QFile::link(dir.filePath("altrove/" + temporary), path));
    }
    const QStringList before = entries(program + "/Documenti_Allegati");
    removeStaleTemporaries(program, {{subfolder, {"*"}, {}}});
    QCOMPARE(entries(program + "/Documenti_Allegati"), before);
    QCOMPARE(entries(dir.filePath("altrove")), (QStringList{"contratto.pdf", temporary}));
}

void TestSafeFile::temporaryInUseLeftAlone_data() {
    QTest::addColumn<bool>("completes");
    QTest::newRow("the write completes") << true;
    QTest::newRow("the writer is killed") << false;
}

// A second process is in the middle of a safe write when the clean-up runs: its temporary stays and its
// write completes. Once the writer is killed, the same clean-up removes it.
void TestSafeFile::temporaryInUseLeftAlone() {
    QFETCH(bool, completes);
    QTemporaryDir dir;
    const QString path = dir.filePath("unins000.dll");
    put(path, "old");
    const QList<SafeWriteTargets> targets{{QString(), {"unins000.dll"}, {"unins000.dll"}}};
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {kWriteInTwoHalves, path});
    QVERIFY(writer.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(writer.canReadLine() || writer.state() == QProcess::NotRunning, 60000);
    QCOMPARE(writer.readLine(), QByteArray("ready\n"));
    const QStringList writing = entries(dir.path());
    QCOMPARE(writing.size(), 2);
    static const QRegularExpression form("^unins000\\.dll\\.~veicolario-temp-[0-9a-f]{12}$");
    QVERIFY2(form.match(writing.at(1)).hasMatch(), qPrintable(writing.at(1)));

    removeStaleTemporaries(dir.path(), targets);
    QCOMPARE(entries(dir.path()), writing);
    if (completes) {
        writer.write("\n");
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer.exitCode(), 0);
        QCOMPARE(get(path), pattern(kHalvesSize));
    } else {
        writer.kill();
        QVERIFY(writer.waitForFinished(60000));
        removeStaleTemporaries(dir.path(), targets);
        QCOMPARE(get(path), QByteArray("old"));
    }
    QCOMPARE(entries(dir.path()), QStringList{"unins000.dll"});
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kWriteInTwoHalves) == 0)
        return writeInTwoHalves(QString::fromLocal8Bit(argv[2]));
    QCoreApplication application(argc, argv);
    TestSafeFile test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_safefile.moc"

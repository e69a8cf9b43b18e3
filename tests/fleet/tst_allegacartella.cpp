#include "Controls.h"
#include "ModalAnswerer.h"
#include "SmallDisk.h"
#include "TestFolder.h"
#include "common/WindowRegistry.h"
#include "fleet/TfrmAllegaCartella.h"
#include "fleet/TfrmVeicolario.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "platform/Shell.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using testsupport::child;
using testsupport::ModalAnswerer;

namespace {

const QString kAskOverwrite = QString::fromUtf8(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");
const QString kCopyFailed = QString::fromUtf8(
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti allegati.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestAllegaCartella : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void cardOpensAndApplies();
    void annullaLeavesCard();
    void otherTagAppliesNothing();
    void browseCopies();
    void browseCancelled();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void failedCopyKeepsSlot_data();
    void failedCopyKeepsSlot();
    void apriOpensAttachment();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    std::unique_ptr<QTemporaryDir> elsewhere; // where the user's documents are
    std::unique_ptr<TfrmVeicolario> card;
    std::unique_ptr<TfrmAllegaCartella> window;
    QString answer; // the file dialog's answer
    QList<platform::FileDialogRequest> requests;
    QList<QUrl> opened;

    QString source(const QString& name, const QByteArray& bytes) {
        const QString path = elsewhere->filePath(name);
        writeFile(path, bytes);
        return path;
    }
    QString attached(const QString& name) const { return folder->path("Documenti_Allegati/" + name); }
    // Clicks the card's attach command and runs steps in the modal window it opens; false if none opened.
    bool runModal(const std::function<void(TfrmAllegaCartella*)>& steps) {
        bool seen = false;
        ModalAnswerer modal;
        modal.onOther = [&](QWidget* w) {
            auto* a = qobject_cast<TfrmAllegaCartella*>(w);
            if (!a || seen)
                return false;
            seen = true;
            steps(a);
            if (a->isVisible()) // a failed check must not leave the window open
                a->close();
            return true;
        };
        QTest::mouseClick(child<QToolButton>(card, "cmdFile"), Qt::LeftButton);
        return seen && !QTest::currentTestFailed();
    }
    void openWindow(const QString& file01 = {}) {
        window = std::make_unique<TfrmAllegaCartella>();
        child<QLabel>(window, "lblMemory")->setText("veicolario");
        child<QLineEdit>(window, "txtFile01")->setText(file01);
        window->show();
    }
};

void TestAllegaCartella::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    elsewhere = std::make_unique<QTemporaryDir>();
    card = std::make_unique<TfrmVeicolario>();
    common::WindowRegistry::instance().add(card.get());
    requests.clear();
    opened.clear();
    answer.clear();
    platform::setFileDialogAnswerForTests([this](const platform::FileDialogRequest& r) {
        requests.append(r);
        return answer;
    });
    platform::setShellOpenRecorder([this](const QUrl& url) { opened.append(url); });
}

void TestAllegaCartella::cleanup() {
    platform::setFileDialogAnswerForTests({});
    platform::setShellOpenRecorder({});
    window.reset();
    card.reset();
    folder.reset();
}

void TestAllegaCartella::cardOpensAndApplies() {
    child<QLabel>(card, "lblFile01")->setText("  libretto.pdf ");
    child<QLabel>(card, "lblDesc01")->setText("Libretto");
    child<QLabel>(card, "lblFile03")->setText("fattura.pdf");
    const bool seen = runModal([this](TfrmAllegaCartella* a) {
        QCOMPARE(a->windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(child<QLabel>(a, "lblMemory")->text(), QStringLiteral("veicolario"));
        QCOMPARE(child<QLineEdit>(a, "txtFile01")->text(), QStringLiteral("libretto.pdf"));
        QCOMPARE(child<QLineEdit>(a, "txtDesc01")->text(), QStringLiteral("Libretto"));
        QCOMPARE(child<QLineEdit>(a, "txtFile02")->text(), QString());
        QVERIFY(child<QPushButton>(a, "btnApri01")->isEnabled());
        QVERIFY(!child<QPushButton>(a, "btnApri02")->isEnabled());
        QVERIFY(child<QPushButton>(a, "btnApri03")->isEnabled());
        QVERIFY(child<QLineEdit>(a, "txtFile01")->isReadOnly());
        // Clearing a slot disables its "Apri" and touches nothing else.
        QTest::mouseClick(child<QToolButton>(a, "imgCancella01"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(a, "txtFile01")->text(), QString());
        QVERIFY(!child<QPushButton>(a, "btnApri01")->isEnabled());
        QCOMPARE(child<QLineEdit>(a, "txtDesc01")->text(), QStringLiteral("Libretto"));
        QCOMPARE(child<QLabel>(card, "lblFile01")->text(), QStringLiteral("  libretto.pdf "));
        child<QLineEdit>(a, "txtDesc02")->setText("  Polizza  ");
        QTest::mouseClick(child<QPushButton>(a, "btnApplica"), Qt::LeftButton);
    });
    QVERIFY(seen);
    QCOMPARE(child<QLabel>(card, "lblFile01")->text(), QString());
    QCOMPARE(child<QLabel>(card, "lblDesc01")->text(), QStringLiteral("Libretto"));
    QCOMPARE(child<QLabel>(card, "lblDesc02")->text(), QStringLiteral("Polizza"));
    QCOMPARE(child<QLabel>(card, "lblFile03")->text(), QStringLiteral("fattura.pdf"));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAllegaCartella::annullaLeavesCard() {
    const QString path = source("libretto.pdf", "PDF");
    answer = path;
    const bool seen = runModal([](TfrmAllegaCartella* a) {
        QTest::mouseClick(child<QPushButton>(a, "btnSfoglia02"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(a, "txtFile02")->text(), QStringLiteral("libretto.pdf"));
        QTest::mouseClick(child<QPushButton>(a, "btnAnnulla"), Qt::LeftButton);
    });
    QVERIFY(seen);
    QCOMPARE(child<QLabel>(card, "lblFile02")->text(), QString());
    // The copy stays in the folder.
    QCOMPARE(readFile(attached("libretto.pdf")), QByteArray("PDF"));
}

void TestAllegaCartella::otherTagAppliesNothing() {
    openWindow("a.pdf");
    child<QLabel>(window, "lblMemory")->setText("Veicolario");
    QTest::mouseClick(child<QPushButton>(window, "btnApplica"), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QCOMPARE(child<QLabel>(card, "lblFile01")->text(), QString());
    child<QLabel>(window, "lblMemory")->setText(" veicolario ");
    QTest::mouseClick(child<QPushButton>(window, "btnApplica"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(child<QLabel>(card, "lblFile01")->text(), QStringLiteral("a.pdf"));
}

void TestAllegaCartella::browseCopies() {
    openWindow();
    // A name without a dot is a file like any other.
    answer = source("LIBRETTO", QByteArray(3 << 20, 'x'));
    QTest::mouseClick(child<QPushButton>(window, "btnSfoglia01"), Qt::LeftButton);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].title, QStringLiteral("Selezionare il file da allegare:"));
    QCOMPARE(requests[0].kind, platform::FileDialogRequest::Kind::Open);
    QCOMPARE(child<QLineEdit>(window, "txtFile01")->text(), QStringLiteral("LIBRETTO"));
    QVERIFY(child<QPushButton>(window, "btnApri01")->isEnabled());
    QCOMPARE(readFile(attached("LIBRETTO")), QByteArray(3 << 20, 'x'));
    // The source stays where it was.
    QVERIFY(QFile::exists(answer));
}

void TestAllegaCartella::browseCancelled() {
    openWindow("vecchio.pdf");
    answer.clear();
    QTest::mouseClick(child<QPushButton>(window, "btnSfoglia01"), Qt::LeftButton);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(child<QLineEdit>(window, "txtFile01")->text(), QStringLiteral("vecchio.pdf"));
    QVERIFY(!QDir(folder->path("Documenti_Allegati")).exists());
}

void TestAllegaCartella::overwriteQuestion_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QByteArray>("inFolder");
    QTest::newRow("No keeps the file there") << "No" << QByteArray("primo veicolo");
    QTest::newRow("Yes replaces it") << QString::fromUtf8("Sì") << QByteArray("secondo veicolo");
}

void TestAllegaCartella::overwriteQuestion() {
    QFETCH(QString, reply);
    QFETCH(QByteArray, inFolder);
    QVERIFY(QDir().mkpath(folder->path("Documenti_Allegati")));
    writeFile(attached("polizza.pdf"), "primo veicolo");
    openWindow("altro.pdf");
    answer = source("polizza.pdf", "secondo veicolo");
    ModalAnswerer answers({reply});
    QTest::mouseClick(child<QPushButton>(window, "btnSfoglia01"), Qt::LeftButton);
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, kAskOverwrite);
    QCOMPARE(answers.seen[0].buttons, QStringList({QString::fromUtf8("Sì"), "No"}));
    QCOMPARE(readFile(attached("polizza.pdf")), inFolder);
    // Either way the slot names the file in the folder.
    QCOMPARE(child<QLineEdit>(window, "txtFile01")->text(), QStringLiteral("polizza.pdf"));
}

void TestAllegaCartella::failedCopyKeepsSlot_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("source gone") << "source";
    QTest::newRow("source is a named pipe") << "pipe";
    QTest::newRow("folder is a file") << "folder";
    QTest::newRow("destination is a folder") << "destination";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("full disk over an attachment") << "full";
    QTest::newRow("full small real disk over an attachment") << "real full";
}

void TestAllegaCartella::failedCopyKeepsSlot() {
    QFETCH(QString, obstacle);
    testsupport::SmallDisk disk;
    std::optional<platform::FullDiskForTests> simulated;
    const bool realDisk = obstacle == "real full" || (obstacle == "read-only" && ::geteuid() == 0);
    if (realDisk) {
        SKIP_UNLESS_MOUNTED(disk);
        platform::setProgramFolderForTests(disk.folder());
    }
    const QString kept = platform::programPath("Documenti_Allegati/nuovo.pdf");
    openWindow("vecchio.pdf");
    answer = source("nuovo.pdf", QByteArray(200'000, 'n'));
    if (obstacle == "source") {
        QVERIFY(QFile::remove(answer));
    } else if (obstacle == "pipe") {
        QVERIFY(QFile::remove(answer));
        QCOMPARE(::mkfifo(QFile::encodeName(answer).constData(), 0600), 0);
    } else if (obstacle == "folder") {
        writeFile(folder->path("Documenti_Allegati"), "un file");
    } else if (obstacle == "destination") {
        QVERIFY(QDir().mkpath(attached("nuovo.pdf")));
    } else {
        // An attachment of that name is already there and must stay whole.
        QVERIFY(QDir().mkpath(platform::programPath("Documenti_Allegati")));
        writeFile(kept, "il documento di prima");
        if (obstacle == "read-only" && realDisk)
            QVERIFY(disk.makeReadOnly());
        else if (obstacle == "read-only")
            QVERIFY(QFile::setPermissions(platform::programPath("Documenti_Allegati"),
                                          QFile::ReadOwner | QFile::ExeOwner));
        else if (obstacle == "real full")
            QVERIFY(disk.fill());
        else
            simulated.emplace(1000);
    }
    const bool hadAttachment = QFileInfo(kept).isFile();
    const bool asks = obstacle == "destination" || hadAttachment;
    ModalAnswerer answers({QString::fromUtf8("Sì"), ""});
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(child<QPushButton>(window, "btnSfoglia01"), Qt::LeftButton);
    // A wait on a pipe would never end; the bound leaves room for the boxes on a loaded machine.
    QVERIFY(timer.elapsed() < 5000);
    // The slot keeps what it named, and the failure is shown.
    QCOMPARE(child<QLineEdit>(window, "txtFile01")->text(), QStringLiteral("vecchio.pdf"));
    QCOMPARE(answers.seen.size(), asks ? 2 : 1);
    QCOMPARE(answers.seen.last().text, kCopyFailed);
    QCOMPARE(answers.seen.last().buttons, QStringList{"OK"});
    if (hadAttachment)
        QCOMPARE(readFile(kept), QByteArray("il documento di prima"));
    else
        QVERIFY(!QFileInfo(kept).isFile());
    // No temporary stays beside it.
    if (QDir(platform::programPath("Documenti_Allegati")).exists())
        QVERIFY(
            QDir(platform::programPath("Documenti_Allegati")).entryList(QDir::Files | QDir::Hidden).size() <=
            1);
    if (obstacle == "read-only" && !realDisk)
        QFile::setPermissions(platform::programPath("Documenti_Allegati"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestAllegaCartella::apriOpensAttachment() {
    openWindow("  libretto di circolazione.pdf ");
    QTest::mouseClick(child<QPushButton>(window, "btnApri01"), Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(attached("libretto di circolazione.pdf"))});
    // A missing file is the shell's business: no message here.
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestAllegaCartella)
#include "tst_allegacartella.moc"

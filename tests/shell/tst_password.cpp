#include "Boxes.h"
#include "Controls.h"
#include "ModalAnswerer.h"
#include "SmallDisk.h"
#include "TestFolder.h"
#include "common/WindowRegistry.h"
#include "platform/Files.h"
#include "platform/Program.h"
#include "platform/ProgramFolder.h"
#include "shell/Crypt.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

#include <sys/stat.h>

using testsupport::ModalAnswerer;

using testsupport::child;

namespace {

QByteArray passwordFile(const QString& plain) {
    return "[Accesso]\r\nValore=" + shell::EncryptPassword(plain).toLatin1() + "\r\n";
}

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError =
    QString::fromUtf8("Attenzione: si è verificato un errore durante la procedura di lettura "
                      "della password. Si consiglia di reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QString::fromUtf8("Attenzione: la nuova password non è stata confermata correttamente. "
                      "E' necessario reinserire entrambi i valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError =
    QString::fromUtf8("Attenzione: si è verificato un errore durante la procedura di "
                      "modifica della password. Si consiglia di reinstallare il software.");

} // namespace

class TestPassword : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void controlsAsCreated();
    void okFollowsTrimmedText();
    void loginAccepts_data();
    void loginAccepts();
    void loginRefuses_data();
    void loginRefuses();
    void unreadableStoredPassword();
    void exitEndsProgram();
    void changeWindowFlow();
    void changeRefuses_data();
    void changeRefuses();
    void changeWritesFileAndLoginFollows();
    void changeWriteFailure();
    void enterRingsInChangeWindow();
    void handlersByName_data();
    void handlersByName();
    void oddPasswordFile_data();
    void oddPasswordFile();
    void changeOnFullDisk_data();
    void changeOnFullDisk();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmPassword* login = nullptr;
    TfrmCambiaPassword* change = nullptr;
    QWidget* menu = nullptr;
    int ended = 0;

    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    void fillChange(const QString& oldP, const QString& newP, const QString& conf) {
        child<QLineEdit>(change, "txtPasswordOld")->setText(oldP);
        child<QLineEdit>(change, "txtPasswordNew")->setText(newP);
        child<QLineEdit>(change, "txtConferma")->setText(conf);
    }
};

void TestPassword::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    folder->write("unins000.dll", passwordFile("CHIAVEINIZIALE"));
    login = new TfrmPassword();
    change = new TfrmCambiaPassword();
    menu = new QWidget();
    menu->setObjectName("frmAvvio");
    for (QWidget* w : {static_cast<QWidget*>(login), static_cast<QWidget*>(change), menu})
        common::WindowRegistry::instance().add(w);
    ended = 0;
    platform::setEndProgramHandler([this] { ++ended; });
    login->show();
    QVERIFY(QTest::qWaitForWindowExposed(login));
}

void TestPassword::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    platform::setEndProgramHandler({});
    folder.reset();
}

void TestPassword::controlsAsCreated() {
    QCOMPARE(login->objectName(), QString("frmPassword"));
    QVERIFY(!child<QPushButton>(login, "cmdOK")->isEnabled());
    QCOMPARE(child<QPushButton>(login, "cmdEsci")->text(), QString("Esci"));
    QCOMPARE(child<QPushButton>(login, "btnCambiaPassword")->text(), QString("Cambia password"));
    QCOMPARE(child<QLabel>(login, "lblRigo05")->text(), QString("Immetti la password e premi OK."));
    QVERIFY(child<QLabel>(login, "lblMemory")->isHidden());
    auto* edit = child<QLineEdit>(login, "txtPassword");
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(!child<QWidget>(login, "effPassword")->isHidden());
    child<QPushButton>(login, "cmdEsci")->setFocus();
    QVERIFY(child<QWidget>(login, "effPassword")->isHidden());
    QCOMPARE(change->objectName(), QString("frmCambiaPassword"));
    QCOMPARE(change->windowTitle(), QString(" Cambia password"));
    QCOMPARE(child<QLabel>(change, "lblRigo05")->text(), QString("Vecchia password:"));
    QCOMPARE(child<QLabel>(change, "lblRigo06")->text(), QString("Nuova password:"));
    QCOMPARE(child<QLabel>(change, "lblRigo07")->text(), QString("Conferma nuova password:"));
    QCOMPARE(child<QPushButton>(change, "cmdOK")->text(), QString("OK"));
    QCOMPARE(child<QPushButton>(change, "cmdEsci")->text(), QString("Chiudi"));
    QVERIFY(!child<QPushButton>(change, "cmdOK")->isEnabled());
    QCOMPARE(login->size(), QSize(388, 405));
    QCOMPARE(change->size(), QSize(411, 418));
}

void TestPassword::okFollowsTrimmedText() {
    auto* edit = child<QLineEdit>(login, "txtPassword");
    auto* ok = child<QPushButton>(login, "cmdOK");
    type(edit, "   ");
    QVERIFY(!ok->isEnabled());
    ModalAnswerer answerer;
    QTest::keyClick(edit, Qt::Key_Return); // blanks only: Enter does nothing
    QCoreApplication::processEvents();     // what the key queued has run
    QCOMPARE(answerer.seen.size(), 0);
    type(edit, "x");
    QVERIFY(ok->isEnabled());
}

void TestPassword::loginAccepts_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: a click on OK
    QTest::newRow("exact, click") << "CHIAVEINIZIALE" << 0;
    QTest::newRow("lower case, Enter") << "chiaveiniziale" << int(Qt::Key_Return);
    QTest::newRow("blanks around") << "  ChiaveIniziale  " << 0;
    QTest::newRow("keypad Enter") << "chiaveiniziale" << int(Qt::Key_Enter);
}

void TestPassword::loginAccepts() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    auto* edit = child<QLineEdit>(login, "txtPassword");
    type(edit, typed);
    ModalAnswerer answerer;
    if (key)
        QTest::keyClick(edit, Qt::Key(key));
    else
        QTest::mouseClick(child<QPushButton>(login, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 0);
    QVERIFY(login->isHidden());
    QVERIFY(!menu->isHidden());
    QCOMPARE(child<QLabel>(login, "lblMemory")->text(), QString("CHIAVEINIZIALE"));
}

void TestPassword::loginRefuses_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");
    QTest::newRow("wrong") << passwordFile("CHIAVEINIZIALE") << "chiave";
    QTest::newRow("accent typed differently")
        << passwordFile(QString::fromUtf8("CITTà")) << QString::fromUtf8("CITTÀ");
    QTest::newRow("no file") << QByteArray() << "x";
    QTest::newRow("no key") << QByteArray("[Accesso]\r\n") << "x";
}

void TestPassword::loginRefuses() {
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    if (file.isEmpty())
        QFile::remove(folder->path("unins000.dll"));
    else
        folder->write("unins000.dll", file);
    auto* edit = child<QLineEdit>(login, "txtPassword");
    type(edit, typed);
    ModalAnswerer answerer;
    QTest::keyClick(edit, Qt::Key_Return);
    COMPARE_ONE_BOX(answerer.seen, kWrong, QMessageBox::NoIcon, "OK");
    QVERIFY(edit->text().isEmpty());
    QVERIFY(!child<QPushButton>(login, "cmdOK")->isEnabled());
    QCOMPARE(login->focusWidget(), edit);
    QVERIFY(!login->isHidden());
    QVERIFY(menu->isHidden());
    if (file.isEmpty())
        QVERIFY(!folder->exists("unins000.dll")); // the login never creates the file
}

void TestPassword::unreadableStoredPassword() {
    folder->write("unins000.dll", "[Accesso]\r\nValore=5310ZZ\r\n");
    auto* edit = child<QLineEdit>(login, "txtPassword");
    type(edit, "abc");
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(login, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, kReadError);
    QCOMPARE(edit->text(), QString("abc")); // the text is kept
}

void TestPassword::exitEndsProgram() {
    QTest::mouseClick(child<QPushButton>(login, "cmdEsci"), Qt::LeftButton);
    QCOMPARE(ended, 1);
}

void TestPassword::changeWindowFlow() {
    child<QLineEdit>(login, "txtPassword")->setText("abc");
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    QVERIFY(login->isHidden());
    QVERIFY(!change->isHidden());
    QVERIFY(QTest::qWaitForWindowActive(change));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(change, "txtPasswordOld"));
    auto* ok = child<QPushButton>(change, "cmdOK");
    QVERIFY(!ok->isEnabled());
    type(child<QLineEdit>(change, "txtPasswordOld"), "a");
    type(child<QLineEdit>(change, "txtPasswordNew"), "b");
    QVERIFY(!ok->isEnabled());
    type(child<QLineEdit>(change, "txtConferma"), " ");
    QVERIFY(!ok->isEnabled());
    type(child<QLineEdit>(change, "txtConferma"), "c");
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(child<QPushButton>(change, "cmdEsci"), Qt::LeftButton);
    QVERIFY(change->isHidden());
    QVERIFY(!login->isHidden());
    QVERIFY(child<QLineEdit>(login, "txtPassword")->text().isEmpty());
    // Shown again: empty fields.
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    QVERIFY(child<QLineEdit>(change, "txtPasswordOld")->text().isEmpty());
    QVERIFY(child<QLineEdit>(change, "txtConferma")->text().isEmpty());
    QVERIFY(!ok->isEnabled());
}

void TestPassword::changeRefuses_data() {
    QTest::addColumn<QString>("oldP");
    QTest::addColumn<QString>("newP");
    QTest::addColumn<QString>("conf");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("old wrong") << "chiave"
                               << "nuova"
                               << "nuova" << kOldWrong << "txtPasswordOld";
    QTest::newRow("case differs") << "chiaveiniziale"
                                  << "Nuova"
                                  << "nuova" << kNotConfirmed << "txtPasswordNew";
    QTest::newRow("too long") << "chiaveiniziale" << QString(256, 'x') << QString(256, 'x')
                              << QString::fromUtf8(
                                     "Attenzione: la nuova password non può superare i 255 caratteri. "
                                     "E' necessario reinserire entrambi i valori.")
                              << "txtPasswordNew";
    QTest::newRow("not storable") << "chiaveiniziale" << QString::fromUtf8("€uro")
                                  << QString::fromUtf8("€uro")
                                  << QString::fromUtf8("Attenzione: la nuova password contiene caratteri non "
                                                       "ammessi. E' necessario reinserire entrambi i valori.")
                                  << "txtPasswordNew";
}

void TestPassword::changeRefuses() {
    QFETCH(QString, oldP);
    QFETCH(QString, newP);
    QFETCH(QString, conf);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const QByteArray before = folder->read("unins000.dll");
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    fillChange(oldP, newP, conf);
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(answerer.seen[0].buttons, QStringList{"OK"});
    QCOMPARE(folder->read("unins000.dll"), before);
    QVERIFY(!change->isHidden());
    QCOMPARE(change->focusWidget(), child<QLineEdit>(change, focus.toLatin1().constData()));
    QVERIFY(child<QLineEdit>(change, focus.toLatin1().constData())->text().isEmpty());
}

void TestPassword::changeWritesFileAndLoginFollows() {
    folder->write("unins000.dll", "; installed\r\n[Accesso]\r\nValore=5310E8AD736BDD949A9D70EE28FC\r\n");
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    fillChange(" chiaveiniziale ", " nuova ", "nuova  ");
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, kDone);
    QCOMPARE(folder->read("unins000.dll"),
             "; installed\r\n[Accesso]\r\nValore=" + shell::EncryptPassword("NUOVA").toLatin1() + "\r\n");
    QVERIFY(change->isHidden());
    QVERIFY(!login->isHidden());
    // The old password is refused and the new one accepted at once.
    auto* edit = child<QLineEdit>(login, "txtPassword");
    type(edit, "chiaveiniziale");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen[1].text, kWrong);
    type(edit, "Nuova");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), 2);
    QVERIFY(login->isHidden());
}

void TestPassword::changeWriteFailure() {
    // The stored value does not unscramble: the change fails and says so.
    folder->write("unins000.dll", "[Accesso]\r\nValore=XY\r\n");
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    fillChange("a", "b", "b");
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, kChangeError);
    QCOMPARE(child<QLineEdit>(change, "txtPasswordNew")->text(), QString("b"));
    QCOMPARE(folder->read("unins000.dll"), QByteArray("[Accesso]\r\nValore=XY\r\n"));
    QVERIFY(!change->isHidden());
}

void TestPassword::enterRingsInChangeWindow() {
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(change));
    fillChange("chiaveiniziale", "x", "x");
    auto* oldE = child<QLineEdit>(change, "txtPasswordOld");
    auto* newE = child<QLineEdit>(change, "txtPasswordNew");
    auto* confE = child<QLineEdit>(change, "txtConferma");
    const QByteArray before = folder->read("unins000.dll");
    ModalAnswerer answerer;
    oldE->setFocus();
    QTest::keyClick(oldE, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), newE);
    QVERIFY(!child<QWidget>(change, "effPasswordNew")->isHidden());
    QVERIFY(child<QWidget>(change, "effPasswordOld")->isHidden());
    QTest::keyClick(newE, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), confE);
    QTest::keyClick(confE, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), oldE);
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(folder->read("unins000.dll"), before);
}

void TestPassword::handlersByName_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QByteArray>("handler");
    for (const char* h :
         {"txtPasswordChange()", "txtPasswordKeyUp()", "txtPasswordKeyDown(QKeyEvent*)", "txtPasswordEnter()",
          "txtPasswordExit()", "cmdOKClick()", "btnCambiaPasswordClick()", "cmdEsciClick()"})
        QTest::newRow(qPrintable(QString("frmPassword.") + h)) << "frmPassword" << QByteArray(h);
    for (const char* edit : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
        for (const char* event : {"Change()", "KeyUp()", "KeyDown(QKeyEvent*)", "Enter()", "Exit()"})
            QTest::newRow(qPrintable(QString("frmCambiaPassword.") + edit + event))
                << "frmCambiaPassword" << QByteArray(edit) + event;
    for (const char* h : {"cmdOKClick()", "cmdEsciClick()"})
        QTest::newRow(qPrintable(QString("frmCambiaPassword.") + h)) << "frmCambiaPassword" << QByteArray(h);
}

void TestPassword::handlersByName() {
    QFETCH(QString, window);
    QFETCH(QByteArray, handler);
    const QMetaObject* meta = window == "frmPassword" ? login->metaObject() : change->metaObject();
    QVERIFY2(meta->indexOfSlot(handler.constData()) >= 0, handler.constData());
}

void TestPassword::oddPasswordFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "device";
    QTest::newRow("folder") << "folder";
    QTest::newRow("larger than any password file") << "large";
}

void TestPassword::oddPasswordFile() {
    // Each is a failure of the password file, shown at once: never a wait, never an endless read.
    QFETCH(QString, kind);
    const QString path = folder->path("unins000.dll");
    QVERIFY(QFile::remove(path));
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == "folder")
        QVERIFY(QDir(folder->folder()).mkdir("unins000.dll"));
    else
        folder->write("unins000.dll", passwordFile("CHIAVEINIZIALE") + QByteArray(1 << 20, ';'));
    QElapsedTimer timer;
    timer.start();
    type(child<QLineEdit>(login, "txtPassword"), "chiaveiniziale");
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(login, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, kReadError);
    QVERIFY(!login->isHidden());
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    fillChange("chiaveiniziale", "nuova", "nuova");
    QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen[1].text, kChangeError);
    QVERIFY(!change->isHidden());
    // A wait on a pipe would never end; the bound leaves room for the boxes on a loaded machine.
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(QDir(folder->folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"unins000.dll"});
}

void TestPassword::changeOnFullDisk_data() {
    QTest::addColumn<bool>("real");
    QTest::newRow("simulated") << false;
    QTest::newRow("small real disk") << true;
}

void TestPassword::changeOnFullDisk() {
    QFETCH(bool, real);
    const QByteArray before = "; installed\r\n[Accesso]\r\nValore=5310E8AD736BDD949A9D70EE28FC\r\n";
    testsupport::SmallDisk disk;
    std::optional<platform::FullDiskForTests> simulated;
    if (real) {
        SKIP_UNLESS_MOUNTED(disk);
        platform::setProgramFolderForTests(disk.folder());
        QFile file(disk.path("unins000.dll"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
        file.close();
        QVERIFY(disk.fill());
    } else {
        folder->write("unins000.dll", before);
        simulated.emplace(0);
    }
    QTest::mouseClick(child<QPushButton>(login, "btnCambiaPassword"), Qt::LeftButton);
    fillChange("chiaveiniziale", "nuova", "nuova");
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(change, "cmdOK"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, kChangeError);
    QVERIFY(!change->isHidden());
    QCOMPARE(child<QLineEdit>(change, "txtPasswordNew")->text(), QString("nuova"));
    QFile file(platform::programPath("unins000.dll"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    // Only the old file stays: no temporary beside it.
    QVERIFY(QDir(platform::programFolder()).entryList({"unins000.dll*"}, QDir::Files).size() == 1);
}

QTEST_MAIN(TestPassword)
#include "tst_password.moc"

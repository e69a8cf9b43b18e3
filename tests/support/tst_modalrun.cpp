#include "Boxes.h"
#include "ModalRun.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

namespace {

// A step that opens a modal window and waits until someone closes it.
void openDialog(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName("dlgProva");
    dialog.exec();
}

} // namespace

// Run in a child process: an expectation inside the modal window fails.
class FailingInsideModal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failingExpectation() {
        testsupport::runModal([] { openDialog(nullptr); },
                              [](QWidget* modal) { QCOMPARE(modal->objectName(), "x"); });
    }
    void twoBoxesAreNotOne() {
        const QList<testsupport::SeenBox> two{{"A", QMessageBox::Warning, {"OK"}},
                                              {"A", QMessageBox::Warning, {"OK"}}};
        COMPARE_ONE_BOX(two, "A", QMessageBox::Warning);
    }
    void otherButtons() {
        const QList<testsupport::SeenBox> one{{"A", QMessageBox::Warning, {"OK"}}};
        COMPARE_ONE_BOX(one, "A", QMessageBox::Warning, "OK", "Annulla");
    }
};

class TestModalRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failureInsideModalEndsTheTest();
    void recordsWindowsAndTheBoxesTheyOpen();
    void oneBoxHelper();
};

void TestModalRun::failureInsideModalEndsTheTest() {
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--failing"});
    QVERIFY(child.waitForFinished(60000)); // ended, not hung
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitCode() != 0, output.constData());
    for (const char* failed : {"failingExpectation()", "twoBoxesAreNotOne()", "otherButtons()"})
        QVERIFY2(output.contains(QByteArray("FAIL!  : FailingInsideModal::") + failed), output.constData());
    QVERIFY2(output.contains("expected one box \"A\", saw [icon 2] A (OK); [icon 2] A (OK)"),
             output.constData());
}

void TestModalRun::recordsWindowsAndTheBoxesTheyOpen() {
    QWidget owner;
    const testsupport::ModalRun run = testsupport::runModal(
        [&] {
            openDialog(&owner);
            QMessageBox::question(&owner, "Conferma", "Dopo?", QMessageBox::Yes | QMessageBox::No);
        },
        [&](QWidget* modal) {
            // A box opened from inside the window is answered too; the window is left open on purpose.
            QMessageBox::warning(modal, "Attenzione", "Dentro", QMessageBox::Ok | QMessageBox::Cancel);
        },
        {"", "No"});
    QCOMPARE(run.windows, QStringList{"dlgProva"});
    QCOMPARE(run.boxes.size(), 2);
    QCOMPARE(run.boxes.at(0).text, QString("Dentro"));
    QCOMPARE(run.boxes.at(1).text, QString("Dopo?"));
    QCOMPARE(run.boxes.at(1).icon, QMessageBox::Question);
}

void TestModalRun::oneBoxHelper() {
    const QList<testsupport::SeenBox> one{{"Salvata.", QMessageBox::Information, {"OK", "Annulla"}}};
    COMPARE_ONE_BOX(one, "Salvata.", QMessageBox::Information, "OK", "Annulla");
    COMPARE_ONE_BOX(one, "Salvata.", QMessageBox::Information);
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--failing") {
        FailingInsideModal failing;
        char* args[] = {argv[0]};
        return QTest::qExec(&failing, 1, args);
    }
    TestModalRun test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_modalrun.moc"

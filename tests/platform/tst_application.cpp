#include "ModalAnswerer.h"
#include "platform/Application.h"

#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

#include <stdexcept>

namespace {
bool loopChosenByEnvironment = false; // QT_NO_GLIB set before the program started
}

class TestApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failureLeavingHandlerShowsBoxAndProgramGoesOn();
    void qtSpeaksItalian_data();
    void qtSpeaksItalian();
    void fileDialogInItalian();
    void standardIconsAsTheStyleDrawsThem_data();
    void standardIconsAsTheStyleDrawsThem();
    void plainEventLoopNotPassedOn();
};

void TestApplication::failureLeavingHandlerShowsBoxAndProgramGoesOn() {
    QWidget window;
    auto* failing = new QPushButton("Stampa", &window);
    auto* working = new QPushButton("Chiudi", &window);
    working->move(0, 40);
    int worked = 0;
    int failed = 0;
    connect(failing, &QPushButton::clicked, this, [&] {
        ++failed;
        throw std::runtime_error("Stampante non disponibile");
    });
    connect(working, &QPushButton::clicked, this, [&] { ++worked; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    testsupport::ModalAnswerer answerer;
    for (int round = 1; round <= 2; ++round) {
        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(failed, round);
        QCOMPARE(answerer.seen.size(), round);
        QCOMPARE(answerer.seen.last().text, QString("Stampante non disponibile"));
        QCOMPARE(answerer.seen.last().icon, QMessageBox::Critical);
        QCOMPARE(answerer.seen.last().buttons, QStringList{"OK"});
    }
    // The program went on: the window is there and its other commands still run.
    QVERIFY(window.isVisible());
    QTest::mouseClick(working, Qt::LeftButton);
    QCOMPARE(worked, 1);
    QCOMPARE(answerer.seen.size(), 2);
}

void TestApplication::qtSpeaksItalian_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QVERIFY(platform::useItalian());
    QTest::newRow("cancel button") << QCoreApplication::translate("QPlatformTheme", "Cancel") << "Annulla";
    QTest::newRow("yes button") << QCoreApplication::translate("QPlatformTheme", "&Yes")
                                << QString::fromUtf8("&Sì");
    QTest::newRow("month name") << QLocale().standaloneMonthName(12) << "dicembre";
    QTest::newRow("day name") << QLocale().dayName(1, QLocale::ShortFormat) << "lun";
    QTest::newRow("language") << QLocale::languageToString(QLocale().language()) << "Italian";
}

void TestApplication::qtSpeaksItalian() {
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void TestApplication::fileDialogInItalian() {
    QVERIFY(platform::useItalian());
    QFileDialog dialog(nullptr, "Apri");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* lookIn = dialog.findChild<QLabel*>("lookInLabel");
    QVERIFY(lookIn);
    QVERIFY2(!lookIn->text().contains("Look in"), qPrintable(lookIn->text()));
    QCOMPARE(dialog.labelText(QFileDialog::Reject), QString("Annulla"));
}

void TestApplication::standardIconsAsTheStyleDrawsThem_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("side");
    QTest::newRow("calendar arrow, small") << int(QStyle::SP_ArrowLeft) << 16;
    QTest::newRow("calendar arrow, large") << int(QStyle::SP_ArrowRight) << 32;
    QTest::newRow("discard") << int(QStyle::SP_DialogDiscardButton) << 16;
    QTest::newRow("detailed view") << int(QStyle::SP_FileDialogDetailedView) << 72;
    QTest::newRow("warning box") << int(QStyle::SP_MessageBoxWarning) << 32;
}

void TestApplication::standardIconsAsTheStyleDrawsThem() {
    // The program's style reads a standard icon's files when it is first drawn; drawn, it is Qt's own.
    QFETCH(int, icon);
    QFETCH(int, side);
    const auto which = QStyle::StandardPixmap(icon);
    const auto* program = qobject_cast<const QProxyStyle*>(QApplication::style());
    QVERIFY(program);
    std::unique_ptr<QStyle> plain(QStyleFactory::create(program->baseStyle()->name()));
    QVERIFY(plain);
    const QIcon expected = plain->standardIcon(which);
    QLabel owner;
    const QIcon shown = owner.style()->standardIcon(which, nullptr, &owner);
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.availableSizes(), expected.availableSizes());
    QCOMPARE(shown.actualSize(QSize(side, side)), expected.actualSize(QSize(side, side)));
    QCOMPARE(shown.pixmap(side, side).toImage(), expected.pixmap(side, side).toImage());
    // A copy taken before the first drawing draws the same.
    const QIcon copy = owner.style()->standardIcon(which);
    const QIcon second = copy;
    QCOMPARE(second.pixmap(side, side).toImage(), expected.pixmap(side, side).toImage());
}

// The application object runs Qt's own event loop, and programs started from it get the environment as the
// program found it.
void TestApplication::plainEventLoopNotPassedOn() {
    if (loopChosenByEnvironment)
        QSKIP("QT_NO_GLIB was set before the test started");
    QVERIFY(!QCoreApplication::eventDispatcher()->inherits("QEventDispatcherGlib"));
    QVERIFY(!qEnvironmentVariableIsSet("QT_NO_GLIB"));
    QProcess child;
    child.start("/usr/bin/env", {});
    QVERIFY(child.waitForFinished());
    QVERIFY(!child.readAllStandardOutput().contains("QT_NO_GLIB"));
}

int main(int argc, char** argv) {
    loopChosenByEnvironment = qEnvironmentVariableIsSet("QT_NO_GLIB");
    platform::Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"

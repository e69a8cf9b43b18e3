// The start windows, login and tools on a small screen: each fits the screen's free area, and none of its
// controls lies outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/TfrmGuida.h"
#include "common/WindowRegistry.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCalendario.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmCodFisc.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmPartitaIva.h"
#include "shell/TfrmPassword.h"
#include "shell/TfrmSplash.h"

#include <QtTest>

using testsupport::registered;

class TestShellScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { common::setTodayForTests(QDate(2024, 6, 15)); }
    void cleanup() {
        common::WindowRegistry::instance().destroyAll();
        common::setTodayForTests(QDate());
    }
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
};

void TestShellScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmPassword") << registered<TfrmPassword>();
    QTest::newRow("frmAvvio") << registered<TfrmAvvio>();
    QTest::newRow("frmCambiaPassword") << registered<TfrmCambiaPassword>();
    QTest::newRow("frmGuida") << registered<TfrmGuida>();
    QTest::newRow("frmInfo") << registered<TfrmInfo>();
    QTest::newRow("frmSplash") << registered<TfrmSplash>();
    QTest::newRow("frmCalendario") << registered<TfrmCalendario>();
    QTest::newRow("frmCodFisc") << registered<TfrmCodFisc>();
    QTest::newRow("frmPartitaIva") << registered<TfrmPartitaIva>();
}

void TestShellScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestShellScreen)
#include "tst_shellscreen.moc"

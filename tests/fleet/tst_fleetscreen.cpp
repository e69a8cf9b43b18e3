// The vehicle windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "fleet/DeadlineList.h"
#include "fleet/TfrmAllegaCartella.h"
#include "fleet/TfrmAnteprimaAutomezzo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "fleet/TfrmMenuScadenze.h"
#include "fleet/TfrmSlideshow_Automezzi.h"
#include "fleet/TfrmStampaAutomezzo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/TfrmZoom.h"

#include <QtTest>

using testsupport::registered;

class TestFleetScreen : public QObject {
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

void TestFleetScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmVeicolario") << registered<TfrmVeicolario>();
    QTest::newRow("frmAllegaCartella") << registered<TfrmAllegaCartella>();
    QTest::newRow("frmZoom") << registered<TfrmZoom>();
    QTest::newRow("frmSlideshow_Automezzi") << registered<TfrmSlideshow_Automezzi>();
    QTest::newRow("frmTrovaAutomezzi") << registered<TfrmTrovaAutomezzi>();
    QTest::newRow("frmStampaAutomezzo") << registered<TfrmStampaAutomezzo>();
    QTest::newRow("frmAnteprimaAutomezzo") << registered<TfrmAnteprimaAutomezzo>();
    QTest::newRow("frmExpVeicolario") << registered<TfrmExpVeicolario>();
    QTest::newRow("frmMenuScadenze") << registered<TfrmMenuScadenze>();
    QTest::newRow("frmScadRevisione") << registered<TfrmScadRevisione>();
    QTest::newRow("frmScadTagliando") << registered<TfrmScadTagliando>();
    QTest::newRow("frmScadAssicurazione") << registered<TfrmScadAssicurazione>();
    QTest::newRow("frmScadBollo") << registered<TfrmScadBollo>();
}

void TestFleetScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestFleetScreen)
#include "tst_fleetscreen.moc"

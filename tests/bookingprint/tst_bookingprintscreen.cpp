// The planner's print, preview and summary windows on a small screen: each fits the screen's free area, and
// none of its controls lies outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "bookingprint/TfrmAnteprimaPlanning.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "bookingprint/TfrmStampaPlanning.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"

#include <QtTest>

using testsupport::registered;

class TestBookingprintScreen : public QObject {
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

void TestBookingprintScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmStampaPlanning") << registered<TfrmStampaPlanning>();
    QTest::newRow("frmAnteprimaPlanning") << registered<TfrmAnteprimaPlanning>();
    QTest::newRow("frmRiepPrenotazioni") << registered<TfrmRiepPrenotazioni>();
}

void TestBookingprintScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestBookingprintScreen)
#include "tst_bookingprintscreen.moc"

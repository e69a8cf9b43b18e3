// The booking dialogs on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "booking/TfrmGiorno.h"
#include "booking/TfrmIntervallo.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"

#include <QtTest>

using testsupport::registered;

class TestBookingScreen : public QObject {
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

void TestBookingScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmGiorno") << registered<TfrmGiorno>();
    QTest::newRow("frmIntervallo") << registered<TfrmIntervallo>();
}

void TestBookingScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestBookingScreen)
#include "tst_bookingscreen.moc"

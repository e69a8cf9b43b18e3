// The mileage windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "mileage/MileageLists.h"
#include "mileage/TfrmChilometrico.h"
#include "mileage/TfrmExpChilometrico.h"
#include "mileage/TfrmTrovaChilometrico.h"

#include <QtTest>

using testsupport::registered;

class TestMileageScreen : public QObject {
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

void TestMileageScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmChilometrico") << registered<TfrmChilometrico>();
    QTest::newRow("frmExpChilometrico") << registered<TfrmExpChilometrico>();
    QTest::newRow("frmTrovaChilometrico") << registered<TfrmTrovaChilometrico>();
    QTest::newRow("frmEffettuate") << registered<TfrmEffettuate>();
    QTest::newRow("frmDaEffettuare") << registered<TfrmDaEffettuare>();
    QTest::newRow("frmScaduteKm") << registered<TfrmScaduteKm>();
}

void TestMileageScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestMileageScreen)
#include "tst_mileagescreen.moc"

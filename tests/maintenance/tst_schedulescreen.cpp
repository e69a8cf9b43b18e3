// The appointment windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "maintenance/ScheduleExports.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"

#include <QtTest>

using testsupport::registered;

class TestScheduleScreen : public QObject {
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

void TestScheduleScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmScadenzario") << registered<TfrmScadenzario>();
    QTest::newRow("frmExpImminenti") << registered<TfrmExpImminenti>();
    QTest::newRow("frmExpGiornaliere") << registered<TfrmExpGiornaliere>();
    QTest::newRow("frmExpMensili") << registered<TfrmExpMensili>();
    QTest::newRow("frmExpScadenzario") << registered<TfrmExpScadenzario>();
    QTest::newRow("frmConfermati") << registered<TfrmConfermati>();
    QTest::newRow("frmNonConfermati") << registered<TfrmNonConfermati>();
    QTest::newRow("frmTrovaScadenzario") << registered<TfrmTrovaScadenzario>();
    QTest::newRow("frmDaConfermare") << registered<TfrmDaConfermare>();
}

void TestScheduleScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestScheduleScreen)
#include "tst_schedulescreen.moc"

// The planner windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "planner/TfrmMenuDisponibili.h"
#include "planner/TfrmPlanning.h"

#include <QtTest>

using testsupport::registered;

class TestPlannerScreen : public QObject {
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

void TestPlannerScreen::windowFitsTheScreen_data() {
    QTest::addColumn<testsupport::WindowMaker>("make");
    QTest::newRow("frmMenuDisponibili") << registered<TfrmMenuDisponibili>();
    QTest::newRow("frmPlanning") << registered<TfrmPlanning>();
}

void TestPlannerScreen::windowFitsTheScreen() {
    QFETCH(testsupport::WindowMaker, make);
    testsupport::TestFolder folder;
    testsupport::checkFitsScreen(make());
}

QTEST_MAIN(TestPlannerScreen)
#include "tst_plannerscreen.moc"

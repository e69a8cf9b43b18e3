// The cost windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "Controls.h"
#include "CostFixture.h"
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "costs/TfrmCosti.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmExpCosti.h"
#include "costs/TfrmMenuCosti.h"
#include "costs/TfrmMenuRiepSpese.h"
#include "costs/TfrmRiepSpese.h"
#include "costs/TfrmStatCosti.h"
#include "costs/TfrmTrovaCosti.h"

#include <QAbstractButton>
#include <QtTest>

using testsupport::registered;
using Maker = testsupport::WindowMaker;

class TestCostScreen : public QObject {
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

void TestCostScreen::windowFitsTheScreen_data() {
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("open"); // a command that shows the window's second panel
    QTest::newRow("frmCosti") << registered<TfrmCosti>() << "";
    QTest::newRow("frmMenuCosti") << registered<TfrmMenuCosti>() << "";
    QTest::newRow("frmDaSaldare") << registered<TfrmDaSaldare>() << "";
    QTest::newRow("frmTrovaCosti") << registered<TfrmTrovaCosti>() << "";
    QTest::newRow("frmExpCosti") << registered<TfrmExpCosti>() << "";
    QTest::newRow("frmMenuRiepSpese") << registered<TfrmMenuRiepSpese>() << "";
    QTest::newRow("frmRiepSpese") << registered<TfrmRiepSpese>() << "";
    QTest::newRow("frmStatCosti start") << registered<TfrmStatCosti>() << "";
    QTest::newRow("frmStatCosti chart") << registered<TfrmStatCosti>() << "btnApri";
}

void TestCostScreen::windowFitsTheScreen() {
    QFETCH(Maker, make);
    QFETCH(QString, open);
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {testsupport::paid("05/01", "Fiat", "AB123CD", "Bollo", "310,00")});
    testsupport::checkFitsScreen(make(), [&](QWidget* window) {
        if (!open.isEmpty())
            QTest::mouseClick(testsupport::child<QAbstractButton>(window, open), Qt::LeftButton);
    });
}

QTEST_MAIN(TestCostScreen)
#include "tst_costscreen.moc"

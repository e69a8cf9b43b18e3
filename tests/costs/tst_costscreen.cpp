// The cost windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "Controls.h"
#include "CostFixture.h"
#include "ScreenFit.h"
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

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(
        argc, argv,
        {
            {"frmCosti", registered<TfrmCosti>()},
            {"frmMenuCosti", registered<TfrmMenuCosti>()},
            {"frmDaSaldare", registered<TfrmDaSaldare>()},
            {"frmTrovaCosti", registered<TfrmTrovaCosti>()},
            {"frmExpCosti", registered<TfrmExpCosti>()},
            {"frmMenuRiepSpese", registered<TfrmMenuRiepSpese>(),
             [](QWidget* window) {
                 // The date groups keep from the panel's right side the margin they keep from its left.
                 const QRect panel = testsupport::child<QWidget>(window, "panQuery")->rect();
                 const QRect start = testsupport::child<QWidget>(window, "grpInizio")->geometry();
                 const QRect end = testsupport::child<QWidget>(window, "grpFine")->geometry();
                 QCOMPARE(panel.right() - end.right(), start.left());
             }},
            {"frmRiepSpese", registered<TfrmRiepSpese>()},
            {"frmStatCosti start", registered<TfrmStatCosti>()},
            {"frmStatCosti chart", registered<TfrmStatCosti>(),
             [](QWidget* window) {
                 QTest::mouseClick(testsupport::child<QAbstractButton>(window, "btnApri"), Qt::LeftButton);
             }},
        },
        [] {
            testsupport::writeCosts("2024",
                                    {testsupport::paid("05/01", "Fiat", "AB123CD", "Bollo", "310,00")});
        });
}

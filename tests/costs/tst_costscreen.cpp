// The cost windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "Controls.h"
#include "CostFixture.h"
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
#include <QAbstractScrollArea>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <functional>

namespace {

using Maker = std::function<QWidget*()>;

template <class W> Maker maker() {
    return [] {
        auto* window = new W;
        common::WindowRegistry::instance().add(window);
        return static_cast<QWidget*>(window);
    };
}

// Whether w is drawn inside a scrolled viewport, where scrolling reaches it.
bool scrolled(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
            area && area->viewport() == p)
            return true;
    return false;
}

// The visible controls that reach past the window's edges, and the scrolled panels that scrolling does not
// reach to the end, by name.
QStringList cutControls(const QWidget* window) {
    QStringList cut;
    for (const QScrollArea* area : window->findChildren<QScrollArea*>()) {
        const QWidget* panel = area->widget();
        if (area->isVisible() && panel &&
            (panel->width() > area->viewport()->width() + area->horizontalScrollBar()->maximum() ||
             panel->height() > area->viewport()->height() + area->verticalScrollBar()->maximum()))
            cut << panel->objectName();
    }
    const QRect shown = window->rect();
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            scrolled(w, window))
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!shown.contains(r))
            cut << w->objectName();
    }
    return cut;
}

} // namespace

Q_DECLARE_METATYPE(Maker)

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
    QTest::newRow("frmCosti") << maker<TfrmCosti>() << "";
    QTest::newRow("frmMenuCosti") << maker<TfrmMenuCosti>() << "";
    QTest::newRow("frmDaSaldare") << maker<TfrmDaSaldare>() << "";
    QTest::newRow("frmTrovaCosti") << maker<TfrmTrovaCosti>() << "";
    QTest::newRow("frmExpCosti") << maker<TfrmExpCosti>() << "";
    QTest::newRow("frmMenuRiepSpese") << maker<TfrmMenuRiepSpese>() << "";
    QTest::newRow("frmRiepSpese") << maker<TfrmRiepSpese>() << "";
    QTest::newRow("frmStatCosti start") << maker<TfrmStatCosti>() << "";
    QTest::newRow("frmStatCosti chart") << maker<TfrmStatCosti>() << "btnApri";
}

void TestCostScreen::windowFitsTheScreen() {
    QFETCH(Maker, make);
    QFETCH(QString, open);
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {testsupport::paid("05/01", "Fiat", "AB123CD", "Bollo", "310,00")});
    QWidget* window = make();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (!open.isEmpty())
        QTest::mouseClick(testsupport::child<QAbstractButton>(window, open), Qt::LeftButton);
    QCoreApplication::processEvents();
    testsupport::lookAt(window->grab().toImage(), QTest::currentDataTag());
    const QRect area = window->screen()->availableGeometry();
    QVERIFY2(area.contains(window->frameGeometry()), qPrintable(QString("frame %1,%2 %3x%4 on %5x%6")
                                                                    .arg(window->frameGeometry().x())
                                                                    .arg(window->frameGeometry().y())
                                                                    .arg(window->frameGeometry().width())
                                                                    .arg(window->frameGeometry().height())
                                                                    .arg(area.width())
                                                                    .arg(area.height())));
    QCOMPARE(cutControls(window), QStringList());
}

QTEST_MAIN(TestCostScreen)
#include "tst_costscreen.moc"

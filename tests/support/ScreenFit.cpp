#include "ScreenFit.h"

#include "TestFolder.h"
#include "common/Clock.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace testsupport {

namespace {

// Whether w is drawn inside a scrolled viewport, where scrolling reaches it.
bool scrolled(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
            area && area->viewport() == p)
            return true;
    return false;
}

} // namespace

QString frameOutsideScreen(const QWidget* window) {
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (area.contains(frame))
        return {};
    return QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(area.width())
        .arg(area.height());
}

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

void lookAtWindow(QWidget* window, const QString& name) {
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
        window->grab().toImage().save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/" + name + ".png");
}

void checkFitsScreen(QWidget* window, const std::function<void(QWidget*)>& shown) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (shown)
        shown(window);
    QCoreApplication::processEvents();
    lookAtWindow(window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(frameOutsideScreen(window), QString());
    QCOMPARE(cutControls(window), QStringList());
}

ScreenFitTest::ScreenFitTest(QList<ScreenRow> rows, std::function<void()> prepare)
    : rows_(std::move(rows))
    , prepare_(std::move(prepare)) {}

void ScreenFitTest::init() {
    common::setTodayForTests(QDate(2024, 6, 15));
}

void ScreenFitTest::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
}

void ScreenFitTest::windowFitsTheScreen_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < rows_.size(); ++i)
        QTest::newRow(rows_.at(i).name) << i;
}

void ScreenFitTest::windowFitsTheScreen() {
    QFETCH(int, row);
    TestFolder folder;
    if (prepare_)
        prepare_();
    checkFitsScreen(rows_.at(row).make(), rows_.at(row).shown);
}

int runScreenFit(int argc, char** argv, QList<ScreenRow> rows, std::function<void()> prepare) {
    QApplication application(argc, argv);
    ScreenFitTest test(std::move(rows), std::move(prepare));
    return QTest::qExec(&test, argc, argv);
}

} // namespace testsupport

// The list windows' shared look: the results pages of the four search windows and the summaries alike,
// control for control, the summaries fixed in size with their double-click instruction in crimson, and the
// four filter pages alike.
#include "../costs/CostFixture.h"
#include "Controls.h"
#include "ScreenFit.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "costs/TfrmCosti.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmTrovaCosti.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"
#include "mileage/MileageLists.h"
#include "mileage/TfrmTrovaChilometrico.h"

#include <QtTest>

#include <functional>
#include <memory>

using testsupport::child;

namespace {

const QColor kCrimson(0xDC, 0x14, 0x3C);
const char* const kInstruction = "Fare doppio clic sulla voce in elenco per richiamare la scheda";

// The controls of a list window that every list has, beside the count or title above them.
const QStringList kListControls{"lstRecords", "lblRigo03", "effTrova", "txtTrova",
                                "btnTrova",   "btnStampa", "btnChiudi"};

// How a control shows: its place in the window, font, colours, background and whether it is hidden.
QString controlLook(QWidget* window, QWidget* w) {
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    return QString("%1 %2,%3 %4x%5 %6 %7 %8 %9%10")
        .arg(w->metaObject()->className())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .arg(w->font().toString(), w->palette().color(QPalette::WindowText).name(),
             w->palette().color(QPalette::ButtonText).name(),
             w->autoFillBackground() ? w->palette().color(QPalette::Window).name() : QString("clear"),
             w->isHidden() ? " hidden" : "");
}

// The controls of a list window, by name, each with how it shows and its text.
QStringList lookOf(QWidget* window, bool withCountText,
                   const QStringList& names = QStringList("lblTrovate") + kListControls) {
    QStringList look;
    for (const QString& name : names) {
        auto* w = window->findChild<QWidget*>(name);
        if (!w) {
            look << QString("%1 none").arg(name);
            continue;
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        if (!withCountText && name == QLatin1String("lblTrovate"))
            text.clear();
        look << QString("%1 %2 '%3'").arg(name, controlLook(window, w), text);
    }
    return look;
}

} // namespace

class TestListLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void searchResultsPagesAlike_data();
    void searchResultsPagesAlike();
    void summariesFixedInSize_data();
    void summariesFixedInSize();
    void summariesLikeResultsPages_data();
    void summariesLikeResultsPages();
    void filterPagesAlike_data();
    void filterPagesAlike();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmScadenzario* schedule = nullptr;
    TfrmCosti* costCard = nullptr;

    using Maker = std::function<QWidget*(TestListLook&)>;
    static QList<std::pair<const char*, Maker>> searches();
    static QList<std::pair<const char*, Maker>> summaries();
    // The window of a row: shown, and for a search the results of an empty search on show.
    static std::unique_ptr<QWidget> shown(const Maker& make, TestListLook& test, bool search);
};

void TestListLook::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2025, 3, 10));
    schedule = new TfrmScadenzario();
    common::WindowRegistry::instance().add(schedule);
    schedule->show();
    QVERIFY(QTest::qWaitForWindowExposed(schedule));
    child<QLineEdit>(schedule, "txtAnno")->setText("2025");
    child<QAbstractButton>(schedule, "btnApri")->click();
    costCard = testsupport::makeCostCard("2025");
}

void TestListLook::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
    folder.reset();
}

QList<std::pair<const char*, TestListLook::Maker>> TestListLook::searches() {
    return {
        {"frmTrovaAutomezzi", [](TestListLook&) -> QWidget* { return new TfrmTrovaAutomezzi(); }},
        {"frmTrovaScadenzario",
         [](TestListLook& t) -> QWidget* { return new TfrmTrovaScadenzario(t.schedule); }},
        {"frmTrovaChilometrico", [](TestListLook&) -> QWidget* { return new TfrmTrovaChilometrico(); }},
        {"frmTrovaCosti", [](TestListLook& t) -> QWidget* { return new TfrmTrovaCosti(t.costCard); }},
    };
}

QList<std::pair<const char*, TestListLook::Maker>> TestListLook::summaries() {
    return {
        {"frmConfermati", [](TestListLook& t) -> QWidget* { return new TfrmConfermati(t.schedule); }},
        {"frmNonConfermati", [](TestListLook& t) -> QWidget* { return new TfrmNonConfermati(t.schedule); }},
        {"frmDaConfermare", [](TestListLook& t) -> QWidget* { return new TfrmDaConfermare(t.schedule); }},
        {"frmEffettuate", [](TestListLook&) -> QWidget* { return new TfrmEffettuate(); }},
        {"frmDaEffettuare", [](TestListLook&) -> QWidget* { return new TfrmDaEffettuare(); }},
        {"frmScaduteKm", [](TestListLook&) -> QWidget* { return new TfrmScaduteKm(); }},
        {"frmDaSaldare", [](TestListLook& t) -> QWidget* { return new TfrmDaSaldare(t.costCard); }},
    };
}

std::unique_ptr<QWidget> TestListLook::shown(const Maker& make, TestListLook& test, bool search) {
    std::unique_ptr<QWidget> window(make(test));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("%s not shown", qPrintable(window->objectName()));
    if (search)
        QTest::mouseClick(child<QPushButton>(window.get(), "btnCerca"), Qt::LeftButton);
    testsupport::lookAtWindow(window.get(), window->objectName() + (search ? " results" : ""));
    return window;
}

void TestListLook::searchResultsPagesAlike_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("findFrame");
    QTest::addColumn<QString>("count");
    const QList<bool> frames{false, false, true, true};
    for (int i = 0; i < searches().size(); ++i)
        QTest::newRow(searches().at(i).first)
            << i << frames.at(i)
            << (i == 0 ? "Il presente riepilogo contiene 0 schede" : "Il presente elenco contiene 0 schede.");
}

// Count, list, instruction, find box and buttons in the same places, fonts and colours as on the vehicle
// search's results page; only the frame behind the find box differs, where the windows differ.
void TestListLook::searchResultsPagesAlike() {
    QFETCH(int, row);
    QFETCH(bool, findFrame);
    QFETCH(QString, count);
    std::unique_ptr<QWidget> window = shown(searches().at(row).second, *this, true);
    QCOMPARE(window->objectName(), QString(searches().at(row).first));
    QVERIFY(child<QWidget>(window.get(), "panAvvio")->isHidden());
    auto* page = child<QWidget>(window.get(), "panContainer");
    QVERIFY(!page->isHidden());
    QCOMPARE(page->geometry(), QRect(QPoint(0, 0), window->size()));
    QCOMPARE(child<QWidget>(window.get(), "panAvvio")->geometry(), page->geometry());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->findChild<QWidget*>("effTrova") != nullptr, findFrame);
    QCOMPARE(child<QLabel>(window.get(), "lblTrovate")->text(), count);
    QCOMPARE(child<QLabel>(window.get(), "lblRigo03")->text(), QString(kInstruction));
    QCOMPARE(testsupport::textColour(child<QLabel>(window.get(), "lblRigo03")), kCrimson);
    QCOMPARE(child<QWidget>(window.get(), "txtTrova"), QApplication::focusWidget());
    // Nothing cut: each text fits its control, each control the window.
    for (const char* name : {"lblTrovate", "lblRigo03"}) {
        auto* label = child<QLabel>(window.get(), name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 name);
    }
    for (QWidget* w : page->findChildren<QWidget*>())
        if (!w->isHidden() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            QVERIFY2(page->rect().contains(w->geometry()), qPrintable(w->objectName()));

    // Each window's look is taken while it is the active one, its find box focused.
    const QStringList look = lookOf(window.get(), false);
    std::unique_ptr<QWidget> reference = shown(searches().first().second, *this, true);
    QStringList expected = lookOf(reference.get(), false);
    if (findFrame) { // the vehicle search has none; the frame is the mileage search's, the first with one
        std::unique_ptr<QWidget> framed = shown(searches().at(2).second, *this, true);
        expected.replace(3, lookOf(framed.get(), false).at(3));
    }
    QCOMPARE(look, expected);
}

void TestListLook::summariesFixedInSize_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < summaries().size(); ++i)
        QTest::newRow(summaries().at(i).first) << i;
}

void TestListLook::summariesLikeResultsPages_data() {
    summariesFixedInSize_data();
}

// Under its title, a summary shows the list, the instruction, the find box and the buttons as a search
// window's results page does, and nothing else.
void TestListLook::summariesLikeResultsPages() {
    QFETCH(int, row);
    std::unique_ptr<QWidget> window = shown(summaries().at(row).second, *this, false);
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            QVERIFY2(w->objectName() == "lblTitolo" || kListControls.contains(w->objectName()),
                     qPrintable(w->objectName()));
    const QStringList look = lookOf(window.get(), false, kListControls);
    std::unique_ptr<QWidget> reference = shown(searches().at(2).second, *this, true); // with effTrova
    QCOMPARE(look, lookOf(reference.get(), false, kListControls));
}

void TestListLook::filterPagesAlike_data() {
    QTest::addColumn<int>("row");
    for (int i = 1; i < searches().size(); ++i)
        QTest::newRow(searches().at(i).first) << i;
}

// The ten filters, their labels and highlights, the wait notice and the two buttons stand in the same places
// with the same fonts and colours as on the vehicle search's filter page; only the filters' names differ.
void TestListLook::filterPagesAlike() {
    QFETCH(int, row);
    auto filterPage = [this](int i) {
        std::unique_ptr<QWidget> window = shown(searches().at(i).second, *this, false);
        testsupport::lookAtWindow(window.get(), window->objectName() + " filters");
        auto* page = child<QWidget>(window.get(), "panAvvio");
        QList<QWidget*> controls;
        for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->objectName() != "lblConta") // holds a count, never shown
                controls << w;
        std::sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QStringList look;
        for (QWidget* w : controls) {
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                text = button->text();
            else if (w->objectName() == "lblAttendere")
                text = child<QLabel>(window.get(), "lblAttendere")->text();
            look << controlLook(window.get(), w) + " '" + text + "'";
        }
        return look;
    };
    const QStringList look = filterPage(row);
    QCOMPARE(look.size(), 33); // ten labels, highlights and filters, the notice, the two buttons
    QCOMPARE(look, filterPage(0));
}

// Every summary keeps its size (it fits a 1024x768 screen) and shows its instruction in crimson.
void TestListLook::summariesFixedInSize() {
    QFETCH(int, row);
    std::unique_ptr<QWidget> window = shown(summaries().at(row).second, *this, false);
    QCOMPARE(window->objectName(), QString(summaries().at(row).first));
    QCOMPARE(window->minimumSize(), QSize(862, 560));
    QCOMPARE(window->maximumSize(), QSize(862, 560));
    QCOMPARE(window->size(), QSize(862, 560));
    auto* instruction = child<QLabel>(window.get(), "lblRigo03");
    QCOMPARE(instruction->text(), QString(kInstruction));
    QCOMPARE(testsupport::textColour(instruction), kCrimson);
}

QTEST_MAIN(TestListLook)
#include "tst_listlook.moc"

// The texts of the program's windows, all made as the program makes them at start and each shown as the
// program shows it, on the desktop the test is run on (CTest runs it on a 1366x768 and on a 1024x768 one).
// A control shows a smaller font than it was given only where its text, at the font it was given, would lose
// part of its glyphs in the room the control has, and then the largest size that shows them whole; no text
// loses any. The statistics chart's footer and legend title keep their fonts on screen and on paper.
#include "../costs/CostFixture.h"
#include "../fleet/VehicleFixture.h"
#include "Controls.h"
#include "ModalAnswerer.h"
#include "ScreenFit.h"
#include "TestFolder.h"
#include "app/Program.h"
#include "common/Clock.h"
#include "common/Form.h"
#include "common/WindowRegistry.h"
#include "platform/Application.h"
#include "platform/Chart.h"

#include <QPaintEngine>
#include <QtTest>

#include <memory>

using testsupport::child;

namespace {

const QString kFooter = QStringLiteral("Tutti gli importi sono arrotondati all'euro");
const QString kLegendTitle = QStringLiteral("Costi sostenuti:");

// A landscape A4 page of a 1200-dpi printer that keeps the texts drawn on it, each with its font.
class TextPage : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    // The fonts text was drawn in.
    QList<QFont> fontsOf(const QString& text) const { return engine_.texts.values(text); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        constexpr int kDpi = 1200;
        switch (metric) {
        case PdmWidth:
            return 297 * kDpi * 10 / 254;
        case PdmHeight:
            return 210 * kDpi * 10 / 254;
        case PdmWidthMM:
            return 297;
        case PdmHeightMM:
            return 210;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        Engine()
            : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override {
            texts.insert(item.text(), item.font());
        }
        Type type() const override { return User; }
        QMultiHash<QString, QFont> texts;
    };
    mutable Engine engine_;
};

// The fonts every control of every window had when the windows were made, before any was shown.
QHash<const QWidget*, std::pair<QPointer<const QWidget>, QFont>> givenFonts;

void recordGivenFonts() {
    for (const QString& name : common::WindowRegistry::instance().names())
        for (const QWidget* w : common::sharedWindow(name)->findChildren<QWidget*>())
            givenFonts.insert(w, {w, w->font()});
}

// The font a control was given: as it was made, or its parent's for a control made since.
QFont givenFont(const QWidget* w) {
    const auto found = givenFonts.constFind(w);
    return found != givenFonts.cend() && found->first == w ? found->second : w->parentWidget()->font();
}

int pixels(const QFont& font) {
    return QFontInfo(font).pixelSize();
}

bool fitted(const QWidget* w) {
    auto* combo = qobject_cast<const QComboBox*>(w);
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           (combo && !combo->isEditable());
}

// The controls of the window that show a smaller font than they were given although their text would show
// whole in it, or although a larger one would show it whole.
QStringList shrunkWithoutCause(QWidget* window) {
    QStringList faults;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || !fitted(w))
            continue;
        const QFont given = givenFont(w);
        if (w->font() == given)
            continue;
        const QString name =
            w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        const int shown = pixels(w->font());
        if (shown >= pixels(given) || w->font().family() != given.family() ||
            w->font().bold() != given.bold())
            faults << QStringLiteral("%1 shows %2 for %3").arg(name, w->font().toString(), given.toString());
        else if (!testsupport::textCutAt(w, given))
            faults << QStringLiteral("%1 shows %2 px for %3 px, which show it whole")
                          .arg(name)
                          .arg(shown)
                          .arg(pixels(given));
        QFont larger = w->font();
        larger.setPixelSize(shown + 1);
        if (shown + 1 < pixels(given) && !testsupport::textCutAt(w, larger))
            faults << QStringLiteral("%1 shows %2 px, and %3 px show it whole")
                          .arg(name)
                          .arg(shown)
                          .arg(shown + 1);
    }
    return faults;
}

// Opens the statistics of the year shown (2024) and the chart of kind ("btnBarre", "btnTorta") on them.
void openChart(QWidget* window, const char* kind) {
    QTest::mouseClick(child<QAbstractButton>(window, "btnApri"), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>(window, kind), Qt::LeftButton);
}

QLabel* labelShowing(QWidget* parent, const QString& text) {
    for (QLabel* label : parent->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    qFatal("no label shows %s", qPrintable(text));
}

// A window with a placed label and entry field, and a page whose layout places a label across its width.
class RoomWindow : public common::Form {
public:
    RoomWindow() {
        placed = new QLabel(QStringLiteral("Anno"), this);
        placed->setFont(given());
        placed->setGeometry(10, 10, 300, 40);
        edit = new QLineEdit(this);
        edit->setFont(given());
        edit->setGeometry(10, 60, 300, 40);
        page = new QWidget(this);
        panel = new QWidget(page);
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        laidOut = new QLabel(QStringLiteral("Tutti gli importi"), panel);
        laidOut->setFont(given());
        layout->addWidget(laidOut);
        layout->addStretch(1);
        resize(400, 300);
    }
    static QFont given() {
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(20);
        font.setBold(true);
        return font;
    }
    QLabel* placed;
    QLineEdit* edit;
    QWidget* page;
    QWidget* panel;
    QLabel* laidOut;

protected:
    // The page and its panel take the window's room, as a window's panels follow it.
    void resizeEvent(QResizeEvent* event) override {
        common::Form::resizeEvent(event);
        page->setGeometry(0, 110, width(), 100);
        panel->setGeometry(0, 0, width(), 100);
    }
};

struct RoomCase {
    const char* name;
    std::function<QWidget*(RoomWindow&)> control;
    std::function<void(RoomWindow&)> cut;  // leaves the control too little room for its text
    std::function<void(RoomWindow&)> room; // gives the room back
};

const QList<RoomCase>& roomCases() {
    static const QList<RoomCase> cases{
        {"placed label narrowed, widened", [](RoomWindow& w) { return w.placed; },
         [](RoomWindow& w) { w.placed->resize(40, 40); }, [](RoomWindow& w) { w.placed->resize(300, 40); }},
        {"placed label's text lengthened, shortened", [](RoomWindow& w) { return w.placed; },
         [](RoomWindow& w) { w.placed->setText(QStringLiteral("Anno solare della pianificazione")); },
         [](RoomWindow& w) { w.placed->setText(QStringLiteral("Anno")); }},
        {"entry field lowered, raised", [](RoomWindow& w) { return w.edit; },
         [](RoomWindow& w) { w.edit->resize(300, 16); }, [](RoomWindow& w) { w.edit->resize(300, 40); }},
        {"laid-out label, window narrowed, widened", [](RoomWindow& w) { return w.laidOut; },
         [](RoomWindow& w) { w.resize(120, 300); }, [](RoomWindow& w) { w.resize(400, 300); }},
        {"laid-out label, page shown again with room", [](RoomWindow& w) { return w.laidOut; },
         [](RoomWindow& w) { w.panel->resize(120, 100); },
         [](RoomWindow& w) {
             w.page->hide();
             w.panel->resize(400, 100);
             w.page->show();
         }},
    };
    return cases;
}

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void textsShrinkOnlyWhereCut_data();
    void textsShrinkOnlyWhereCut();
    void chartKeepsItsFonts_data();
    void chartKeepsItsFonts();
    void roomReturnedGivesTheFontBack_data();
    void roomReturnedGivesTheFontBack();

private:
    QWidget* shown(const QString& name);
    std::unique_ptr<testsupport::TestFolder> folder_;
    std::unique_ptr<testsupport::ModalAnswerer> boxes_; // none is expected; one that shows fails the row
    QWidget* window_ = nullptr;
};

void TestTextFit::initTestCase() {
    platform::useItalian();
    folder_ = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2024, 6, 15));
    using namespace fleet::SchedaVeicolo;
    testsupport::writeVehicles(
        {{{Tipo, "Autovettura"}, {Marca, "Fiat"}, {Modello, "Panda"}, {Targa, "AB123CD"}}});
    testsupport::writeCosts("2024", {testsupport::paid("05/01", "Fiat", "AB123CD", "Bollo", "310,00"),
                                     testsupport::paid("12/08", "Fiat", "AB123CD", "Tagliando", "1234,50")});
    app::startWindows();
    recordGivenFonts();
    QTRY_VERIFY(common::sharedWindow("frmPassword")->isVisible());
    common::sharedWindow("frmPassword")->hide();
}

void TestTextFit::cleanupTestCase() {
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
    folder_.reset();
}

void TestTextFit::init() {
    window_ = nullptr;
    boxes_ = std::make_unique<testsupport::ModalAnswerer>();
}

void TestTextFit::cleanup() {
    if (window_)
        window_->hide();
    const QList<testsupport::SeenBox> seen = boxes_->seen;
    boxes_.reset();
    QVERIFY2(seen.isEmpty(), qPrintable(seen.isEmpty() ? QString() : seen.first().text));
}

QWidget* TestTextFit::shown(const QString& name) {
    window_ = common::sharedWindow(name);
    if (!window_)
        qFatal("no window %s", qPrintable(name));
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_))
        qFatal("%s not shown", qPrintable(name));
    return window_;
}

void TestTextFit::textsShrinkOnlyWhereCut_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QByteArray>("chart"); // the command that shows a chart of the year, if any
    for (const common::WindowEntry& entry : app::creationTable())
        QTest::newRow(qPrintable(entry.className)) << entry.className.mid(1) << QByteArray();
    QTest::newRow("TfrmStatCosti bars") << QString("frmStatCosti") << QByteArray("btnBarre");
    QTest::newRow("TfrmStatCosti pie") << QString("frmStatCosti") << QByteArray("btnTorta");
}

void TestTextFit::textsShrinkOnlyWhereCut() {
    QFETCH(QString, window);
    QFETCH(QByteArray, chart);
    QWidget* w = shown(window);
    if (!chart.isEmpty())
        openChart(w, chart.constData());
    QCoreApplication::processEvents();
    // What the chart's redrawing let go goes, as it goes once the program's event loop runs again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    testsupport::lookAtWindow(w, w->screen()->name() + QLatin1Char(' ') + QTest::currentDataTag());
    const QStringList shrunk = shrunkWithoutCause(w);
    QVERIFY2(shrunk.isEmpty(), qPrintable(shrunk.join(QLatin1String("; "))));
    const QStringList cut = testsupport::clippedTexts(w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
}

void TestTextFit::chartKeepsItsFonts_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<bool>("printed");
    QTest::newRow("bars on screen") << QByteArray("btnBarre") << false;
    QTest::newRow("bars on paper") << QByteArray("btnBarre") << true;
    QTest::newRow("pie on screen") << QByteArray("btnTorta") << false;
    QTest::newRow("pie on paper") << QByteArray("btnTorta") << true;
}

// The footer in bold Verdana of 11 points (15 pixels on a 96-dpi screen) and the legend's title in the
// chart's bold font, in the window and on the page the chart prints.
void TestTextFit::chartKeepsItsFonts() {
    QFETCH(QByteArray, kind);
    QFETCH(bool, printed);
    QWidget* window = shown("frmStatCosti");
    openChart(window, kind.constData());
    QCoreApplication::processEvents();
    auto* chart = child<platform::Chart>(window, "ChartStats");
    const QFont footer(QStringLiteral("Verdana"), 11, QFont::Bold);
    QFont legend = chart->font();
    legend.setBold(true);
    QCOMPARE(pixels(footer), 15);
    QList<QFont> footerFonts{labelShowing(chart, kFooter)->font()};
    QList<QFont> legendFonts{labelShowing(chart, kLegendTitle)->font()};
    if (printed) {
        TextPage page;
        chart->print(page);
        footerFonts = page.fontsOf(kFooter);
        legendFonts = page.fontsOf(kLegendTitle);
    }
    QCOMPARE(footerFonts.size(), 1);
    QCOMPARE(legendFonts.size(), 1);
    QCOMPARE(pixels(footerFonts.first()), pixels(footer));
    QVERIFY(footerFonts.first().bold());
    QCOMPARE(footerFonts.first().family(), footer.family());
    QCOMPARE(pixels(legendFonts.first()), pixels(legend));
    QVERIFY(legendFonts.first().bold());
}

void TestTextFit::roomReturnedGivesTheFontBack_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < roomCases().size(); ++i)
        QTest::newRow(roomCases().at(i).name) << i;
}

// A control with too little room shows the largest smaller size that shows its text whole, and its own font
// again once the room is back.
void TestTextFit::roomReturnedGivesTheFontBack() {
    QFETCH(int, row);
    const RoomCase& c = roomCases().at(row);
    RoomWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* control = c.control(window);
    QCoreApplication::processEvents();
    QCOMPARE(control->font(), RoomWindow::given());
    c.cut(window);
    // Laid out, the control's room follows its font: waited for until both settle.
    QTRY_VERIFY(pixels(control->font()) < pixels(RoomWindow::given()) &&
                !testsupport::textCutAt(control, control->font()));
    QVERIFY(pixels(control->font()) > 6);
    QVERIFY(testsupport::textCutAt(control, RoomWindow::given()));
    c.room(window);
    QTRY_VERIFY(control->font() == RoomWindow::given() && !testsupport::textCutAt(control, control->font()));
    QCoreApplication::processEvents();
    QCOMPARE(control->font(), RoomWindow::given());
}

int main(int argc, char** argv) {
    platform::Application application(argc, argv);
    TestTextFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textfit.moc"

#include "Boxes.h"
#include "ModalAnswerer.h"
#include "platform/Ansi.h"
#include "platform/Chart.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/Screen.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGraphicsTextItem>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLibrary>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform;

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void soundModuleShipsItsEntries();
    void chartHandsItsSettingsToThePlot_data();
    void chartHandsItsSettingsToThePlot();
    void chartPrintedBeforeShownDrawsItsPlot();
    void chartWithoutModuleSaysSo();
    void chartMarksShowWholeNumbers_data();
    void chartMarksShowWholeNumbers();
    void pieMarksDoNotOverlap_data();
    void pieMarksDoNotOverlap();
    void ansiRoundTrip_data();
    void ansiRoundTrip();
    void ansiEveryByteDecodesAndComesBack();
    void iniRead_data();
    void iniRead();
    void iniWriteKeepsOtherLines_data();
    void iniWriteKeepsOtherLines();
    void iniWriteFailureLeavesFile();
    void boxesShowTheirForm_data();
    void boxesShowTheirForm();
    void windowFitsIntoScreen_data();
    void windowFitsIntoScreen();
    void textPromptShowsAndAnswers_data();
    void textPromptShowsAndAnswers();
    void textPromptHoldsItsCaption();
};

void TestPlatform::ansiRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    QTest::newRow("ascii") << "Fiat Panda" << QByteArray("Fiat Panda") << "Fiat Panda";
    QTest::newRow("euro") << QString::fromUtf8("10 €") << QByteArray("10 \x80") << QString::fromUtf8("10 €");
    QTest::newRow("accents") << QString::fromUtf8("Sì è") << QByteArray("S\xEC \xE8")
                             << QString::fromUtf8("Sì è");
    QTest::newRow("quotes") << QString::fromUtf8("“x”") << QByteArray("\x93x\x94")
                            << QString::fromUtf8("“x”");
    QTest::newRow("ascii past two blocks of eight")
        << "Officina Rossi Srl" << QByteArray("Officina Rossi Srl") << "Officina Rossi Srl";
    QTest::newRow("euro as the eighth byte") << QString::fromUtf8("Totale €5")
                                             << QByteArray("Totale \x80"
                                                           "5")
                                             << QString::fromUtf8("Totale €5");
    QTest::newRow("euro opening a block of eight")
        << QString::fromUtf8("€ 12 netti") << QByteArray("\x80 12 netti") << QString::fromUtf8("€ 12 netti");
    QTest::newRow("euro after a block of ascii")
        << QString::fromUtf8("Costo: 12 € netto") << QByteArray("Costo: 12 \x80 netto")
        << QString::fromUtf8("Costo: 12 € netto");
    QTest::newRow("unmappable") << QString::fromUtf8("a☃b") << QByteArray("a?b") << "a?b";
    QTest::newRow("outside BMP is one ?") << QString::fromUtf8("a😀b") << QByteArray("a?b") << "a?b";
    QTest::newRow("C1 control unmappable") << QString(QChar(0x80)) << QByteArray("?") << "?";
}

void TestPlatform::ansiRoundTrip() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    QCOMPARE(toAnsi(text), bytes);
    QCOMPARE(fromAnsi(bytes), back);
}

void TestPlatform::ansiEveryByteDecodesAndComesBack() {
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        QCOMPARE(toAnsi(fromAnsi(one)), one);
    }
}

void TestPlatform::iniRead_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("[Accesso]\r\nValore=ABCD\r\n") << "ABCD";
    QTest::newRow("names in any case") << QByteArray("[accesso]\nVALORE = ABCD \n") << "ABCD";
    QTest::newRow("other section first") << QByteArray("[Altro]\nValore=X\n[Accesso]\nValore=Y\n") << "Y";
    QTest::newRow("missing key") << QByteArray("[Accesso]\nAltro=1\n") << "def";
    QTest::newRow("missing section") << QByteArray("[Altro]\nValore=1\n") << "def";
    QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << "";
    QTest::newRow("no final newline") << QByteArray("[Accesso]\nValore=12") << "12";
    QTest::newRow("quoted") << QByteArray("[Accesso]\nValore=\"12\"\n") << "12";
    QTest::newRow("windows-1252") << QByteArray("[Accesso]\nValore=\x80\n") << QString::fromUtf8("€");
    QTest::newRow("garbage") << QByteArray("\x00\xff[[=\n=\n") << "def";
}

void TestPlatform::iniRead() {
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("f.ini");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    QCOMPARE(readProfileString(path, "Accesso", "Valore", "def"), expected);
}

void TestPlatform::iniWriteKeepsOtherLines_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replace")
        << QByteArray("; nota\r\n[Accesso]\r\nValore=OLD\r\nAltro = x \r\n\r\n[Z]\nk=v\n")
        << QByteArray("; nota\r\n[Accesso]\r\nValore=NEW\r\nAltro = x \r\n\r\n[Z]\nk=v\n");
    QTest::newRow("replace lf file") << QByteArray("[ACCESSO]\nvalore=OLD\n")
                                     << QByteArray("[ACCESSO]\nValore=NEW\n");
    QTest::newRow("add key to section") << QByteArray("[Accesso]\r\nAltro=1\r\n\r\n[Z]\r\n")
                                        << QByteArray("[Accesso]\r\nAltro=1\r\nValore=NEW\r\n\r\n[Z]\r\n");
    QTest::newRow("add section") << QByteArray("[Z]\r\nk=v")
                                 << QByteArray("[Z]\r\nk=v\r\n[Accesso]\r\nValore=NEW\r\n");
    QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=NEW\r\n");
}

void TestPlatform::iniWriteKeepsOtherLines() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath("f.ini");
    if (!before.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    QVERIFY(writeProfileString(path, "Accesso", "Valore", "NEW"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), after);
}

void TestPlatform::iniWriteFailureLeavesFile() {
    QTemporaryDir dir;
    // A folder where the file should be cannot be replaced.
    const QString path = dir.filePath("f.ini");
    QVERIFY(QDir(dir.path()).mkdir("f.ini"));
    QVERIFY(!writeProfileString(path, "Accesso", "Valore", "NEW"));
    QVERIFY(QFileInfo(path).isDir());
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void TestPlatform::boxesShowTheirForm_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("warning") << 0 << int(QMessageBox::Warning) << QStringList{"OK", "Annulla"};
    QTest::newRow("information") << 1 << int(QMessageBox::Information) << QStringList{"OK", "Annulla"};
    QTest::newRow("error") << 2 << int(QMessageBox::Critical) << QStringList{"OK", "Annulla"};
    QTest::newRow("question") << 3 << int(QMessageBox::Question) << QStringList{"Sì", "No"};
    QTest::newRow("plain") << 4 << int(QMessageBox::NoIcon) << QStringList{"OK"};
}

void TestPlatform::boxesShowTheirForm() {
    QFETCH(int, form);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    // Text shown as plain text, character for character, line breaks included.
    const QString text = QString::fromUtf8("Attenzione: <b>x</b> & y\n\r\n\rZ");
    testsupport::ModalAnswerer answerer;
    answerer.answer(form == 3 ? "No" : "");
    bool yes = true;
    switch (form) {
    case 0:
        showKinded(nullptr, MsgKind::Warning, text);
        break;
    case 1:
        showKinded(nullptr, MsgKind::Information, text);
        break;
    case 2:
        showKinded(nullptr, MsgKind::Error, text);
        break;
    case 3:
        yes = askYesNo(nullptr, text);
        break;
    default:
        showPlain(nullptr, text);
        break;
    }
    COMPARE_ONE_BOX(answerer.seen, text, QMessageBox::Icon(icon));
    QStringList got = answerer.seen[0].buttons;
    std::sort(got.begin(), got.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(got, buttons);
    if (form == 3)
        QVERIFY(!yes);
}

void TestPlatform::textPromptShowsAndAnswers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::newRow("typed and OK") << "4" << true;
    QTest::newRow("emptied and OK") << "" << true;
    QTest::newRow("cancel") << "4" << false;
}

void TestPlatform::textPromptShowsAndAnswers() {
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QStringList shown;
    testsupport::ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        if (!dialog)
            return false;
        QStringList buttons;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            buttons << b->text();
        buttons.sort();
        shown << dialog->windowTitle() << dialog->labelText() << dialog->textValue() << buttons.join(",");
        dialog->setTextValue(typed);
        accept ? dialog->accept() : dialog->reject();
        return true;
    };
    const std::optional<QString> answer = askText(nullptr, {"Titolo", "Campo:", "1"});
    QCOMPARE(shown, QStringList({"Titolo", "Campo:", "1", "Annulla,OK"}));
    QCOMPARE(answer.has_value(), accept);
    if (accept)
        QCOMPARE(*answer, typed);
}

// The prompt is wide enough for a title bar to show its caption whole, in bold, beside an icon and three
// buttons.
void TestPlatform::textPromptHoldsItsCaption() {
    const QString caption = QStringLiteral("Numero copie da stampare");
    int width = 0;
    QFont titleFont;
    testsupport::ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        if (!dialog)
            return false;
        width = dialog->width();
        titleFont = dialog->font();
        dialog->reject();
        return true;
    };
    askText(nullptr, {caption, "Copie:", "1"});
    titleFont.setBold(true);
    QVERIFY2(width >= QFontMetrics(titleFont).horizontalAdvance(caption) + 4 * 24,
             qPrintable(QString::number(width)));
}

void TestPlatform::windowFitsIntoScreen_data() {
    QTest::addColumn<QRect>("geometry"); // as a fraction of the free area, in thousandths
    QTest::addColumn<bool>("resized");
    QTest::newRow("small stays as it is") << QRect(100, 100, 500, 400) << false;
    QTest::newRow("too tall") << QRect(100, 50, 500, 1300) << true;
    QTest::newRow("too wide") << QRect(0, 100, 1250, 300) << true;
    QTest::newRow("past the bottom right") << QRect(700, 700, 500, 500) << false;
}

void TestPlatform::windowFitsIntoScreen() {
    QFETCH(QRect, geometry);
    QFETCH(bool, resized);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    auto scaled = [&](int v, int of) { return v * of / 1000; };
    const QRect wanted(area.left() + scaled(geometry.x(), area.width()),
                       area.top() + scaled(geometry.y(), area.height()),
                       scaled(geometry.width(), area.width()), scaled(geometry.height(), area.height()));
    QWidget window;
    window.setGeometry(wanted);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fitIntoScreen(&window);
    QTRY_VERIFY2(area.contains(window.frameGeometry()),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())));
    QCOMPARE(window.size() != wanted.size(), resized);
}

// The media player finds the sound back end beside the program by these names; without them the alarm is
// silent.
void TestPlatform::soundModuleShipsItsEntries() {
    QLibrary module(QStringLiteral(VEICOLARIO_APP_DIR "/veicolario_sound"));
    QVERIFY2(module.load(), qPrintable(module.errorString()));
    for (const char* entry :
         {"veicolarioSoundCreate", "veicolarioSoundPlay", "veicolarioSoundStop", "veicolarioSoundDestroy"})
        QVERIFY2(module.resolve(entry), entry);
}

namespace {

const QList<ChartPoint> kChartPoints{
    {10, "Gen", QColor(0xFF, 0, 0)}, {0, "Feb", QColor(0, 0, 0xFF)}, {2.5, "Mar", QColor(0, 0x80, 0)}};

void fillChart(Chart& chart) {
    chart.setTitle("Titolo", QFont("Verdana", 12), Qt::darkRed);
    chart.setSeriesName("Serie");
    for (const ChartPoint& point : kChartPoints)
        chart.addPoint(point.value, point.label, point.colour);
}

} // namespace

// What is set before the plot exists reaches it when the module is loaded, whether the chart is first shown
// or first printed, and later changes redraw it.
void TestPlatform::chartHandsItsSettingsToThePlot_data() {
    QTest::addColumn<bool>("pie");
    QTest::addColumn<bool>("depth");
    QTest::addColumn<bool>("orthogonal");
    QTest::addColumn<bool>("printedFirst");
    QTest::newRow("flat bars, shown") << false << false << false << false;
    QTest::newRow("bars with depth, orthogonal, shown") << false << true << true << false;
    QTest::newRow("bars with depth, oblique, printed") << false << true << false << true;
    QTest::newRow("flat pie, printed") << true << false << false << true;
    QTest::newRow("pie with depth, shown") << true << true << false << false;
}

void TestPlatform::chartHandsItsSettingsToThePlot() {
    QFETCH(bool, pie);
    QFETCH(bool, depth);
    QFETCH(bool, orthogonal);
    QFETCH(bool, printedFirst);
    Chart chart;
    fillChart(chart);
    chart.setSeriesType(pie ? Chart::SeriesType::Pie : Chart::SeriesType::Bar);
    chart.setView3D(depth);
    chart.setOrthogonal(orthogonal);
    QVERIFY(!chart.series());
    if (printedFirst) {
        QImage page(400, 300, QImage::Format_RGB32);
        chart.print(page);
    } else {
        chart.show();
    }
    auto* view = chart.findChild<QChartView*>();
    QVERIFY(view);
    QCOMPARE(view->chart()->title(), QString("Titolo"));
    QVERIFY(chart.series());
    QCOMPARE(chart.series()->objectName(), QString("Serie"));
    if (pie) {
        auto* series = qobject_cast<QPieSeries*>(chart.series());
        QVERIFY(series);
        QCOMPARE(series->count(), int(kChartPoints.size()));
        for (int i = 0; i < kChartPoints.size(); ++i) {
            QCOMPARE(series->slices().at(i)->value(), kChartPoints.at(i).value);
            QCOMPARE(series->slices().at(i)->brush().gradient() != nullptr, depth);
        }
        QCOMPARE(series->slices().at(2)->label(), QString("2,5"));
    } else {
        auto* series = qobject_cast<QBarSeries*>(chart.series());
        QVERIFY(series);
        QCOMPARE(series->count(), int(kChartPoints.size()));
        for (int i = 0; i < kChartPoints.size(); ++i) {
            const ChartPoint& point = kChartPoints.at(i);
            QCOMPARE(series->barSets().at(i)->label(), point.label);
            QCOMPARE(series->barSets().at(i)->at(0), point.value);
            QCOMPARE(series->barSets().at(i)->brush().gradient() != nullptr, depth);
            QCOMPARE(series->barSets().at(i)->pen().color(),
                     depth && !orthogonal ? point.colour.darker(170) : QColor(Qt::black));
        }
    }
    // The other type takes over the points and the name.
    chart.setSeriesType(pie ? Chart::SeriesType::Bar : Chart::SeriesType::Pie);
    QVERIFY(pie ? qobject_cast<QBarSeries*>(chart.series()) != nullptr
                : qobject_cast<QPieSeries*>(chart.series()) != nullptr);
    QCOMPARE(chart.series()->objectName(), QString("Serie"));
    chart.clearSeries();
    chart.addPoint(7, "Apr", Qt::yellow);
    QCOMPARE(chart.points().size(), 1);
    QCOMPARE(chart.series()->property("count").toInt(), 1);
}

// A chart printed before it was ever shown draws its bars in their colours.
void TestPlatform::chartPrintedBeforeShownDrawsItsPlot() {
    Chart chart;
    fillChart(chart);
    QImage page(600, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    chart.print(page);
    int red = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            red += page.pixelColor(x, y) == QColor(0xFF, 0, 0);
    QVERIFY2(red > 1000, qPrintable(QString::number(red)));
}

// Without the chart module the chart keeps what it was given and says in its place why nothing is drawn.
void TestPlatform::chartWithoutModuleSaysSo() {
    Chart::setModuleFileForTests(QDir::temp().filePath("no-such-folder/veicolario_chart"));
    Chart chart;
    fillChart(chart);
    chart.show();
    Chart::setModuleFileForTests(QString());
    QVERIFY(!chart.series());
    QVERIFY(!chart.findChild<QChartView*>());
    bool said = false;
    for (const QLabel* label : chart.findChildren<QLabel*>())
        said = said || (label->isVisible() && label->text().contains("manca il modulo dei grafici"));
    QVERIFY(said);
    chart.setSeriesType(Chart::SeriesType::Pie);
    chart.addPoint(1, "Apr", Qt::yellow);
    QCOMPARE(chart.points().size(), kChartPoints.size() + 1);
    QImage page(300, 200, QImage::Format_RGB32);
    chart.print(page);
}

namespace {

// The texts the chart's scene shows (axes, bar marks).
QStringList sceneTexts(const QChartView* view) {
    QStringList texts;
    for (const QGraphicsItem* item : view->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible())
            texts << text->toPlainText();
    return texts;
}

// Twelve months, some of them tiny beside a large one, as a year with one big expense gives.
const QList<double> kYear{1234567, 0, 1, 2, 1500, 3, 4, 250000, 5, 6, 7, 12345};

void fillYear(Chart& chart) {
    for (int m = 0; m < kYear.size(); ++m)
        chart.addPoint(kYear.at(m), QString::number(m + 1), QColor::fromHsv(m * 30, 200, 220));
}

} // namespace

void TestPlatform::chartMarksShowWholeNumbers_data() {
    QTest::addColumn<bool>("pie");
    QTest::addColumn<bool>("printed");
    QTest::newRow("bars on screen") << false << false;
    QTest::newRow("bars on paper") << false << true;
    QTest::newRow("pie on screen") << true << false;
    QTest::newRow("pie on paper") << true << true;
}

// Whole euros show in full, with the thousands grouped, at any size: never in exponent form.
void TestPlatform::chartMarksShowWholeNumbers() {
    QFETCH(bool, pie);
    QFETCH(bool, printed);
    Chart chart;
    chart.resize(1000, 600);
    fillYear(chart);
    chart.setSeriesType(pie ? Chart::SeriesType::Pie : Chart::SeriesType::Bar);
    QImage page(1123, 794, QImage::Format_RGB32);
    if (printed)
        chart.print(page);
    else
        chart.show();
    auto* view = chart.findChild<QChartView*>();
    QVERIFY(view);
    if (!printed)
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const QImage shown = view->grab().toImage(); // draws the view, and with it the pie's marks
    QVERIFY(!shown.isNull());
    const QStringList marks = pie ? view->property("pieMarks").toStringList() : sceneTexts(view);
    for (const QString& mark : marks)
        QVERIFY2(!mark.contains(QLatin1Char('e'), Qt::CaseInsensitive), qPrintable(mark));
    QVERIFY2(marks.contains("1.234.567"), qPrintable(marks.join('|')));
    QVERIFY2(marks.contains("250.000"), qPrintable(marks.join('|')));
    QVERIFY2(marks.contains("12.345"), qPrintable(marks.join('|')));
    if (pie)
        QCOMPARE(marks.size(), 11); // the empty month has no mark
}

namespace {

// Years of twelve months for the pie: tiny months in runs beside large ones, at every hour of the dial, and
// empty months.
const QList<std::pair<const char*, QList<double>>> kPieYears{
    {"one big expense", kYear},
    {"tiny months before twelve", {1000000, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"tiny months after twelve", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1000000}},
    {"tiny months at three", {250000, 1, 2, 3, 4, 5, 750000, 0, 0, 0, 0, 0}},
    {"tiny months at six", {500000, 1, 1, 1, 1, 1, 1, 500000, 0, 0, 0, 0}},
    {"tiny months at nine", {750000, 1, 2, 3, 4, 5, 250000, 0, 0, 0, 0, 0}},
    {"tiny months on both sides", {3, 2, 1, 400000, 1, 2, 3, 4, 600000, 5, 6, 7}},
    {"large and tiny in turn", {1000, 1, 1000, 1, 1000, 1, 1000, 1, 1000, 1, 1000, 1}},
    {"even months", QList<double>(12, 100)},
    {"mostly empty", {0, 5, 0, 0, 1000, 0, 3, 0, 0, 0, 2, 0}},
    {"one month", {0, 0, 0, 0, 0, 0, 500, 0, 0, 0, 0, 0}},
};

double turn(const QPointF& o, const QPointF& a, const QPointF& b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

bool within(const QPointF& p, const QLineF& s) {
    return std::min(s.x1(), s.x2()) <= p.x() && p.x() <= std::max(s.x1(), s.x2()) &&
           std::min(s.y1(), s.y2()) <= p.y() && p.y() <= std::max(s.y1(), s.y2());
}

// Whether two segments have a point in common, touching included.
bool meet(const QLineF& s, const QLineF& t) {
    const double d1 = turn(t.p1(), t.p2(), s.p1());
    const double d2 = turn(t.p1(), t.p2(), s.p2());
    const double d3 = turn(s.p1(), s.p2(), t.p1());
    const double d4 = turn(s.p1(), s.p2(), t.p2());
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && within(s.p1(), t)) || (d2 == 0 && within(s.p2(), t)) ||
           (d3 == 0 && within(t.p1(), s)) || (d4 == 0 && within(t.p2(), s));
}

bool meetsBox(const QLineF& s, const QRectF& box) {
    if (box.contains(s.p1()) || box.contains(s.p2()))
        return true;
    const QPointF a = box.topLeft(), b = box.topRight(), c = box.bottomRight(), d = box.bottomLeft();
    return meet(s, {a, b}) || meet(s, {b, c}) || meet(s, {c, d}) || meet(s, {d, a});
}

// How near a segment comes to a point.
double distance(const QPointF& p, const QLineF& s) {
    const QPointF d = s.p2() - s.p1();
    const double length = QPointF::dotProduct(d, d);
    const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - s.p1(), d) / length, 0.0, 1.0) : 0.0;
    return QLineF(p, s.p1() + d * t).length();
}

QList<QLineF> segments(const QPolygonF& arm) {
    QList<QLineF> lines;
    for (qsizetype k = 1; k < arm.size(); ++k)
        lines << QLineF(arm.at(k - 1), arm.at(k));
    return lines;
}

} // namespace

void TestPlatform::pieMarksDoNotOverlap_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<double>>("values");
    const QList<std::pair<const char*, QSize>> sizes{
        {"window at 1366x768", QSize(1300, 520)},
        {"window at 1024x768", QSize(960, 440)},
        {"printed page", QSize(1200, 848)},
    };
    for (const auto& [year, values] : kPieYears)
        for (const auto& [where, size] : sizes)
            QTest::addRow("%s, %s", year, where) << size << values;
}

// Every mark of the pie is readable and leads to its slice: no mark lies over another, nor over the pie, all
// are in the view, and each arm runs from the rim of its own slice to its mark without crossing the pie,
// another arm or another mark.
void TestPlatform::pieMarksDoNotOverlap() {
    QFETCH(QSize, size);
    QFETCH(QList<double>, values);
    Chart chart;
    chart.resize(size);
    for (int m = 0; m < values.size(); ++m)
        chart.addPoint(values.at(m), QString::number(m + 1), QColor::fromHsv(m * 30, 200, 220));
    chart.setSeriesType(Chart::SeriesType::Pie);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    auto* view = chart.findChild<QChartView*>();
    QVERIFY(view);
    const QImage shown = view->grab().toImage();
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
        shown.save(qEnvironmentVariable("VEICOLARIO_LOOK") +
                   QStringLiteral("/pie %1.png").arg(QTest::currentDataTag()));
    auto* pie = qobject_cast<QPieSeries*>(chart.series());
    QVERIFY(pie);
    QList<const QPieSlice*> slices;
    for (const QPieSlice* slice : pie->slices())
        if (slice->value() > 0)
            slices << slice;
    QList<QRectF> boxes;
    for (const QVariant& box : view->property("pieMarkBoxes").toList())
        boxes << box.toRectF();
    QList<QPolygonF> arms;
    for (const QVariant& arm : view->property("pieMarkArms").toList())
        arms << arm.value<QPolygonF>();
    QCOMPARE(boxes.size(), slices.size());
    QCOMPARE(arms.size(), slices.size());
    const QRectF area = view->chart()->plotArea();
    const QPointF centre = area.center();
    const double radius = std::min(area.width(), area.height()) / 2 * 0.75;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString mark = QString::number(i);
        const QRectF& box = boxes.at(i);
        QVERIFY2(QRectF(view->rect()).contains(box), qPrintable(mark));
        const QPointF nearest(std::clamp(centre.x(), box.left(), box.right()),
                              std::clamp(centre.y(), box.top(), box.bottom()));
        QVERIFY2(QLineF(centre, nearest).length() > radius, qPrintable(mark));
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!box.intersects(boxes.at(j)), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));

        // The arm starts on the rim, inside its slice, and ends on the near side of its mark.
        const QPolygonF& arm = arms.at(i);
        QVERIFY2(arm.size() >= 2, qPrintable(mark));
        const QPointF start = arm.first() - centre;
        QVERIFY2(std::abs(QLineF(centre, arm.first()).length() - radius) < 1, qPrintable(mark));
        const double angle = std::fmod(qRadiansToDegrees(std::atan2(start.x(), -start.y())) + 360, 360);
        const double from = slices.at(i)->startAngle();
        QVERIFY2(angle >= from - 1e-6 && angle <= from + slices.at(i)->angleSpan() + 1e-6,
                 qPrintable(QStringLiteral("%1 at %2 outside %3+%4")
                                .arg(i)
                                .arg(angle)
                                .arg(from)
                                .arg(slices.at(i)->angleSpan())));
        const QPointF end = arm.last();
        QVERIFY2(std::abs(end.x() - box.left()) <= 1.5 || std::abs(end.x() - box.right()) <= 1.5,
                 qPrintable(mark));
        QVERIFY2(end.y() >= box.top() && end.y() <= box.bottom(), qPrintable(mark));
        // Outside the pie but for its start.
        for (const QLineF& s : segments(arm))
            QVERIFY2(distance(centre, s) > radius - 0.5, qPrintable(mark));
        for (qsizetype j = 0; j < arms.size(); ++j) {
            if (j == i)
                continue;
            const QString pair = QStringLiteral("%1 and %2").arg(i).arg(j);
            for (const QLineF& s : segments(arm)) {
                QVERIFY2(!meetsBox(s, boxes.at(j)), qPrintable(QStringLiteral("arm of ") + pair));
                for (const QLineF& t : segments(arms.at(j)))
                    QVERIFY2(!meet(s, t), qPrintable(QStringLiteral("arms of ") + pair));
            }
        }
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"

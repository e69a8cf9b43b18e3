#include "Boxes.h"
#include "ModalRun.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <cmath>

using namespace platform;

namespace {

// A list layout: a title, one memo of n lines in a splitting band, a footer with the date.
struct ListLayout {
    Report report;
    ReportMemo* title;
    ReportMemo* body;
    ReportBand* data;
    explicit ListLayout(int lines) {
        ReportPage* page = report.addPage(QStringLiteral("Page"));
        page->paperMm = {210, 297};
        page->orientation = QPageLayout::Landscape;
        ReportBand* head = page->addBand(QStringLiteral("ReportTitle"), BandKind::ReportTitle, 30);
        title = head->addMemo(QStringLiteral("txtTitolo"), QRectF(0, 0, 1000, 30));
        title->fillColor = QColor(112, 128, 144);
        data = page->addBand(QStringLiteral("MasterData"), BandKind::MasterData, 0);
        data->allowSplit = true;
        body = data->addMemo(QStringLiteral("txtRiepilogo"), QRectF(0, 0, 1000, 0));
        body->lineHeight = 12.5;
        ReportBand* foot = page->addBand(QStringLiteral("Footer"), BandKind::Footer, 30);
        foot->addMemo(QStringLiteral("txtPagina"), QRectF(0, 0, 1000, 30))->setText("Data [DATE]");
        for (int i = 0; i < lines; ++i)
            body->lines().append(QStringLiteral("riga %1").arg(i + 1));
        body->setHeight(lines * 12.5);
        data->setHeight(body->height() + 10);
        report.setDateSource([] { return QDate(2026, 3, 10); });
    }
};

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void objectsByName();
    void bandSplitsOverPages_data();
    void bandSplitsOverPages();
    void printHonoursCopiesAndCancel();
    void pageRendersTitle();
    void previewClosesWithoutPrinting();
    void previewOpensAsTheLayoutSays();
    void previewFullScreenAndFailedPrint();
    void expressionsPerMemo_data();
    void expressionsPerMemo();
    void shapesAndLines();
    void drawingOrder();
    void printedLineWidth_data();
    void printedLineWidth();

private:
    QTemporaryDir dir_;
    QStringList commands_, steps_;
};

void TestReport::objectsByName() {
    ListLayout l(0);
    QCOMPARE(l.report.findMemo("txtTitolo"), l.title);
    QCOMPARE(l.report.findBand("MasterData"), l.data);
    QVERIFY(!l.report.findMemo("MasterData"));
    QVERIFY(!l.report.findObject("nessuno"));
    QVERIFY(l.report.findPage("Page"));
}

void TestReport::bandSplitsOverPages_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    // A4 landscape, 10 mm margins: 718.1 units of height; 53 lines fit under the title on the first page.
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("one page") << 40 << 1;
    QTest::newRow("two pages") << 100 << 2;
    QTest::newRow("three pages") << 150 << 3;
}

void TestReport::bandSplitsOverPages() {
    QFETCH(int, lines);
    QFETCH(int, pages);
    ListLayout l(lines);
    l.report.prepare();
    const auto& prepared = l.report.preparedPages();
    QCOMPARE(int(prepared.size()), pages);
    QStringList all;
    for (const PreparedPage& page : prepared) {
        QCOMPARE(page.orientation, QPageLayout::Landscape);
        for (const PreparedBand& band : page.bands)
            QVERIFY2(band.top + band.height <= page.sizeUnits.height() - 10 * kUnitsPerMm + 1e-6,
                     qPrintable(band.name));
        all += page.linesOf("txtRiepilogo");
    }
    QCOMPARE(all, l.body->lines()); // every line once, in order
    QCOMPARE(prepared.first().linesOf("txtTitolo"), QStringList());
    QCOMPARE(prepared.first().bands.first().name, QString("ReportTitle"));
    QCOMPARE(prepared.last().bands.last().name, QString("Footer"));
    QCOMPARE(prepared.last().linesOf("txtPagina"), QStringList{"Data 10/03/2026"});
    // Preparing again starts afresh.
    l.report.prepare();
    QCOMPARE(int(l.report.preparedPages().size()), pages);
}

void TestReport::printHonoursCopiesAndCancel() {
    ListLayout l(100);
    l.report.prepare();
    const QString cancelled = dir_.filePath("annullata.pdf");
    setPrintDialogForTests([&](QPrinter& printer) {
        printer.setOutputFileName(cancelled);
        return false;
    });
    QVERIFY(!l.report.print(nullptr));
    QVERIFY(!QFile::exists(cancelled));

    const QString printed = dir_.filePath("stampa.pdf");
    setPrintDialogForTests([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setCopyCount(2);
        return true;
    });
    QVERIFY(l.report.print(nullptr));
    setPrintDialogForTests({});
    QCOMPARE(pdfPages(printed), 4);
}

void TestReport::pageRendersTitle() {
    ListLayout l(3);
    l.title->setText("Riepilogo");
    l.report.prepare();
    const QImage image = l.report.renderPageImage(0, 96);
    QCOMPARE(image.size(), QSize(1123, 794));
    const QPoint inTitle(int(10 * kUnitsPerMm) + 900, int(10 * kUnitsPerMm) + 20);
    QCOMPARE(QColor(image.pixel(inTitle)), QColor(112, 128, 144));
    // Some text is drawn where the body lines are.
    const int top = int(10 * kUnitsPerMm + 30);
    bool dark = false;
    for (int y = top; y < top + 36 && !dark; ++y)
        for (int x = 40; x < 200 && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 100;
    QVERIFY(dark);
}

void TestReport::previewClosesWithoutPrinting() {
    ListLayout l(10);
    bool seen = false;
    bool fits = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = dialog->objectName() == "frmAnteprima";
        // Larger than the test screen as designed: fitted into it, frame included.
        fits = dialog->screen()->availableGeometry().contains(dialog->frameGeometry());
        // Print, zoom, full screen and close, and no other command; the zoom's steps are in its menu.
        auto* bar = dialog->findChild<QToolBar*>();
        QVERIFY(bar);
        QStringList commands;
        for (const QAction* action : bar->actions())
            if (!action->isSeparator() && action->isVisible())
                commands << action->text();
        commands_ = commands;
        QAction* zoom = dialog->findChild<QAction*>("actZoom");
        QVERIFY(zoom && zoom->menu());
        QStringList steps;
        for (const QAction* action : zoom->menu()->actions())
            steps << action->objectName();
        steps_ = steps;
        dialog->findChild<QAction*>("actChiudi")->trigger();
    });
    l.report.preview(nullptr);
    QVERIFY(seen);
    QVERIFY(fits);
    QCOMPARE(commands_, QStringList({"Stampa", "Zoom", "Schermo intero", "Chiudi"}));
    QCOMPARE(steps_, QStringList({"actZoomPiu", "actZoomMeno", "actZoom100", "actLarghezza", "actPagina"}));
}

void TestReport::previewOpensAsTheLayoutSays() {
    ListLayout l(10);
    l.report.previewMaximised = true;
    l.report.previewZoom = 1;
    bool maximised = false;
    double zoom = 0;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        maximised = dialog->windowState().testFlag(Qt::WindowMaximized);
        auto* view = dialog->findChild<QPrintPreviewWidget*>("preview");
        zoom = view ? view->zoomFactor() : 0;
        dialog->findChild<QAction*>("actChiudi")->trigger();
    });
    l.report.preview(nullptr);
    QVERIFY(maximised);
    QCOMPARE(zoom, 1.0);
}

// Leaving the full screen gives the preview back maximised; a print from it that fails shows the error box
// and leaves the preview open.
void TestReport::previewFullScreenAndFailedPrint() {
    ListLayout l(10);
    l.report.previewMaximised = true;
    setPrintDialogForTests([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("/nessuna/cartella/stampa.pdf");
        return true;
    });
    Qt::WindowStates full, back;
    bool open = false;
    const testsupport::ModalRun run =
        testsupport::runModal([&] { l.report.preview(nullptr); },
                              [&](QWidget* dialog) {
                                  QAction* fullScreen = dialog->findChild<QAction*>("actSchermoIntero");
                                  fullScreen->trigger();
                                  full = dialog->windowState();
                                  fullScreen->trigger();
                                  back = dialog->windowState();
                                  dialog->findChild<QAction*>("actStampa")->trigger();
                                  open = dialog->isVisible();
                                  dialog->findChild<QAction*>("actChiudi")->trigger();
                              },
                              {"OK"});
    setPrintDialogForTests({});
    QCOMPARE(run.windows, QStringList{"frmAnteprima"});
    QVERIFY(full.testFlag(Qt::WindowFullScreen));
    QVERIFY(!back.testFlag(Qt::WindowFullScreen));
    QVERIFY(back.testFlag(Qt::WindowMaximized));
    COMPARE_ONE_BOX(run.boxes, kPrintFailed, QMessageBox::Critical, "OK");
    QVERIFY(open);
}

void TestReport::expressionsPerMemo_data() {
    QTest::addColumn<bool>("expressions");
    QTest::addColumn<QString>("printed");
    QTest::newRow("on") << true << "Data 10/03/2026 pagina 1 di 1 [ALTRO]";
    QTest::newRow("off") << false << "Data [DATE] pagina [PAGE#] di [TOTALPAGES#] [ALTRO]";
}

void TestReport::expressionsPerMemo() {
    QFETCH(bool, expressions);
    QFETCH(QString, printed);
    ListLayout l(0);
    ReportMemo* memo = l.report.findBand("ReportTitle")->addMemo("txtNota", QRectF(0, 0, 500, 20));
    memo->expressions = expressions;
    memo->setText("Data [DATE] pagina [PAGE#] di [TOTALPAGES#] [ALTRO]");
    l.report.prepare();
    QCOMPARE(l.report.preparedPages().first().linesOf("txtNota"), QStringList{printed});
    // The other memos keep their own setting.
    QCOMPARE(l.report.preparedPages().first().linesOf("txtPagina"), QStringList{"Data 10/03/2026"});
}

namespace {

// One band holding what the test adds, at the page's top left corner (10 mm margins: 37.8 units).
struct ShapeLayout {
    Report report;
    ReportBand* band;
    ShapeLayout() {
        ReportPage* page = report.addPage("Page");
        band = page->addBand("Fondo", BandKind::ReportTitle, 400);
    }
    QImage render() {
        report.prepare();
        return report.renderPageImage(0, 96);
    }
};

// The pixel of a point given in band units, at 96 dpi.
QPoint pixelOf(double x, double y) {
    const double margin = 10 * kUnitsPerMm;
    return QPoint(int(std::floor(margin + x)), int(std::floor(margin + y)));
}

bool isBlack(const QImage& image, QPoint p) {
    return qGray(image.pixel(p)) < 60;
}

// A black pixel within one pixel of the point: an aliased 1-unit line lands on one of them.
bool blackNear(const QImage& image, double x, double y) {
    const QPoint p = pixelOf(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (isBlack(image, p + QPoint(dx, dy)))
                return true;
    return false;
}

// The black pixels met going down from one point to another.
int blackRun(const QImage& image, double x, double fromY, double toY) {
    int count = 0;
    for (int y = pixelOf(x, fromY).y(); y <= pixelOf(x, toY).y(); ++y)
        count += isBlack(image, QPoint(pixelOf(x, fromY).x(), y)) ? 1 : 0;
    return count;
}

} // namespace

void TestReport::shapesAndLines() {
    ShapeLayout l;
    const QColor beige(0xF5, 0xF5, 0xDC);
    l.band->addShape("Shape1", QRectF(10, 10, 100, 40), beige);
    l.band->addShape("Shape2", QRectF(10, 50, 100, 40)); // no fill, touching the first
    ReportLine* line = l.band->addLine("Line1", QPointF(200, 10), QPointF(200, 90));
    QCOMPARE(l.report.findObject("Line1"), line);
    QCOMPARE(line->rect(), QRectF(200, 10, 0, 80));
    const QImage image = l.render();
    QCOMPARE(QColor(image.pixel(pixelOf(60, 30))), beige);             // filled inside
    QCOMPARE(QColor(image.pixel(pixelOf(60, 70))), QColor(Qt::white)); // transparent inside
    QVERIFY(blackNear(image, 10, 30));                                 // left outline
    QVERIFY(blackNear(image, 110, 70));                                // right outline, unfilled shape
    // Top of the first, the shared edge, bottom of the second: one line each, not two side by side.
    QCOMPARE(blackRun(image, 60, 5, 15), 1);
    QCOMPARE(blackRun(image, 60, 45, 55), 1);
    QCOMPARE(blackRun(image, 60, 85, 95), 1);
    QCOMPARE(blackRun(image, 60, 15, 45), 0);
    // The line: one pixel wide, from where it starts to where it ends.
    int wide = 0;
    for (int x = pixelOf(195, 0).x(); x <= pixelOf(205, 0).x(); ++x)
        wide += isBlack(image, QPoint(x, pixelOf(0, 40).y())) ? 1 : 0;
    QCOMPARE(wide, 1);
    QCOMPARE(blackRun(image, 200, 12, 88), 77);
    QVERIFY(qAbs(blackRun(image, 200, 0, 120) - 80) <= 1);
    QCOMPARE(blackRun(image, 200, 0, 8), 0);
    QCOMPARE(blackRun(image, 200, 92, 120), 0);
}

void TestReport::drawingOrder() {
    // Each object lies over those added before it: a line over a filled shape, a filled shape over text.
    ShapeLayout l;
    ReportMemo* memo = l.band->addMemo("txtSotto", QRectF(10, 10, 200, 30));
    memo->font = QFont("Arial", 20, QFont::Bold);
    memo->setText("MMMMMMMM");
    l.band->addShape("Shape1", QRectF(10, 10, 200, 30), Qt::yellow);
    l.band->addLine("Line1", QPointF(100, 0), QPointF(100, 60));
    const QImage image = l.render();
    int black = 0;
    for (int y = 12; y < 38; ++y)
        for (int x = 12; x < 208; ++x) {
            const QColor c(image.pixel(pixelOf(x, y)));
            if (c == QColor(Qt::black))
                ++black;
            else
                QCOMPARE(c, QColor(Qt::yellow));
        }
    QCOMPARE(black, 26); // only the line's pixels, one per row
}

namespace {

// The columns of x where some pixel of the image is dark.
QList<int> darkColumns(const QImage& image) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                columns.append(x);
                break;
            }
    return columns;
}

// The middle of the run of dark columns that starts at or ends at columns[at].
double runMiddle(const QList<int>& columns, bool first) {
    if (first) {
        qsizetype end = 0;
        while (end + 1 < columns.size() && columns.at(end + 1) == columns.at(end) + 1)
            ++end;
        return (columns.first() + columns.at(end)) / 2.0;
    }
    qsizetype start = columns.size() - 1;
    while (start > 0 && columns.at(start - 1) == columns.at(start) - 1)
        --start;
    return (columns.at(start) + columns.last()) / 2.0;
}

} // namespace

void TestReport::printedLineWidth_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("characters"); // as many as the page's width takes at that size
    // The list printout's lines, then the other sizes the printouts use, on printers of other resolutions
    // too.
    QTest::newRow("list line, Courier New 8 pt, 1200 dpi") << "Courier New" << 8.0 << false << 1200.0 << 158;
    QTest::newRow("Courier New 7 pt, 1200 dpi") << "Courier New" << 7.0 << false << 1200.0 << 158;
    QTest::newRow("Courier New 10 pt, 1200 dpi") << "Courier New" << 10.0 << false << 1200.0 << 120;
    QTest::newRow("Courier New 8 pt, 600 dpi") << "Courier New" << 8.0 << false << 600.0 << 158;
    QTest::newRow("Courier New 8 pt, 300 dpi") << "Courier New" << 8.0 << false << 300.0 << 158;
    QTest::newRow("Verdana bold 9 pt, 1200 dpi") << "Verdana" << 9.0 << true << 1200.0 << 120;
    QTest::newRow("Arial 8 pt, 1200 dpi") << "Arial" << 8.0 << false << 1200.0 << 158;
    QTest::newRow("Arial 16 pt, 1200 dpi") << "Arial" << 16.0 << false << 1200.0 << 90;
}

// A line with a bar at each end prints as wide as the font's own measure at its size says.
void TestReport::printedLineWidth() {
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(double, dpi);
    QFETCH(int, characters);
    const QString middle =
        QStringLiteral("Manutenzione straordinaria  Targa: AB123CD  ").repeated(4).left(characters - 2);
    const QString line = QLatin1Char('|') + middle + QLatin1Char('|');
    QCOMPARE(line.size(), characters);

    Report report;
    ReportPage* page = report.addPage("Page");
    page->orientation = QPageLayout::Landscape;
    ReportBand* band = page->addBand("Fondo", BandKind::ReportTitle, 40);
    ReportMemo* memo = band->addMemo("txtRiga", QRectF(0, 0, page->printableUnits().width(), 40));
    memo->font = QFont(family, 8);
    memo->font.setPointSizeF(points);
    memo->font.setBold(bold);
    memo->padding = 0;
    memo->setText(line);
    report.prepare();

    // The band's strip of the page, drawn as on a printer of that resolution.
    const double scale = dpi / kUnitsPerInch;
    const double top = 10 * kUnitsPerMm;
    QImage strip(QSize(int(page->sizeUnits().width() * scale), int(40 * scale)), QImage::Format_RGB32);
    strip.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    strip.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    strip.fill(Qt::white);
    {
        QPainter painter(&strip);
        painter.scale(scale, scale);
        painter.translate(0, -top);
        report.renderPage(painter, 0);
    }
    const QList<int> dark = darkColumns(strip);
    QVERIFY(dark.size() > 2);
    const double printed = runMiddle(dark, false) - runMiddle(dark, true);

    // The true measure: from the first bar to the last, the advance of all but the last character, taken
    // from the font at a size where no rounding matters.
    QFont reference(family);
    reference.setBold(bold);
    reference.setPixelSize(4000);
    const double em = points * dpi / 72.0;
    const double expected = QFontMetricsF(reference).horizontalAdvance(line.chopped(1)) * em / 4000;
    QVERIFY2(qAbs(printed - expected) <= expected * 0.005,
             qPrintable(QStringLiteral("printed %1 dots, expected %2").arg(printed).arg(expected)));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"

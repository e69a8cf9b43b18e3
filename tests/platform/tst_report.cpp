#include "platform/Report.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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

private:
    QTemporaryDir dir_;
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
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = dialog->objectName() == "frmAnteprima";
        for (const char* name : {"actStampa", "actZoomPiu", "actZoomMeno", "actSchermoIntero", "actChiudi"})
            QVERIFY2(dialog->findChild<QAction*>(name), name);
        dialog->findChild<QAction*>("actChiudi")->trigger();
    });
    l.report.preview(nullptr);
    QVERIFY(seen);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"

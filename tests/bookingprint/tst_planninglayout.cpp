#include "bookingprint/PlanningAnnuale.h"
#include "platform/Report.h"

#include <QPainter>
#include <QtTest>

using namespace bookingprint;
using platform::kUnitsPerMm;

Q_DECLARE_METATYPE(Qt::Alignment)

namespace {

const QColor kNone(Qt::transparent);
const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kGold(0xFF, 0xD7, 0x00);

int indexOf(const platform::Report& report, const QString& name) {
    const auto& objects = report.pages().front()->bands().front()->objects();
    for (size_t i = 0; i < objects.size(); ++i)
        if (objects[i]->name() == name)
            return int(i);
    return -1;
}

PlannerSheet sheetWith(std::initializer_list<int> bookedSlots) {
    PlannerSheet sheet;
    sheet.year = "2024";
    sheet.vehicle = "Autovettura";
    sheet.make = "Fiat";
    sheet.model = "Panda";
    sheet.plate = "AB123CD";
    sheet.printedOn = "Stampa eseguita in data 05/03/2024 alle ore 09:15:00";
    for (int slot : bookedSlots)
        sheet.booked.set(size_t(slot - 1));
    return sheet;
}

} // namespace

class TestPlanningLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void objects_data();
    void objects();
    void dayMemos();
    void drawingOrder();
    void fill_data();
    void fill();
    void layoutTextsNeverReachThePage();
    void pageAsImage();
};

void TestPlanningLayout::objects_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRectF>("rectMm");
    QTest::addColumn<QColor>("fill");         // shapes
    QTest::addColumn<int>("points");          // memos
    QTest::addColumn<Qt::Alignment>("align"); // memos
    QTest::addColumn<QString>("text");        // memos
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const Qt::Alignment top = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment none;
    auto shape = [&](const char* name, QRectF r, QColor fill) {
        QTest::newRow(name) << name << "shape" << r << fill << 0 << none << "";
    };
    auto memo = [&](const char* name, QRectF r, int points, Qt::Alignment a, const char* text) {
        QTest::newRow(name) << name << "memo" << r << kNone << points << a << text;
    };
    auto line = [&](const char* name, double x) {
        QTest::newRow(name) << name << "line" << QRectF(x, 7, 0, 77) << kNone << 0 << none << "";
    };
    shape("Shape1", {1, 1, 276, 5.8}, kLightSteelBlue);
    memo("txtTitolo", {2, 2, 274, 4.2}, 9, top, "PLANNER ANNUALE PRENOTAZIONI");
    shape("Shape2", {1, 7, 276, 4.6}, kNone);
    memo("tit_01", {31, 8, 6, 3.5}, 7, centred, "1");
    memo("tit_09", {95, 8, 6, 3.5}, 7, centred, "9");
    memo("tit_31", {271, 8, 5.6, 3.5}, 7, centred, "31");
    shape("Shape3", {1, 12, 276, 6}, kBeige);
    shape("Shape4", {1, 18, 276, 6}, kNone);
    shape("Shape6", {1, 24, 276, 6}, kBeige);
    shape("Shape14", {1, 72, 276, 6}, kBeige);
    shape("Shape15", {1, 78, 276, 6}, kNone);
    memo("Memo1", {2, 12.8, 27, 4.4}, 9, left, "GENNAIO:");
    memo("Memo4", {2, 30.8, 27, 4.4}, 9, left, "APRILE:");
    memo("Memo6", {2, 36.8, 27, 4.4}, 9, left, "MAGGIO:");
    memo("Memo10", {2, 60.8, 27, 4.4}, 9, left, "SETTEMBRE:");
    memo("Memo13", {2, 78.8, 27, 4.4}, 9, left, "DICEMBRE:");
    line("Line31", 30);
    line("Line2", 38);
    line("Line30", 46);
    line("Line29", 54);
    line("Line1", 62);
    line("Line3", 70);
    line("Line23", 230);
    line("Line25", 238);
    line("Line26", 246);
    line("Line28", 254);
    line("Line27", 262);
    line("Line24", 270);
    memo("txtGen_01", {31, 13, 6, 4.4}, 9, centred, "X");
    memo("txtGen_31", {271, 13, 5.2, 4.4}, 9, centred, "X");
    memo("txtFeb_29", {255, 19, 6, 4.4}, 9, centred, "X");
    memo("txtMar_01", {31, 25, 6, 4.4}, 9, centred, "X");
    memo("txtApr_30", {263, 31, 6, 4.4}, 9, centred, "X");
    memo("txtDic_31", {271, 79, 5.2, 4.4}, 9, centred, "X");
    shape("Shape5", {1, 89, 29, 6}, kBeige);
    memo("Memo14", {2, 89.7, 27, 4.4}, 9, left, "Veicolo:");
    shape("Shape16", {32, 89, 118, 6}, Qt::white);
    memo("txtVeicolo", {33, 89.7, 116, 4.4}, 9, left, "");
    shape("Shape17", {1, 97, 29, 6}, kBeige);
    memo("Memo16", {2, 97.7, 27, 4.4}, 9, left, "Modello:");
    shape("Shape18", {32, 97, 118, 6}, Qt::white);
    memo("txtModello", {33, 97.7, 116, 4.4}, 9, left, "");
    shape("Shape19", {1, 105, 29, 6}, kBeige);
    memo("Memo15", {2, 105.7, 27, 4.4}, 9, left, "Targa:");
    shape("Shape20", {32, 105, 37, 6}, Qt::white);
    memo("txtTarga", {33, 105.7, 35, 4.4}, 9, left, "");
    shape("Shape23", {1, 120, 276, 5.8}, kGold);
    memo("txtCalce", {2, 121, 274, 4.2}, 8, top, "Data e ora stampa");
}

void TestPlanningLayout::objects() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRectF, rectMm);
    QFETCH(QColor, fill);
    QFETCH(int, points);
    QFETCH(Qt::Alignment, align);
    QFETCH(QString, text);
    const auto report = makePlanningAnnuale();
    const platform::ReportObject* object = report->findObject(name);
    QVERIFY(object);
    const QRectF r = object->rect();
    // Within a thousandth of a millimetre of the layout's tenths.
    QVERIFY2(std::abs(r.x() / kUnitsPerMm - rectMm.x()) < 0.001,
             qPrintable(QString::number(r.x() / kUnitsPerMm)));
    QVERIFY(std::abs(r.y() / kUnitsPerMm - rectMm.y()) < 0.001);
    QVERIFY(std::abs(r.width() / kUnitsPerMm - rectMm.width()) < 0.001);
    QVERIFY(std::abs(r.height() / kUnitsPerMm - rectMm.height()) < 0.001);
    if (kind == "shape") {
        const auto* shape = dynamic_cast<const platform::ReportShape*>(object);
        QVERIFY(shape);
        QCOMPARE(shape->fillColor.alpha() == 0 ? kNone : shape->fillColor, fill);
    } else if (kind == "line") {
        QVERIFY(dynamic_cast<const platform::ReportLine*>(object));
    } else {
        const auto* memo = dynamic_cast<const platform::ReportMemo*>(object);
        QVERIFY(memo);
        QCOMPARE(memo->font.family(), QString("Arial"));
        QCOMPARE(memo->font.pointSize(), points);
        QVERIFY(!memo->font.bold());
        QCOMPARE(memo->alignment, align);
        QCOMPARE(memo->text(), text);
        QVERIFY(!memo->expressions);
        QVERIFY(!memo->wordWrap);
        QVERIFY(!memo->frame);
        QCOMPARE(memo->fillColor.alpha(), 0);
        QCOMPARE(memo->textColor, QColor(Qt::black));
    }
}

void TestPlanningLayout::dayMemos() {
    const auto report = makePlanningAnnuale();
    QCOMPARE(report->pages().size(), size_t(1));
    const platform::ReportPage& page = *report->pages().front();
    QCOMPARE(page.name(), QString("Page1"));
    QCOMPARE(page.orientation, QPageLayout::Landscape);
    QCOMPARE(page.paperMm, QSizeF(210, 297));
    for (double margin : page.marginMm)
        QCOMPARE(margin, 10.0);
    QCOMPARE(report->name(), QString("Planning Annuale"));
    QVERIFY(report->previewMaximised);
    QCOMPARE(report->previewZoom, 1.0);
    // 366 day memos, February's 29th on every sheet, and none for the seven days no year has.
    const char* months[] = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu",
                            "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
    int memos = 0;
    QStringList missing;
    for (const char* month : months)
        for (int day = 1; day <= 31; ++day) {
            const QString name = QString("txt%1_%2").arg(month).arg(day, 2, 10, QChar('0'));
            if (report->findMemo(name))
                ++memos;
            else
                missing << name;
        }
    QCOMPARE(memos, 366);
    QCOMPARE(missing,
             (QStringList{"txtFeb_30", "txtFeb_31", "txtApr_31", "txtGiu_31", "txtSet_31", "txtNov_31"}));
    QCOMPARE(dayMemoName(60), QString("txtFeb_29"));
    QCOMPARE(dayMemoName(366), QString("txtDic_31"));
    // Every object on the page, once; nothing below 125.8 mm.
    const auto& objects = page.bands().front()->objects();
    QCOMPARE(objects.size(), size_t(12 + 5 + 12 + 31 + 31 + 12 + 366));
    QSet<QString> names;
    int lines = 0;
    for (const auto& object : objects) {
        names.insert(object->name());
        QVERIFY(object->rect().bottom() / kUnitsPerMm <= 125.8 + 0.001);
        lines += dynamic_cast<const platform::ReportLine*>(object.get()) ? 1 : 0;
    }
    QCOMPARE(names.size(), int(objects.size()));
    QCOMPARE(lines, 31);
    QVERIFY(!report->findObject("Memo5"));
}

void TestPlanningLayout::drawingOrder() {
    const auto report = makePlanningAnnuale();
    auto at = [&](const char* name) { return indexOf(*report, name); };
    const QStringList firsts{"Shape15", "Shape14",   "Shape13", "Shape12", "Shape11", "Shape10",
                             "Shape9",  "Shape8",    "Shape7",  "Shape6",  "Shape4",  "Shape3",
                             "Shape1",  "txtTitolo", "Shape2",  "Shape23", "txtCalce"};
    for (int i = 0; i < firsts.size(); ++i)
        QCOMPARE(indexOf(*report, firsts[i]), i);
    // Month labels and 28 lines, then the numbers from 31 down, then three lines over them.
    for (const char* name : {"Memo1", "Memo13", "Line2", "Line1", "Line27", "Line24"})
        QVERIFY2(at(name) > at("txtCalce") && at(name) < at("tit_31"), name);
    for (int day = 31; day > 1; --day)
        QCOMPARE(at(qPrintable(QString("tit_%1").arg(day - 1, 2, 10, QChar('0')))),
                 at(qPrintable(QString("tit_%1").arg(day, 2, 10, QChar('0')))) + 1);
    QCOMPARE(at("Line29"), at("tit_01") + 1);
    QCOMPARE(at("Line30"), at("tit_01") + 2);
    QCOMPARE(at("Line31"), at("tit_01") + 3);
    // The vehicle block row by row, then the day memos in calendar order, last of all.
    const QStringList block{"Shape5",  "Memo14",     "Shape16", "txtVeicolo", "Shape17", "Memo16",
                            "Shape18", "txtModello", "Shape19", "Memo15",     "Shape20", "txtTarga"};
    const int blockStart = at("Shape5");
    QVERIFY(blockStart > at("tit_01"));
    for (int i = 0; i < block.size(); ++i)
        QCOMPARE(indexOf(*report, block[i]), blockStart + i);
    for (int slot = 1; slot <= 366; ++slot)
        QCOMPARE(indexOf(*report, dayMemoName(slot)), blockStart + int(block.size()) + slot - 1);
}

void TestPlanningLayout::fill_data() {
    QTest::addColumn<QList<int>>("booked");
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("makeModel");
    QList<int> leapYear;
    for (int slot = 1; slot <= 366; ++slot)
        leapYear << slot;
    QList<int> commonYear = leapYear;
    commonYear.removeAll(60);
    QTest::newRow("nothing booked") << QList<int>{} << "Fiat"
                                    << "Panda"
                                    << "Fiat Panda";
    QTest::newRow("leap year, every day") << leapYear << "Fiat"
                                          << "Panda"
                                          << "Fiat Panda";
    QTest::newRow("common year, every day it has") << commonYear << ""
                                                   << ""
                                                   << " ";
    QTest::newRow("around February's end") << QList<int>{59, 61} << ""
                                           << "Ducato"
                                           << " Ducato";
}

void TestPlanningLayout::fill() {
    QFETCH(QList<int>, booked);
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(QString, makeModel);
    const auto report = makePlanningAnnuale();
    report->pages().front()->orientation = QPageLayout::Portrait;
    PlannerSheet sheet = sheetWith({});
    for (int slot : booked)
        sheet.booked.set(size_t(slot - 1));
    sheet.make = make;
    sheet.model = model;
    fillPlanningAnnuale(*report, sheet);
    QCOMPARE(report->pages().front()->orientation, QPageLayout::Landscape);
    QCOMPARE(report->findMemo("txtTitolo")->text(), QString("PLANNER PRENOTAZIONI ANNO 2024"));
    QCOMPARE(report->findMemo("txtVeicolo")->text(), QString("Autovettura"));
    QCOMPARE(report->findMemo("txtModello")->text(), makeModel);
    QCOMPARE(report->findMemo("txtTarga")->text(), QString("AB123CD"));
    QCOMPARE(report->findMemo("txtCalce")->text(), sheet.printedOn);
    int marked = 0;
    for (int slot = 1; slot <= 366; ++slot) {
        const QString text = report->findMemo(dayMemoName(slot))->text();
        QCOMPARE(text, QString(booked.contains(slot) ? "X" : " "));
        marked += text == "X";
    }
    QCOMPARE(marked, int(booked.size()));
}

void TestPlanningLayout::layoutTextsNeverReachThePage() {
    const auto report = makePlanningAnnuale();
    PlannerSheet sheet = sheetWith({1, 366});
    sheet.vehicle = "Furgone [DATE] [PAGE#]";
    fillPlanningAnnuale(*report, sheet);
    report->prepare();
    QCOMPARE(report->preparedPages().size(), 1);
    const platform::PreparedPage& page = report->preparedPages().first();
    QCOMPARE(page.orientation, QPageLayout::Landscape);
    int xs = 0;
    for (const platform::PreparedItem& item : page.items) {
        QVERIFY(!item.lines.contains("PLANNER ANNUALE PRENOTAZIONI"));
        QVERIFY(!item.lines.contains("Data e ora stampa"));
        xs += item.lines.count("X");
    }
    QCOMPARE(xs, 2);
    QCOMPARE(page.linesOf("txtVeicolo"), QStringList{"Furgone [DATE] [PAGE#]"}); // printed as typed
    QCOMPARE(page.linesOf("txtFeb_29"), QStringList{" "});
    // The printable area's top left corner is the layout's origin.
    for (const platform::PreparedItem& item : page.items)
        if (item.name == "Shape1")
            QCOMPARE(item.rect.topLeft(), QPointF(11, 11) * kUnitsPerMm);
}

void TestPlanningLayout::pageAsImage() {
    const auto report = makePlanningAnnuale();
    fillPlanningAnnuale(*report, sheetWith({1, 2, 60, 366}));
    report->prepare();
    const QImage image = report->renderPageImage(0, 96);
    QCOMPARE(image.size(), QSize(1123, 794));
    if (!qEnvironmentVariableIsEmpty("VEICOLARIO_SAVE_IMAGES"))
        image.save(qEnvironmentVariable("VEICOLARIO_SAVE_IMAGES") + "/planning.png");
    // A point given in millimetres of the printable area.
    auto pixel = [&](double x, double y) {
        return QColor(image.pixel(int((10 + x) * kUnitsPerMm), int((10 + y) * kUnitsPerMm)));
    };
    auto darkIn = [&](double x, double y, double w, double h) {
        int dark = 0;
        for (int py = int((10 + y) * kUnitsPerMm) + 1; py < int((10 + y + h) * kUnitsPerMm); ++py)
            for (int px = int((10 + x) * kUnitsPerMm) + 1; px < int((10 + x + w) * kUnitsPerMm); ++px)
                dark += qGray(image.pixel(px, py)) < 128 ? 1 : 0;
        return dark;
    };
    QCOMPARE(pixel(152, 1.5), kLightSteelBlue);    // title band, beside the title
    QCOMPARE(pixel(5, 121.5), kGold);              // footer band
    QCOMPARE(pixel(32, 16), kBeige);               // January band, a booked cell's corner
    QCOMPARE(pixel(152, 21), QColor(Qt::white));   // February, no fill
    QCOMPARE(pixel(10, 130), QColor(Qt::white));   // below the sheet
    QVERIFY(darkIn(32, 13.5, 4, 3.5) > 10);        // 1 January booked
    QVERIFY(darkIn(256, 19.5, 4, 3.5) > 10);       // 29 February booked
    QCOMPARE(darkIn(40 + 8 * 4, 13.5, 4, 3.5), 0); // 6 January free: band colour only
    QCOMPARE(darkIn(264, 19.5, 4, 3.5), 0);        // 30 February: no memo at all
    QVERIFY(darkIn(272, 79.5, 4, 3.5) > 10);       // 31 December booked, narrow column
    QVERIFY(darkIn(33, 98, 40, 4) > 10);           // "Fiat Panda"
    QVERIFY(darkIn(20, 121, 240, 4) > 10);         // the footer text
    // The grid line at 30 mm runs from 7 to 84 mm across every band; right of the bands, nothing.
    const int lineX = int((10 + 30) * kUnitsPerMm);
    int rows = 0;
    int dark = 0;
    for (int py = int(17.5 * kUnitsPerMm); py < int(93.5 * kUnitsPerMm); ++py, ++rows)
        dark += (qGray(image.pixel(lineX, py)) < 128 || qGray(image.pixel(lineX + 1, py)) < 128) ? 1 : 0;
    QCOMPARE(dark, rows);
    QCOMPARE(darkIn(277.5, 0, 5, 130), 0);
    QVERIFY(darkIn(276.5, 12, 1, 70) > 200);
}

QTEST_MAIN(TestPlanningLayout)
#include "tst_planninglayout.moc"

#include "ModalAnswerer.h"
#include "common/Clock.h"
#include "common/ListWindow.h"
#include "common/Text.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace common;

namespace {

// A list window of the smallest kind: lines given by the test, find in list, print title "Prova".
class ProvaList : public ListWindow {
public:
    ProvaList() {
        auto* list = new QListView(this);
        list->setObjectName("lstRecords");
        auto* print = new QPushButton("Stampa", this);
        auto* closeButton = new QPushButton("Chiudi", this);
        find = new QLineEdit(this);
        find->setObjectName("txtTrova");
        findButton = new QPushButton("Trova", this);
        bindList(list, print, closeButton, find, findButton);
    }
    void fill(const QStringList& lines) { setLines(lines); }
    using ListWindow::setItemWidth;
    QLineEdit* find;
    QPushButton* findButton;
    static QString last;
    bool loads = true;
    QStringList loaded;

protected:
    bool hasLoadFromList() const override { return loads; }
    void loadChosen(const QString& chosen) override { loaded << chosen; }
    QString* UltimaRicerca() override { return &last; }
    QString printTitle() const override { return "Prova"; }
    void FormShow() override { resetFind(); }
};
QString ProvaList::last;

} // namespace

class TestListWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortOrder();
    void sortMatchesTheComparison();
    void sortOrders_data();
    void sortOrders();
    void find_data();
    void find();
    void findWindow();
    void doubleClick_data();
    void doubleClick();
    void printPreparesLayout_data();
    void printPreparesLayout();
    void itemWidth_data();
    void itemWidth();
};

void TestListWindow::sortOrder() {
    QStringList lines{QString::fromUtf8("Éclair"), "Zeta", "_x", "AUTOCARRO", "Autobus", "Auto"};
    sortLines(lines);
    QCOMPARE(lines, (QStringList{"Auto", "Autobus", "AUTOCARRO", "Zeta", "_x", QString::fromUtf8("Éclair")}));
    // A padded short value sorts before a longer one with the same beginning.
    QStringList padded{"Autobus  Fiat", "Auto     Fiat"};
    sortLines(padded);
    QCOMPARE(padded.first(), QString("Auto     Fiat"));
    // UTF-16 code units, not code points: a surrogate pair (D83D DE00) before U+FF21.
    QStringList units{QString::fromUtf8("x \uFF21"), QString::fromUtf8("x \U0001F600"), "x ~"};
    sortLines(units);
    QCOMPARE(units, (QStringList{"x ~", QString::fromUtf8("x \U0001F600"), QString::fromUtf8("x \uFF21")}));
}

void TestListWindow::sortMatchesTheComparison() {
    // Lines with long shared beginnings, case variants, prefixes, accents and duplicates: the fast sort
    // gives the order of CompareFolded, equal lines in file order.
    QRandomGenerator random(7);
    const QString alphabet = QString::fromUtf8("aAbB _[zZé");
    for (int round = 0; round < 20; ++round) {
        QStringList lines;
        const int count = random.bounded(1, 400);
        for (int i = 0; i < count; ++i) {
            QString line = random.bounded(2) ? QStringLiteral("Autovettura   Fiat ") : QString();
            const int length = random.bounded(0, 6);
            for (int k = 0; k < length; ++k)
                line += alphabet.at(random.bounded(int(alphabet.size())));
            lines << line;
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString& a, const QString& b) { return CompareFolded(a, b) < 0; });
        sortLines(lines);
        QCOMPARE(lines, expected);
    }
}

namespace {
QString units(std::initializer_list<char16_t> codes) {
    QString text;
    for (char16_t c : codes)
        text += QChar(c);
    return text;
}
QString run(char c, int n) {
    return QString(n, QLatin1Char(c));
}
} // namespace

void TestListWindow::sortOrders_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("only a-z fold, folded ties in file order") << QStringList{"_",
                                                                             "abc",
                                                                             "{",
                                                                             "ABC",
                                                                             "z",
                                                                             "Abc",
                                                                             "abd",
                                                                             "Z",
                                                                             QString::fromUtf8("é"),
                                                                             QString::fromUtf8("É")}
                                                              << QStringList{"abc",
                                                                             "ABC",
                                                                             "Abc",
                                                                             "abd",
                                                                             "z",
                                                                             "Z",
                                                                             "_",
                                                                             "{",
                                                                             QString::fromUtf8("É"),
                                                                             QString::fromUtf8("é")};
    QTest::newRow("lines as long as a key and one longer")
        << QStringList{run('a', 24) + "a", run('a', 24), run('a', 23),
                       run('A', 24) + " ", run('a', 48), run('A', 47)}
        << QStringList{run('a', 23),       run('a', 24), run('A', 24) + " ",
                       run('a', 24) + "a", run('A', 47), run('a', 48)};
    QTest::newRow("difference at the last unit of a key")
        << QStringList{run('x', 23) + "ba", run('x', 23) + "ab", run('x', 23) + "aa", run('x', 23) + "a"}
        << QStringList{run('x', 23) + "a", run('x', 23) + "aa", run('x', 23) + "ab", run('x', 23) + "ba"};
    QTest::newRow("difference at the first unit of the next key")
        << QStringList{run('x', 24) + "c", run('x', 24) + "B", run('x', 48) + "b", run('x', 48) + "A"}
        << QStringList{run('x', 24) + "B", run('x', 24) + "c", run('x', 48) + "A", run('x', 48) + "b"};
    QTest::newRow("units on both sides of 255 in code order")
        << QStringList{units({'x', 0x2000}), units({'x', 0x00FE}), units({'x', 0xFFFF}), units({'x', 0x00FF}),
                       units({'x', 0x0100}), units({'x', '~'}),    units({'x', 0x01FF}), units({'x', 0x00FD}),
                       units({'x', 0x20AC}), units({'x', 0x0200})}
        << QStringList{units({'x', '~'}),    units({'x', 0x00FD}), units({'x', 0x00FE}), units({'x', 0x00FF}),
                       units({'x', 0x0100}), units({'x', 0x01FF}), units({'x', 0x0200}), units({'x', 0x2000}),
                       units({'x', 0x20AC}), units({'x', 0xFFFF})};
    // 22 and 23 units leave too little of the first key for a unit above 254.
    for (int shared : {21, 22, 23}) {
        const QString p = run('a', shared);
        QTest::addRow("unit above 254 after %d shared units", shared)
            << QStringList{p + units({0x0100, 'b'}),
                           p + units({0x0100, 'a'}),
                           p + "z",
                           p + units({0x00FF, 'q'}),
                           p + units({0x0100}),
                           p + units({0x00FF, 0x0100}),
                           p + units({0x2000, 'a'}),
                           p + "zz"}
            << QStringList{p + "z",
                           p + "zz",
                           p + units({0x00FF, 'q'}),
                           p + units({0x00FF, 0x0100}),
                           p + units({0x0100}),
                           p + units({0x0100, 'a'}),
                           p + units({0x0100, 'b'}),
                           p + units({0x2000, 'a'})};
    }
    QTest::newRow("folded ties after lines that sort later")
        << QStringList{"zeta", "Alfa", "beta", "ALFA", "zeta", "alfa", "Beta", "aLFA"}
        << QStringList{"Alfa", "ALFA", "alfa", "aLFA", "beta", "Beta", "zeta", "zeta"};
    QTest::newRow("equal long lines in file order")
        << QStringList{run('q', 50) + "Fiat", "", run('Q', 50) + "FIAT", "b", run('q', 50) + "fiat", ""}
        << QStringList{"", "", "b", run('q', 50) + "Fiat", run('Q', 50) + "FIAT", run('q', 50) + "fiat"};
}

void TestListWindow::sortOrders() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QStringList sorted = lines;
    sortLines(sorted);
    QCOMPARE(sorted, expected);
    // The same lines many times over and shuffled, so large groups are split as well: the order of the
    // comparison, equal lines in file order.
    QStringList many;
    for (int copy = 0; copy < 40; ++copy)
        for (const QString& line : lines)
            many << line + (copy % 2 ? QString() : QStringLiteral(" "));
    QRandomGenerator random(11);
    std::shuffle(many.begin(), many.end(), random);
    QStringList reference = many;
    std::stable_sort(reference.begin(), reference.end(),
                     [](const QString& a, const QString& b) { return CompareFolded(a, b) < 0; });
    sortLines(many);
    QCOMPARE(many, reference);
}

void TestListWindow::find_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("lastAfter");
    // Lines: 0 "Auto Fiat", 1 "Furgone Iveco", 2 "Auto FIAT Punto", 3 "Moto"
    QTest::newRow("new text from the top, any case") << -1 << "fiat"
                                                     << "" << 0 << "fiat";
    QTest::newRow("new text restarts even below") << 2 << "FIAT"
                                                  << "iveco" << 0 << "fiat";
    QTest::newRow("repeat goes to the next hit") << 0 << "fiat"
                                                 << "fiat" << 2 << "fiat";
    QTest::newRow("repeat wraps to the top") << 2 << "Fiat"
                                             << "fiat" << 0 << "fiat";
    QTest::newRow("repeat, only hit is the selected line") << 1 << "iveco"
                                                           << "iveco" << 1 << "iveco";
    QTest::newRow("no hit keeps the selection") << 3 << "opel"
                                                << "" << 3 << "opel";
    QTest::newRow("empty text selects the first line") << -1 << ""
                                                       << "x" << 0 << "";
    QTest::newRow("leading blank as typed") << -1 << " punto"
                                            << "" << 2 << " punto";
    QTest::newRow("leading blank not at line start") << -1 << " moto"
                                                     << "" << 0 << " moto";
}

void TestListWindow::find() {
    QFETCH(int, selected);
    QFETCH(QString, typed);
    QFETCH(QString, last);
    QFETCH(int, expected);
    QFETCH(QString, lastAfter);
    const QStringList lines{"Auto Fiat", "Furgone Iveco", "Auto FIAT Punto", "Moto"};
    QCOMPARE(findInList(lines, selected, typed, last), expected);
    QCOMPARE(last, lastAfter);
}

void TestListWindow::findWindow() {
    ProvaList window;
    window.show();
    ProvaList::last = "vecchia";
    // An empty list: the plain notice, and the last find text stays.
    {
        testsupport::ModalAnswerer answerer({"OK"});
        QTest::mouseClick(window.findButton, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text,
                 QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QCOMPARE(answerer.seen.first().buttons, QStringList{"OK"});
        QCOMPARE(ProvaList::last, QString("vecchia"));
    }
    window.fill({"moto guzzi", "Auto Fiat", "auto fiat"});
    auto* list = window.findChild<QListView*>("lstRecords");
    QCOMPARE(list->font().family(), QString("Courier New"));
    QCOMPARE(list->font().pointSize(), 12);
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).width(), 1600); // long lines scroll sideways
    QCOMPARE(window.lines().first().toUpper(), QString("AUTO FIAT"));
    QCOMPARE(window.selectedIndex(), -1);
    QTest::keyClicks(window.find, "FIAT");
    QTest::keyClick(window.find, Qt::Key_Return);
    QCOMPARE(window.focusWidget(), window.findButton);
    QTest::mouseClick(window.findButton, Qt::LeftButton);
    QCOMPARE(window.selectedIndex(), 0);
    QTest::mouseClick(window.findButton, Qt::LeftButton);
    QCOMPARE(window.selectedIndex(), 1);
    QTest::mouseClick(window.findButton, Qt::LeftButton);
    QCOMPARE(window.selectedIndex(), 0);
    QCOMPARE(ProvaList::last, QString("fiat"));
    // Closing removes the lines; showing again empties the find text and the kind's last text.
    window.close();
    QVERIFY(window.lines().isEmpty());
    window.show();
    QCOMPARE(ProvaList::last, QString());
    QCOMPARE(window.find->text(), QString());
}

void TestListWindow::doubleClick_data() {
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("row"); // the line double-clicked; -1 for the empty part of the list
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<bool>("closes");
    QTest::newRow("on a line loads it and closes") << true << 1 << QStringList{"Furgone"} << true;
    QTest::newRow("where no line is closes") << true << -1 << QStringList{} << true;
    QTest::newRow("without load, a line is ignored") << false << 1 << QStringList{} << false;
    QTest::newRow("without load, the empty part is ignored") << false << -1 << QStringList{} << false;
}

void TestListWindow::doubleClick() {
    QFETCH(bool, loads);
    QFETCH(int, row);
    QFETCH(QStringList, loaded);
    QFETCH(bool, closes);
    ProvaList window;
    window.loads = loads;
    auto* list = window.findChild<QListView*>("lstRecords");
    list->setGeometry(0, 0, 400, 300);
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.fill({"Auto  ", "Moto", "Furgone"});
    // A line was selected before: a double-click where no line is must not load it.
    window.selectIndex(0);
    const QRect line = list->visualRect(list->model()->index(qMax(row, 0), 0));
    const QPoint at = row >= 0 ? line.center() : QPoint(20, list->viewport()->height() - 5);
    QVERIFY(row >= 0 || !list->indexAt(at).isValid());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(window.loaded, loaded);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.lines().isEmpty(), closes);
}

void TestListWindow::printPreparesLayout_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("100 lines") << 100 << 2;
}

void TestListWindow::printPreparesLayout() {
    QFETCH(int, count);
    QFETCH(int, pages);
    common::setTodayForTests(QDate(2026, 3, 10));
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QString("Auto %1").arg(i, 3, 10, QChar('0'));
    ProvaList window;
    window.fill(lines);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("lista.pdf");
    platform::setPrintDialogForTests([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly), Qt::LeftButton);
    platform::setPrintDialogForTests({});
    common::setTodayForTests(QDate());
    QVERIFY(QFile(pdf).size() > 0);

    platform::Report& report = window.frxReport();
    QCOMPARE(report.findMemo("txtTitolo")->text(), QString("Prova"));
    QCOMPARE(report.findMemo("txtRiepilogo")->lines(), lines);
    QVERIFY(qAbs(report.findMemo("txtRiepilogo")->height() - count * 12.822) < 1e-9);
    QVERIFY(qAbs(report.findBand("MasterData")->height() - (count * 12.822 + 10)) < 1e-9);
    const auto& prepared = report.preparedPages();
    QCOMPARE(int(prepared.size()), pages);
    QCOMPARE(prepared.first().orientation, QPageLayout::Landscape);
    QCOMPARE(prepared.first().linesOf("txtTitolo"), QStringList{"Prova"});
    QStringList printed;
    for (const auto& page : prepared)
        printed += page.linesOf("txtRiepilogo");
    QCOMPARE(printed, lines);
    QCOMPARE(prepared.last().linesOf("txtPagina"), QStringList{"Stampa eseguita in data 10/03/2026"});
}

void TestListWindow::itemWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("beforeFill");
    QTest::addColumn<int>("shown");
    QTest::newRow("default") << 0 << true << 1600;
    QTest::newRow("set before the lines") << 760 << true << 760;
    QTest::newRow("set with lines on show") << 760 << false << 760;
}

void TestListWindow::itemWidth() {
    QFETCH(int, width);
    QFETCH(bool, beforeFill);
    QFETCH(int, shown);
    ProvaList window;
    window.resize(900, 400);
    window.show();
    if (width && beforeFill)
        window.setItemWidth(width);
    window.fill({"riga uno", "riga due"});
    auto* list = window.findChild<QListView*>("lstRecords");
    QCOMPARE(list->visualRect(list->model()->index(1, 0)).width(), width && beforeFill ? shown : 1600);
    if (width && !beforeFill)
        window.setItemWidth(width);
    QTRY_COMPARE(list->visualRect(list->model()->index(1, 0)).width(), shown);
}

QTEST_MAIN(TestListWindow)
#include "tst_listwindow.moc"

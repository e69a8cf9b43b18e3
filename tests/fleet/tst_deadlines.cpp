#include "Controls.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "VehicleFixture.h"
#include "common/Clock.h"
#include "common/TfrmGuida.h"
#include "common/WindowRegistry.h"
#include "fleet/DeadlineList.h"
#include "fleet/TfrmMenuScadenze.h"
#include "fleet/VehicleLines.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListView>
#include <QTimer>
#include <QtTest>

using testsupport::child;

using namespace fleet::SchedaVeicolo;
using testsupport::VehicleFields;

namespace {

VehicleFields panda(const QString& revisione, const QString& plate = "AB123CD") {
    return {{Tipo, "Autovettura"},
            {Marca, "Fiat"},
            {Modello, "Panda"},
            {Targa, plate},
            {Chilometri, "12000"},
            {Proprietario, "Rossi Srl"},
            {ScadenzaRevisione, revisione}};
}

} // namespace

class TestDeadlines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { common::setTodayForTests(QDate(2026, 3, 10)); }
    void cleanup() { common::setTodayForTests(QDate()); }
    void lineFormat();
    void sevenDayRule_data();
    void sevenDayRule();
    void windowsDiffer_data();
    void windowsDiffer();
    void unreadableDateSkipsOnlyItsRecord();
    void missingArchiveIsCreatedEmpty();
    void doubleClickDoesNothing();
    void menuOpensListsAndReturns();
    void menuHelp();
    void menuKeepsItsCorners_data();
    void menuKeepsItsCorners();
};

void TestDeadlines::lineFormat() {
    const common::Record v = testsupport::vehicle({{Tipo, "  Autovettura  "},
                                                   {Marca, "Fiat"},
                                                   {Modello, "Panda 4x4 Cross"},
                                                   {Targa, "AB123CD"},
                                                   {ScadenzaBollo, "17/03/2026"},
                                                   {Chilometri, "123456789012"},
                                                   {Proprietario, "Rossi Trasporti S.r.l."}});
    const QString expected = "Autovettura         "
                             "  "
                             "Fiat Panda 4x4 Cross          "
                             "  Targa: "
                             "AB123CD     "
                             "  Scad. "
                             "17/03/2026"
                             "  Km: "
                             "1234567890"
                             "  Titolare: "
                             "Rossi Trasporti S.r.l.";
    QCOMPARE(fleet::deadlineLine(v, ScadenzaBollo), expected);
    // An empty make leaves a leading blank before the model.
    const common::Record noMake = testsupport::vehicle({{Tipo, "Moto"}, {Modello, "X"}});
    QCOMPARE(fleet::deadlineLine(noMake, ScadenzaBollo).mid(22, 30), QString(" X").leftJustified(30));
}

void TestDeadlines::sevenDayRule_data() {
    QTest::addColumn<QString>("due");
    QTest::addColumn<bool>("listed");
    QTest::newRow("today + 7") << "17/03/2026" << true;
    QTest::newRow("today + 8") << "18/03/2026" << false;
    QTest::newRow("today") << "10/03/2026" << true;
    QTest::newRow("start of the year") << "01/01/2026" << true;
    QTest::newRow("long past") << "31/12/1999" << true;
    QTest::newRow("next year") << "10/03/2027" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("not a date") << "31/02/2026" << false;
    QTest::newRow("garbage") << "presto" << false;
    QTest::newRow("day and month of one digit") << "1/3/2026" << true;
    QTest::newRow("trailing text") << "1/3/2026 x" << false;
    QTest::newRow("two-digit year") << "01/03/26" << false;
}

void TestDeadlines::sevenDayRule() {
    QFETCH(QString, due);
    QFETCH(bool, listed);
    testsupport::TestFolder folder;
    testsupport::writeVehicles({panda(due)});
    common::ArchiveFile archive = fleet::openVehicleArchive();
    QStringList lines;
    fleet::collectDeadlines(archive, ScadenzaRevisione, common::today(), lines);
    QCOMPARE(lines.size(), listed ? 1 : 0);
}

void TestDeadlines::windowsDiffer_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<QStringList>("plates");
    QTest::newRow("revisione")
        << 0 << " Veicoli con revisione in scadenza o scaduta"
        << "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni"
        << QStringList{"R1", "RB"};
    QTest::newRow("tagliando")
        << 1 << " Veicoli con tagliando in scadenza o scaduto"
        << "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni"
        << QStringList{};
    QTest::newRow("assicurazione")
        << 2 << " Veicoli con assicurazione in scadenza o scaduta"
        << "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni"
        << QStringList{"A1"};
    QTest::newRow("bollo")
        << 3 << " Veicoli con bollo in scadenza o scaduto"
        << "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni"
        << QStringList{"RB"};
}

void TestDeadlines::windowsDiffer() {
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(QString, explanation);
    QFETCH(QStringList, plates);
    testsupport::TestFolder folder;
    VehicleFields both = panda("01/03/2026", "RB");
    both[ScadenzaBollo] = "12/03/2026";
    VehicleFields insured = panda("", "A1");
    insured[ScadenzaAssicurazione] = "16/03/2026";
    insured[ScadenzaTagliando] = "30/03/2026";
    testsupport::writeVehicles({panda("17/03/2026", "R1"), both, insured});
    std::unique_ptr<fleet::DeadlineList> list;
    switch (which) {
    case 0:
        list = std::make_unique<TfrmScadRevisione>();
        break;
    case 1:
        list = std::make_unique<TfrmScadTagliando>();
        break;
    case 2:
        list = std::make_unique<TfrmScadAssicurazione>();
        break;
    default:
        list = std::make_unique<TfrmScadBollo>();
        break;
    }
    QCOMPARE(list->windowTitle(), caption);
    QCOMPARE(child<QLabel>(list, "lblRigo03")->text(), explanation);
    list->show();
    QStringList shown;
    for (const QString& line : list->lines())
        shown << line.mid(61, 12).trimmed();
    QCOMPARE(shown, plates);
    list->close();
    QVERIFY(list->lines().isEmpty());
}

void TestDeadlines::unreadableDateSkipsOnlyItsRecord() {
    testsupport::TestFolder folder;
    testsupport::writeVehicles({panda("01/03/2026", "P1"), panda("02/03/2026", "P2"), panda("3 marzo", "P3"),
                                panda("04/03/2026", "P4")});
    TfrmScadRevisione list;
    list.show();
    QCOMPARE(list.lines().size(), 3);
    QVERIFY(list.lines().at(2).contains("P4"));
}

void TestDeadlines::missingArchiveIsCreatedEmpty() {
    testsupport::TestFolder folder;
    TfrmScadBollo list;
    list.show();
    QVERIFY(list.lines().isEmpty());
    QVERIFY(folder.exists("Parco_Automezzi.pro"));
    QCOMPARE(folder.read("Parco_Automezzi.pro").size(), 0);
}

void TestDeadlines::doubleClickDoesNothing() {
    testsupport::TestFolder folder;
    testsupport::writeVehicles({panda("01/03/2026", "P1"), panda("02/03/2026", "P2")});
    TfrmScadRevisione list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    auto* view = testsupport::child<QListView>(&list, "lstRecords");
    const QPoint onLine = view->visualRect(view->model()->index(1, 0)).center();
    const QPoint empty(20, view->viewport()->height() - 5);
    QVERIFY(!view->indexAt(empty).isValid());
    for (const QPoint& at : {onLine, empty}) {
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(list.isVisible());
        QCOMPARE(list.lines().size(), 2);
    }
}

void TestDeadlines::menuOpensListsAndReturns() {
    testsupport::TestFolder folder;
    testsupport::writeVehicles({panda("01/03/2026")});
    auto* start = new QWidget;
    start->setObjectName("frmAvvio");
    common::WindowRegistry::instance().add(start);
    TfrmMenuScadenze menu;
    QCOMPARE(menu.windowTitle(), QString(" Veicolario - Scadenze Imminenti"));
    menu.show();
    QString seen;
    int lines = -1;
    QTimer::singleShot(0, this, [&] {
        auto* list = qobject_cast<fleet::DeadlineList*>(QApplication::activeModalWidget());
        QVERIFY(list);
        seen = list->objectName();
        lines = int(list->lines().size());
        QVERIFY(list->parentWidget() == &menu);
        QTest::mouseClick(child<QPushButton>(list, "btnChiudi"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(&menu, "btnRevisione"), Qt::LeftButton);
    QCOMPARE(seen, QString("frmScadRevisione"));
    QCOMPARE(lines, 1);
    QTest::mouseClick(child<QWidget>(&menu, "imgEsci"), Qt::LeftButton);
    QVERIFY(menu.isHidden());
    QVERIFY(!start->isHidden());
    common::WindowRegistry::instance().destroyAll();
}

void TestDeadlines::menuHelp() {
    TfrmMenuScadenze menu;
    QString title, text;
    QTimer::singleShot(0, this, [&] {
        auto* help = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget());
        QVERIFY(help);
        QVERIFY(help->parentWidget() == &menu);
        title = child<QLabel>(help, "lblTitolo")->text();
        text = child<QPlainTextEdit>(help, "txtGuida")->toPlainText();
        help->close();
    });
    QTest::mouseClick(child<QWidget>(&menu, "imgGuida"), Qt::LeftButton);
    QCOMPARE(title, QString("App Scadenze Imminenti"));
    QVERIFY(text.contains(QString::fromUtf8("già scaduti o in scadenza nei prossimi 7 giorni")));
    QVERIFY(text.startsWith("L'app Scadenze Imminenti tiene sotto controllo"));
}

void TestDeadlines::menuKeepsItsCorners_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("1366x768") << QSize(1366, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("designed size") << QSize(1024, 700);
}

void TestDeadlines::menuKeepsItsCorners() {
    QFETCH(QSize, size);
    TfrmMenuScadenze menu;
    menu.setWindowState(Qt::WindowNoState);
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.resize(size);
    QTRY_COMPARE(menu.size(), size);
    auto* help = testsupport::child<QAbstractButton>(&menu, "imgGuida");
    auto* exit = testsupport::child<QAbstractButton>(&menu, "imgEsci");
    auto* panel = testsupport::child<QWidget>(&menu, "pnlScadenze");
    // Help at the bottom left, exit at the bottom right, the four buttons in the middle.
    const QRect window = menu.rect();
    QCOMPARE(help->geometry().bottomLeft(), window.bottomLeft() + QPoint(16, -16));
    QCOMPARE(exit->geometry().bottomRight(), window.bottomRight() + QPoint(-16, -16));
    QVERIFY(qAbs(panel->geometry().center().x() - window.center().x()) <= 1);
    QVERIFY(qAbs(panel->geometry().center().y() - window.center().y()) <= 1);
    // Both carry their pictures, drawn as the other windows draw theirs.
    for (QAbstractButton* command : {help, exit}) {
        QVERIFY(!command->icon().isNull());
        QCOMPARE(command->iconSize(), QSize(32, 32));
    }
}

QTEST_MAIN(TestDeadlines)
#include "tst_deadlines.moc"

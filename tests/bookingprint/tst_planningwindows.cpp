#include "Boxes.h"
#include "Controls.h"
#include "ModalRun.h"
#include "bookingprint/Openers.h"
#include "bookingprint/PlanningAnnuale.h"
#include "bookingprint/TfrmAnteprimaPlanning.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "bookingprint/TfrmStampaPlanning.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "planner/TfrmPlanning.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(planner::PlannerHeader)

using testsupport::child;
using testsupport::runModal;

namespace {

using Bookings = QMap<int, QString>;

// The planner window, registered as the shared instance, with a header and some days booked.
struct OpenPlanner {
    TfrmPlanning* planning;
    OpenPlanner(const QString& year, const planner::PlannerHeader& header, const Bookings& days) {
        planning = new TfrmPlanning;
        common::WindowRegistry::instance().add(planning);
        planning->setYearAndVehicle(year, header);
        for (auto it = days.begin(); it != days.end(); ++it)
            planning->setDay(it.key(), it.value());
    }
    ~OpenPlanner() { common::WindowRegistry::instance().destroyAll(); }
};

const planner::PlannerHeader kPanda{"Autovettura", "Fiat", "Panda", "AB123CD"};

Bookings everyDay(bool leap) {
    Bookings days;
    for (int slot = 1; slot <= 366; ++slot)
        if (leap || slot != 60)
            days[slot] = QStringLiteral("Cliente %1").arg(slot);
    return days;
}

// Sends the print dialog's output to a PDF file; cancel answers Cancel instead.
struct PrintToPdf {
    QTemporaryDir dir;
    QString path;
    explicit PrintToPdf(bool cancel = false, const QString& where = {}) {
        path = where.isEmpty() ? dir.filePath("planner.pdf") : where;
        platform::setPrintDialogForTests([this, cancel](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return !cancel;
        });
    }
    ~PrintToPdf() { platform::setPrintDialogForTests({}); }
    bool printed() const { return QFile(path).size() > 0; }
};

} // namespace

class TestPlanningWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { common::setNowForTests(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))); }
    void cleanup() { common::setNowForTests({}); }
    void printWindowLayout_data();
    void printWindowLayout();
    void printFillsFromThePlanner_data();
    void printFillsFromThePlanner();
    void cancelledDialogStillCloses();
    void annullaDoesNothing();
    void failureShowsAnErrorAndStays();
    void previewShowsAndCloses();
    void summaryLines();
    void summaryFindKeepsItsText();
    void summaryPrint_data();
    void summaryPrint();
    void plannerCommandsOpenTheWindows();
};

void TestPlanningWindows::printWindowLayout_data() {
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("command");
    QTest::newRow("print") << false << " Stampa scheda corrente"
                           << "Stampa";
    QTest::newRow("preview") << true << " Anteprima di stampa"
                             << "Mostra anteprima";
}

void TestPlanningWindows::printWindowLayout() {
    QFETCH(bool, preview);
    QFETCH(QString, caption);
    QFETCH(QString, command);
    OpenPlanner open("2024", kPanda, {});
    std::unique_ptr<QDialog> window(preview ? static_cast<QDialog*>(new TfrmAnteprimaPlanning(open.planning))
                                            : new TfrmStampaPlanning(open.planning));
    window->show();
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(364, 287));
    auto* annulla = child<QPushButton>(window.get(), "btnAnnulla");
    auto* stampa = child<QPushButton>(window.get(), "btnStampa");
    QCOMPARE(annulla->text(), QString("Annulla"));
    QCOMPARE(stampa->text(), command);
    QCOMPARE(annulla->geometry(), QRect(18, 243, 137, 28));
    QCOMPARE(stampa->geometry(), QRect(208, 243, 137, 28));
    const QString name = preview ? "anteprimaplanning" : "stampaplanning";
    if (!qEnvironmentVariableIsEmpty("VEICOLARIO_SAVE_IMAGES"))
        window->grab().save(qEnvironmentVariable("VEICOLARIO_SAVE_IMAGES") + "/" + name + ".png");
}

void TestPlanningWindows::printFillsFromThePlanner_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<Bookings>("days");
    QTest::addColumn<planner::PlannerHeader>("header");
    QTest::addColumn<int>("xs");
    QTest::addColumn<QString>("makeModel");
    QTest::newRow("empty planner") << "2025" << Bookings{} << kPanda << 0 << "Fiat Panda";
    QTest::newRow("leap year, every day") << "2024" << everyDay(true) << kPanda << 366 << "Fiat Panda";
    QTest::newRow("common year, every day it has")
        << "2025" << everyDay(false) << planner::PlannerHeader{"Furgone", "", "", "ZZ999ZZ"} << 365 << " ";
}

void TestPlanningWindows::printFillsFromThePlanner() {
    QFETCH(QString, year);
    QFETCH(Bookings, days);
    QFETCH(planner::PlannerHeader, header);
    QFETCH(int, xs);
    QFETCH(QString, makeModel);
    OpenPlanner open(year, header, days);
    PrintToPdf pdf;
    TfrmStampaPlanning window(open.planning);
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "btnStampa"), Qt::LeftButton);
    QVERIFY(pdf.printed());
    QVERIFY(!window.isVisible());
    const platform::Report* sheet = window.repDocumento();
    QVERIFY(sheet);
    QCOMPARE(sheet->pages().front()->orientation, QPageLayout::Landscape);
    QCOMPARE(sheet->findMemo("txtTitolo")->text(), "PLANNER PRENOTAZIONI ANNO " + year);
    QCOMPARE(sheet->findMemo("txtVeicolo")->text(), header.veicolo);
    QCOMPARE(sheet->findMemo("txtModello")->text(), makeModel);
    QCOMPARE(sheet->findMemo("txtTarga")->text(), header.targa);
    QCOMPARE(sheet->findMemo("txtCalce")->text(),
             QString("Stampa eseguita in data 05/03/2024 alle ore 09:07:03"));
    int marked = 0;
    for (int slot = 1; slot <= 366; ++slot) {
        const QString text = sheet->findMemo(bookingprint::dayMemoName(slot))->text();
        QCOMPARE(text, QString(days.contains(slot) ? "X" : " "));
        marked += text == "X";
    }
    QCOMPARE(marked, xs);
    // Printing reads the planner and writes nothing into it.
    for (int slot = 1; slot <= 366; ++slot)
        QCOMPARE(open.planning->dayText(slot), days.value(slot));
}

void TestPlanningWindows::cancelledDialogStillCloses() {
    OpenPlanner open("2024", kPanda, {{1, "Rossi"}});
    PrintToPdf pdf(true);
    TfrmStampaPlanning window(open.planning);
    window.show();
    const auto run =
        runModal([&] { QTest::mouseClick(child<QPushButton>(&window, "btnStampa"), Qt::LeftButton); });
    QVERIFY(run.boxes.isEmpty());
    QVERIFY(!pdf.printed());
    QVERIFY(!window.isVisible());
}

void TestPlanningWindows::annullaDoesNothing() {
    OpenPlanner open("2024", kPanda, {{1, "Rossi"}});
    PrintToPdf pdf;
    TfrmStampaPlanning window(open.planning);
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "btnAnnulla"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!pdf.printed());
    QVERIFY(!window.repDocumento());
}

void TestPlanningWindows::failureShowsAnErrorAndStays() {
    OpenPlanner open("2024", kPanda, {{1, "Rossi"}});
    PrintToPdf pdf(false, "/nessuna/cartella/planner.pdf");
    TfrmStampaPlanning window(open.planning);
    window.show();
    const auto run = runModal(
        [&] { QTest::mouseClick(child<QPushButton>(&window, "btnStampa"), Qt::LeftButton); }, {}, {"OK"});
    COMPARE_ONE_BOX(run.boxes, platform::kPrintFailed, QMessageBox::Critical, "OK");
    QVERIFY(window.isVisible()); // the user may try again or cancel
    window.close();
}

void TestPlanningWindows::previewShowsAndCloses() {
    OpenPlanner open("2024", kPanda, {{60, "Bianchi"}});
    TfrmAnteprimaPlanning window(open.planning);
    window.show();
    const auto run =
        runModal([&] { QTest::mouseClick(child<QPushButton>(&window, "btnStampa"), Qt::LeftButton); },
                 [](QWidget* modal) {
                     if (!qEnvironmentVariableIsEmpty("VEICOLARIO_SAVE_IMAGES"))
                         modal->grab().save(qEnvironmentVariable("VEICOLARIO_SAVE_IMAGES") + "/preview.png");
                     child<QAction>(modal, "actChiudi")->trigger();
                 });
    QCOMPARE(run.windows, QStringList{"frmAnteprima"});
    QVERIFY(!window.isVisible());
    QCOMPARE(window.repDocumento()->findMemo("txtFeb_29")->text(), QString("X"));
    QCOMPARE(window.repDocumento()->findMemo("txtFeb_28")->text(), QString(" "));
}

void TestPlanningWindows::summaryLines() {
    OpenPlanner open("2024", kPanda,
                     {{366, "Verdi"}, {61, "  Neri  "}, {60, "Bianchi"}, {2, "Rossi  Mario"}});
    TfrmRiepPrenotazioni window(open.planning);
    window.show();
    QCOMPARE(window.windowTitle(), QString(" Riepilogo prenotazioni veicolo"));
    QCOMPARE(window.size(), QSize(862, 560));
    const QStringList expected{"02 gennaio     Rossi  Mario", "29 febbraio    Bianchi", "01 marzo       Neri",
                               "31 dicembre    Verdi"};
    QCOMPARE(window.lines(), expected);
    auto* list = child<QListView>(&window, "lstRecords");
    QCOMPARE(list->model()->rowCount(), 4);
    QCOMPARE(list->model()->index(3, 0).data().toString(), expected.last());
    QCOMPARE(list->model()->index(0, 0).data(Qt::SizeHintRole).toSize().width(), 760);
    QCOMPARE(window.selectedIndex(), -1);
    QCOMPARE(window.focusWidget(), child<QLineEdit>(&window, "txtTrova"));
    if (!qEnvironmentVariableIsEmpty("VEICOLARIO_SAVE_IMAGES"))
        window.grab().save(qEnvironmentVariable("VEICOLARIO_SAVE_IMAGES") + "/riepilogo.png");
    // The close clears the list; the planner is left as it was.
    QTest::mouseClick(child<QPushButton>(&window, "btnChiudi"), Qt::LeftButton);
    QVERIFY(window.lines().isEmpty());
    QCOMPARE(list->model()->rowCount(), 0);
    QCOMPARE(open.planning->dayText(61), QString("Neri"));
}

void TestPlanningWindows::summaryFindKeepsItsText() {
    OpenPlanner open("2024", kPanda, {{1, "Rossi"}, {2, "Rossi"}, {40, "Verdi"}});
    {
        TfrmRiepPrenotazioni first(open.planning);
        first.show();
        QTest::keyClicks(child<QLineEdit>(&first, "txtTrova"), "ROSSI");
        QTest::mouseClick(child<QPushButton>(&first, "btnTrova"), Qt::LeftButton);
        QCOMPARE(first.selectedIndex(), 0);
        first.close();
    }
    // A later summary remembers the text: the same text again goes on from the selected (first) line.
    TfrmRiepPrenotazioni second(open.planning);
    second.show();
    QCOMPARE(child<QLineEdit>(&second, "txtTrova")->text(), QString());
    QTest::keyClicks(child<QLineEdit>(&second, "txtTrova"), "rossi");
    QTest::mouseClick(child<QPushButton>(&second, "btnTrova"), Qt::LeftButton);
    QCOMPARE(second.selectedIndex(), 1);
    QTest::mouseClick(child<QPushButton>(&second, "btnTrova"), Qt::LeftButton);
    QCOMPARE(second.selectedIndex(), 0);
    second.close();
}

void TestPlanningWindows::summaryPrint_data() {
    QTest::addColumn<Bookings>("days");
    QTest::addColumn<planner::PlannerHeader>("header");
    QTest::addColumn<QString>("title");
    QTest::newRow("booked days") << Bookings{{1, "Rossi"}, {3, "Verdi"}} << kPanda
                                 << "Riepilogo prenotazioni veicolo Fiat Panda anno 2024";
    QTest::newRow("an empty list still prints")
        << Bookings{} << planner::PlannerHeader{"Furgone", "", "", "ZZ999ZZ"}
        << "Riepilogo prenotazioni veicolo   anno 2024";
}

void TestPlanningWindows::summaryPrint() {
    QFETCH(Bookings, days);
    QFETCH(planner::PlannerHeader, header);
    QFETCH(QString, title);
    OpenPlanner open("2024", header, days);
    PrintToPdf pdf;
    TfrmRiepPrenotazioni window(open.planning);
    window.show();
    const auto run =
        runModal([&] { QTest::mouseClick(child<QPushButton>(&window, "btnStampa"), Qt::LeftButton); });
    QVERIFY(run.boxes.isEmpty());
    QVERIFY(pdf.printed());
    QVERIFY(window.isVisible()); // the summary stays open after printing
    platform::Report& report = window.frxReport();
    QCOMPARE(report.findMemo("txtTitolo")->text(), title);
    QCOMPARE(report.findMemo("txtRiepilogo")->lines(), window.lines());
    QCOMPARE(report.findMemo("txtRiepilogo")->height(), 12.822 * double(days.size()));
    QCOMPARE(report.findBand("MasterData")->height(), 12.822 * double(days.size()) + 10);
    window.close();
}

void TestPlanningWindows::plannerCommandsOpenTheWindows() {
    OpenPlanner open("2024", kPanda, {{5, "Gialli"}});
    bookingprint::registerPlannerOpeners();
    struct Command {
        const char* handler;
        const char* window;
    };
    for (const Command& command : {Command{"cmdStampaClick", "frmStampaPlanning"},
                                   Command{"cmdAnteprimaClick", "frmAnteprimaPlanning"},
                                   Command{"cmdRiepilogoClick", "frmRiepPrenotazioni"}}) {
        QWidget* seenOwner = nullptr;
        const auto run = runModal([&] { QMetaObject::invokeMethod(open.planning, command.handler); },
                                  [&](QWidget* modal) {
                                      seenOwner = modal->parentWidget();
                                      auto* riepilogo = qobject_cast<TfrmRiepPrenotazioni*>(modal);
                                      if (riepilogo)
                                          QCOMPARE(riepilogo->lines(), QStringList{"05 gennaio     Gialli"});
                                      qobject_cast<QDialog*>(modal)->close();
                                  });
        QCOMPARE(run.windows, QStringList{command.window});
        QCOMPARE(seenOwner, open.planning);
    }
    // Each window was destroyed after it closed.
    QCOMPARE(open.planning->findChildren<QDialog*>().size(), 0);
}

QTEST_MAIN(TestPlanningWindows)
#include "tst_planningwindows.moc"

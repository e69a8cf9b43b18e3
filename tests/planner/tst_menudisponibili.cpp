#include "ModalAnswerer.h"
#include "PlannerFixture.h"
#include "common/Clock.h"
#include "common/Text.h"
#include "planner/VehicleChoice.h"
#include "platform/ProgramFolder.h"

#include <QScrollBar>
#include <QtTest>

using namespace fleet::SchedaVeicolo;
using testsupport::child;
using testsupport::VehicleFields;

namespace {

VehicleFields car(const QString& type, const QString& make, const QString& model, const QString& plate,
                  const QString& seats = "5", const QString& fuel = "Benzina") {
    return {{Tipo, type},   {Marca, make},  {Modello, model},
            {Targa, plate}, {Posti, seats}, {Alimentazione, fuel}};
}

QStringList listLines(TfrmMenuDisponibili* entry) {
    auto* list = child<QListView>(entry, "lstRecords");
    QStringList lines;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        lines.append(list->model()->index(i, 0).data().toString());
    return lines;
}

QString label(QWidget* w, const char* name) {
    return child<QLabel>(w, name)->text();
}

} // namespace

class TestMenuDisponibili : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { common::setTodayForTests(QDate(2026, 3, 10)); }
    void lineComposition_data();
    void lineComposition();
    void listSortedFoldedWithoutEmptyPlates();
    void longLinesScrollSideways();
    void showingResetsChoiceAndPresetsYear();
    void lookupLastEqualWinsByKeyboard();
    void apriRefusals_data();
    void apriRefusals();
    void apriHandsOverToPlanner();
    void yearKeys();
    void exitReturnsToStartMenu();
    void closingAfterFailedShowReturnsToStartMenu_data();
    void closingAfterFailedShowReturnsToStartMenu();
};

void TestMenuDisponibili::lineComposition_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("seats");
    QTest::addColumn<QString>("fuel");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "Auto"
                           << "Fiat"
                           << "Panda"
                           << "5"
                           << "Benzina"
                           << QString("Auto                  Fiat Panda                      Targa: AB123CD  "
                                      "       Posti: 5             Alim. Benzina");
    QTest::newRow("cuts") << "Autovettura a noleggio lungo"
                          << "Mercedes-Benz"
                          << "Sprinter 316 CDI lungo"
                          << "nove posti e mezzo"
                          << "Gasolio e metano insieme"
                          << QString("Autovettura a nolegg  Mercedes-Benz Sprinter 316 CDI  Targa: AB123CD  "
                                     "       Posti: nove posti e  Alim. Gasolio e metano insieme");
    QTest::newRow("empty fuel keeps blank")
        << "Auto"
        << ""
        << ""
        << ""
        << ""
        << QString("Auto                                                  Targa: "
                   "AB123CD         Posti:               Alim. ");
}

void TestMenuDisponibili::lineComposition() {
    QFETCH(QString, type);
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(QString, seats);
    QFETCH(QString, fuel);
    QFETCH(QString, line);
    const common::Record record = testsupport::vehicle(car(type, make, model, " AB123CD ", seats, fuel));
    QCOMPARE(planner::plannerVehicleLine(record), line);
    QCOMPARE(line.size(), 104 + common::Trim(fuel).size());
}

void TestMenuDisponibili::listSortedFoldedWithoutEmptyPlates() {
    testsupport::PlannerWindows w;
    testsupport::writeVehicles({car("furgone", "Iveco", "Daily", "FU1"), car("Auto", "Fiat", "Uno", "AU1"),
                                car("FURGONE", "Fiat", "Ducato", "FU2"), car("Auto", "Fiat", "Panda", "  "),
                                car("auto", "Alfa", "Giulia", "AU2")});
    w.entry->show();
    const QStringList lines = listLines(w.entry);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith("auto                  Alfa Giulia"));
    QVERIFY(lines[1].startsWith("Auto                  Fiat Uno"));
    QVERIFY(lines[2].startsWith("FURGONE               Fiat Ducato"));
    QVERIFY(lines[3].startsWith("furgone               Iveco Daily"));
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK")) {
        auto* list = child<QListView>(w.entry, "lstRecords");
        list->setCurrentIndex(list->model()->index(1, 0));
        w.entry->setWindowState(Qt::WindowNoState);
        w.entry->resize(1016, 713);
        w.entry->grab().save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/entry.png");
    }
}

void TestMenuDisponibili::longLinesScrollSideways() {
    testsupport::PlannerWindows w;
    testsupport::writeVehicles({car("Auto", "Fiat", "Uno", "AU1"),
                                car("Camper", "Mercedes", "Sprinter", "CA1", "6", QString(50, 'G'))});
    w.entry->show();
    auto* list = child<QListView>(w.entry, "lstRecords");
    const QFontMetrics metrics = list->fontMetrics();
    // Every line is as wide as the longest one, at least the list's 910: nothing is cut short.
    for (int row = 0; row < 2; ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        QVERIFY(index.data(Qt::SizeHintRole).toSize().width() >= 910);
        QVERIFY(index.data(Qt::SizeHintRole).toSize().width() >=
                metrics.horizontalAdvance(listLines(w.entry).at(1)));
    }
    QCOMPARE(list->textElideMode(), Qt::ElideNone);
    QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
}

void TestMenuDisponibili::showingResetsChoiceAndPresetsYear() {
    testsupport::PlannerWindows w;
    w.entry->show();
    // A missing archive is created empty; the list is empty.
    QVERIFY(w.folder.exists(fleet::kVehicleArchive));
    QCOMPARE(listLines(w.entry).size(), 0);
    QCOMPARE(child<QLineEdit>(w.entry, "txtAnnoFatture")->text(), QString("2026"));
    QCOMPARE(label(w.entry, "lblMemory"), QString("avvio"));
    QCOMPARE(child<QLineEdit>(w.entry, "txtAnnoFatture")->maxLength(), 4);

    testsupport::writeVehicles({car("Auto", "Fiat", "Panda", "AB123CD")});
    w.entry->hide();
    w.entry->show();
    auto* list = child<QListView>(w.entry, "lstRecords");
    list->setCurrentIndex(list->model()->index(0, 0));
    QCOMPARE(label(w.entry, "lblTarga"), QString("AB123CD"));
    QVERIFY(!child<QWidget>(w.entry, "icoMano")->isHidden());
    child<QLineEdit>(w.entry, "txtAnnoFatture")->setText("1999");
    w.entry->hide();
    w.entry->show();
    QCOMPARE(label(w.entry, "lblTarga"), QString());
    QCOMPARE(label(w.entry, "lblVeicolo"), QString());
    QVERIFY(child<QWidget>(w.entry, "icoMano")->isHidden());
    QVERIFY(!list->selectionModel()->hasSelection());
    QCOMPARE(child<QLineEdit>(w.entry, "txtAnnoFatture")->text(), QString("2026"));
}

void TestMenuDisponibili::lookupLastEqualWinsByKeyboard() {
    testsupport::PlannerWindows w;
    // Two records give the same line; the later one fills the labels. The model differs only in trailing
    // characters cut by the 30-character piece.
    testsupport::writeVehicles({car("Auto", "Fiat", "Panda", "AA111AA"),
                                car(" Auto ", "Mercedes-Benz", "Sprinter 316 CDI lungo", "ZZ999ZZ"),
                                car("Auto", "Mercedes-Benz", "Sprinter 316 CDI corto", "ZZ999ZZ")});
    w.entry->show();
    auto* list = child<QListView>(w.entry, "lstRecords");
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QCOMPARE(label(w.entry, "lblTarga"), QString("AA111AA"));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(label(w.entry, "lblModello"), QString("Sprinter 316 CDI corto"));
    QCOMPARE(label(w.entry, "lblMarca"), QString("Mercedes-Benz"));
    QCOMPARE(label(w.entry, "lblVeicolo"), QString("Auto"));
    QVERIFY(!child<QWidget>(w.entry, "icoMano")->isHidden());
}

void TestMenuDisponibili::apriRefusals_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("vehicles");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<QString>("plate");
    QTest::addColumn<QString>("warning");
    const QString yearWarning = "Attenzione: indicare l'anno solare utilizzando quattro cifre.";
    const QString emptyWarning = QString::fromUtf8(
        "Attenzione: l'elenco dei veicoli non contiene nessuna voce.\n\r\n\rPer poter utilizzare il planner "
        "delle prenotazioni è necessario registrare almeno un veicolo nel parco automezzi.");
    const QString chooseWarning =
        "Attenzione: selezionare un veicolo dall'elenco prima di premere il pulsante Apri.";
    QTest::newRow("three digits before empty list") << "202" << false << false << "AB1" << yearWarning;
    QTest::newRow("letters in the year") << "20a6" << true << true << "AB1" << yearWarning;
    QTest::newRow("empty list") << "2026" << false << false << "AB1" << emptyWarning;
    QTest::newRow("no choice") << "2026" << true << false << "AB1" << chooseWarning;
    QTest::newRow("plate with slash")
        << "2026" << true << true << "AB/1"
        << QString::fromUtf8("Attenzione: la targa del veicolo contiene caratteri che non possono "
                             "comparire nel nome di un file (/ \\ : * ? \" < > |).\n\r\n\rPer poter "
                             "utilizzare il planner delle prenotazioni è necessario correggere la "
                             "targa nella scheda del veicolo.");
}

void TestMenuDisponibili::apriRefusals() {
    QFETCH(QString, year);
    QFETCH(bool, vehicles);
    QFETCH(bool, choose);
    QFETCH(QString, plate);
    QFETCH(QString, warning);
    testsupport::PlannerWindows w;
    if (vehicles)
        testsupport::writeVehicles({car("Auto", "Fiat", "Panda", plate)});
    w.entry->show();
    if (choose) {
        auto* list = child<QListView>(w.entry, "lstRecords");
        list->setCurrentIndex(list->model()->index(0, 0));
    }
    child<QLineEdit>(w.entry, "txtAnnoFatture")->setText(year);
    testsupport::ModalAnswerer answerer;
    child<QPushButton>(w.entry, "btnApriFatture")->click();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, warning);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen[0].buttons, QStringList({"OK", "Annulla"}));
    QVERIFY(w.entry->isVisible());
    QVERIFY(!w.planning->isVisible());
    QCOMPARE(label(w.entry, "lblMemory"), QString("avvio"));
    QCOMPARE(label(w.entry, "lblFile"), QString());
}

void TestMenuDisponibili::apriHandsOverToPlanner() {
    testsupport::PlannerWindows w;
    testsupport::writeVehicles({car(" Furgone ", "Iveco", "Daily", "AB 123.CD")});
    w.open(0, "2027");
    QCOMPARE(label(w.entry, "lblFile"),
             platform::programFolder() + "Prenotazioni veicolo targa AB 123.CD anno 2027.pln");
    QVERIFY(!w.entry->isVisible());
    QVERIFY(w.planning->isVisible());
    QCOMPARE(w.planning->windowTitle(), QString(" Veicolario - Planner prenotazioni anno 2027"));
    QCOMPARE(w.planning->year(), QString("2027"));
    QCOMPARE(w.planning->vehicle(), QString("Furgone"));
    QCOMPARE(w.planning->make(), QString("Iveco"));
    QCOMPARE(w.planning->model(), QString("Daily"));
    QCOMPARE(w.planning->plate(), QString("AB 123.CD"));
    QVERIFY(w.folder.exists("Prenotazioni veicolo targa AB 123.CD anno 2027.pln"));
    // The planner returns to the start menu, not to the entry window.
    w.planning->close();
    QVERIFY(w.avvio->isVisible());
    QVERIFY(!w.entry->isVisible());
}

void TestMenuDisponibili::yearKeys() {
    testsupport::PlannerWindows w;
    testsupport::writeVehicles({car("Auto", "Fiat", "Panda", "AB1")});
    w.entry->show();
    QVERIFY(QTest::qWaitForWindowActive(w.entry));
    auto* year = child<QLineEdit>(w.entry, "txtAnnoFatture");
    year->setFocus();
    year->clear();
    QTest::keyClicks(year, "2a0 -2.9x5");
    QCOMPARE(year->text(), QString("2029"));
    QTest::keyClick(year, Qt::Key_Backspace);
    QCOMPARE(year->text(), QString("202"));
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(w.entry, "btnApriFatture"));
    QVERIFY(w.entry->isVisible());
    QVERIFY(!w.planning->isVisible());
}

void TestMenuDisponibili::exitReturnsToStartMenu() {
    testsupport::PlannerWindows w;
    w.entry->show();
    child<QAbstractButton>(w.entry, "imgEsci")->click();
    QVERIFY(!w.entry->isVisible());
    QVERIFY(w.avvio->isVisible());
    QVERIFY(!w.planning->isVisible());
}

void TestMenuDisponibili::closingAfterFailedShowReturnsToStartMenu_data() {
    QTest::addColumn<bool>("byEsci");
    QTest::newRow("Esci") << true;
    QTest::newRow("window closed") << false;
}

void TestMenuDisponibili::closingAfterFailedShowReturnsToStartMenu() {
    QFETCH(bool, byEsci);
    testsupport::PlannerWindows w;
    testsupport::writeVehicles({car("Auto", "Fiat", "Panda", "AB1")});
    w.open(0, "2026");
    w.planning->setDay(3, "Rossi");
    w.planning->close();
    const QString planner = w.fileName("AB1", "2026");
    const QByteArray stored = w.folder.read(planner);
    QCOMPARE(stored.mid(0, 5), QByteArray("\x04"
                                          "Auto"));

    // The vehicle archive cannot be opened the next time: no vehicle can be chosen.
    QVERIFY(QFile::remove(w.folder.path(fleet::kVehicleArchive)));
    QVERIFY(QDir(w.folder.folder()).mkdir(fleet::kVehicleArchive));
    w.avvio->hide();
    w.entry->show();
    if (byEsci)
        child<QAbstractButton>(w.entry, "imgEsci")->click();
    else
        w.entry->close();
    QVERIFY(!w.entry->isVisible());
    QVERIFY(w.avvio->isVisible());
    QVERIFY(!w.planning->isVisible());
    QCOMPARE(w.folder.read(planner), stored);
}

QTEST_MAIN(TestMenuDisponibili)
#include "tst_menudisponibili.moc"

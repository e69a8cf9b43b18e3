#include "Controls.h"
#include "ModalAnswerer.h"
#include "ModalRun.h"
#include "TestFolder.h"
#include "VehicleFixture.h"
#include "common/SearchWindow.h"
#include "common/WindowRegistry.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/VehicleLines.h"
#include "fleet/VehiclePhoto.h"

#include <QApplication>
#include <QTimer>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

using testsupport::child;

using namespace fleet::SchedaVeicolo;
using testsupport::VehicleFields;

namespace {

TfrmVeicolario* makeCard() {
    auto* card = new TfrmVeicolario;
    common::WindowRegistry::instance().add(card);
    return card;
}

QString cardText(QWidget* card, const char* name) {
    if (auto* e = card->findChild<QLineEdit*>(name))
        return e->text();
    return card->findChild<QLabel*>(name)->text();
}

VehicleFields car(const QString& type, const QString& make, const QString& plate) {
    return {{Tipo, type}, {Marca, make}, {Modello, "M"}, {Targa, plate}, {Proprietario, "Rossi"}};
}

} // namespace

class TestTrova : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { common::WindowRegistry::instance().destroyAll(); }
    void searchRule_data();
    void searchRule();
    void lineFormat();
    void noFilterListsEverySorted();
    void filtersFromTheWindow();
    void enterChainAndHighlights();
    void missingArchiveCountsZero();
    void archiveFailureStaysOnFilters();
    void pickVeicolarioLastEqualWins();
    void pickUnknownTagWritesNothing();
    void cardSearchCommandOpensPicker();
};

void TestTrova::searchRule_data() {
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("listed");
    const QStringList v{"Autovettura", "Servizio",   "Fiat", "Panda", "AB123CD", "", "", "",
                        "Rossi",       "da rivedere"};
    const QStringList none(10);
    auto with = [&](int i, const QString& text) {
        QStringList f = none;
        f[i] = text;
        return f;
    };
    QTest::newRow("no filter lists everything") << none << v << true;
    QTest::newRow("lower-case plate letters") << with(4, "ab") << v << true;
    QTest::newRow("inside the value") << with(3, "and") << v << true;
    QTest::newRow("no match") << with(2, "opel") << v << false;
    QTest::newRow("leading blank not at value start") << with(2, " fiat") << v << false;
    QStringList blanksOnNotes = with(2, "Opel");
    blanksOnNotes[9] = "  ";
    QTest::newRow("blank filter does not hit (mend)") << blanksOnNotes << v << false;
    QStringList blanksAndMatch = with(2, "fiat");
    blanksAndMatch[9] = " ";
    QTest::newRow("blank filter does not count") << blanksAndMatch << v << true;
    QStringList two = with(2, "fiat");
    two[8] = "bianchi";
    QTest::newRow("every filled filter must hit") << two << v << false;
    QStringList accent = v;
    accent[2] = QString::fromUtf8("città");
    QTest::newRow("accented capital does not fold") << with(2, QString::fromUtf8("CITTÀ")) << accent << false;
    QTest::newRow("accented same case") << with(2, QString::fromUtf8("ttà")) << accent << true;
}

void TestTrova::searchRule() {
    QFETCH(QStringList, filters);
    QFETCH(QStringList, values);
    QFETCH(bool, listed);
    QCOMPARE(common::countHits(filters, values) >= common::countFilters(filters), listed);
}

void TestTrova::lineFormat() {
    const common::Record v = testsupport::vehicle({{Tipo, "Autocarro con gru idraulica"},
                                                   {Marca, "Iveco"},
                                                   {Modello, "Daily"},
                                                   {Targa, "ZZ999ZZ"},
                                                   {Proprietario, "Bianchi"},
                                                   {Immatricolazione, "12/05/2019 (usato)"},
                                                   {Chilometri, "  98.500 circa "}});
    const QString expected = "Autocarro con gru id"
                             "  "
                             "Iveco Daily                   "
                             "  Targa: "
                             "ZZ999ZZ     "
                             "  Titolare: "
                             "Bianchi                       "
                             "  Anno: "
                             "12/05/2019"
                             "  Km: "
                             "98.500 circa";
    QCOMPARE(fleet::vehicleLine(v), expected);
    QCOMPARE(fleet::vehicleLine(testsupport::vehicle({})).size(), 139);
}

void TestTrova::noFilterListsEverySorted() {
    testsupport::TestFolder folder;
    testsupport::writeVehicles({car("Furgone", "Iveco", "F1"), car("auto", "fiat", "A1"),
                                car("Auto", "Fiat", "A2"), car("Autobus", "Setra", "B1")});
    TfrmTrovaAutomezzi w;
    w.show();
    QVERIFY(!child<QFrame>(&w, "panAvvio")->isHidden());
    QVERIFY(child<QFrame>(&w, "panContainer")->isHidden());
    QTest::mouseClick(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(&w, "lblConta")->text(), QString("0"));
    QCOMPARE(w.lines().size(), 4);
    QVERIFY(w.lines().at(0).startsWith("auto ") || w.lines().at(0).startsWith("Auto "));
    QVERIFY(w.lines().at(2).startsWith("Autobus"));
    QVERIFY(w.lines().at(3).startsWith("Furgone"));
    QCOMPARE(child<QLabel>(&w, "lblTrovate")->text(), QString("Il presente riepilogo contiene 4 schede"));
    QVERIFY(child<QFrame>(&w, "panAvvio")->isHidden());
    QVERIFY(!child<QFrame>(&w, "panContainer")->isHidden());
}

void TestTrova::filtersFromTheWindow() {
    testsupport::TestFolder folder;
    VehicleFields noted = car("Auto", "Opel", "N1");
    noted[Note] = "da rivedere";
    testsupport::writeVehicles({car("Auto", "Fiat", "F1"), noted, car("Auto", "fiat", "F2")});
    TfrmTrovaAutomezzi w;
    w.show();
    QTest::keyClicks(child<QLineEdit>(&w, "txtMarca"), "FIAT");
    QTest::keyClicks(child<QLineEdit>(&w, "txtNote"), "   ");
    QTest::mouseClick(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(&w, "lblConta")->text(), QString("1"));
    QCOMPARE(w.lines().size(), 2);
    QVERIFY(!w.lines().join("|").contains("Opel"));
    QCOMPARE(child<QLabel>(&w, "lblTrovate")->text(), QString("Il presente riepilogo contiene 2 schede"));
}

void TestTrova::enterChainAndHighlights() {
    testsupport::TestFolder folder;
    TfrmTrovaAutomezzi w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&w, "txtTipo"));
    QVERIFY(!child<QFrame>(&w, "effCampo01")->isHidden());
    const QList<QLineEdit*> order{
        child<QLineEdit>(&w, "txtDestinazione"), child<QLineEdit>(&w, "txtMarca"),
        child<QLineEdit>(&w, "txtModello"),      child<QLineEdit>(&w, "txtTarga"),
        child<QLineEdit>(&w, "txtStato"),        child<QLineEdit>(&w, "txtAutista"),
        child<QLineEdit>(&w, "txtMeccanico"),    child<QLineEdit>(&w, "txtProprietario"),
        child<QLineEdit>(&w, "txtNote"),         child<QLineEdit>(&w, "txtTipo")};
    for (QLineEdit* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    child<QLineEdit>(&w, "txtMarca")->setFocus();
    QVERIFY(!child<QFrame>(&w, "effCampo09")->isHidden());
    QVERIFY(child<QFrame>(&w, "effCampo01")->isHidden());
    // Pressing "Cerca" shows the wait label first; closing hides it.
    QTest::mousePress(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    QVERIFY(!child<QLabel>(&w, "lblAttendere")->isHidden());
    QTest::mouseRelease(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    QCOMPARE(w.focusWidget(), child<QLineEdit>(&w, "txtTrova"));
    w.close();
    QVERIFY(child<QLabel>(&w, "lblAttendere")->isHidden());
}

void TestTrova::missingArchiveCountsZero() {
    testsupport::TestFolder folder;
    TfrmTrovaAutomezzi w;
    w.show();
    QTest::mouseClick(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(&w, "lblTrovate")->text(), QString("Il presente riepilogo contiene 0 schede"));
    QVERIFY(folder.exists("Parco_Automezzi.pro"));
}

void TestTrova::archiveFailureStaysOnFilters() {
    testsupport::TestFolder folder;
    QVERIFY(QDir(folder.folder()).mkdir("Parco_Automezzi.pro"));
    TfrmTrovaAutomezzi w;
    w.show();
    testsupport::ModalAnswerer answerer({"OK"});
    QTest::mouseClick(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(
        answerer.seen.first().text,
        QString(
            "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
            "i privilegi di scrittura nella cartella di installazione del programma."));
    QCOMPARE(answerer.seen.first().buttons, QStringList{"OK"});
    QVERIFY(!child<QFrame>(&w, "panAvvio")->isHidden());
    QVERIFY(child<QFrame>(&w, "panContainer")->isHidden());
}

void TestTrova::pickVeicolarioLastEqualWins() {
    testsupport::TestFolder folder;
    VehicleFields first = car("Auto", "Fiat", "AA111AA");
    first[Colore] = "Rosso";
    first[File01] = "primo.pdf";
    VehicleFields second = first;
    second[Colore] = "Blu";
    second[File01] = "secondo.pdf";
    second[Note] = "ultimo";
    testsupport::writeVehicles({first, car("Moto", "Ducati", "M1"), second});
    TfrmVeicolario* card = makeCard();
    QDir().mkpath(fleet::photoFolder());
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(fleet::photoPath("3"), "JPG"));
    for (int chosen : {0, 1}) {
        TfrmTrovaAutomezzi w(card);
        child<QLabel>(&w, "lblMemory")->setText(" veicolario ");
        w.show();
        QTest::mouseClick(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
        QCOMPARE(w.lines().size(), 3);
        QCOMPARE(w.lines().at(0), w.lines().at(1));
        // A real double-click on the line.
        auto* view = testsupport::child<QListView>(&w, "lstRecords");
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                           view->visualRect(view->model()->index(chosen, 0)).center());
        QVERIFY(w.isHidden());
        QCOMPARE(cardText(card, "lblPosizione"), QString("3"));
        QCOMPARE(cardText(card, "txtColore"), QString("Blu"));
        QCOMPARE(cardText(card, "lblFile01"), QString("secondo.pdf"));
        QCOMPARE(cardText(card, "txtNote"), QString("ultimo"));
        QCOMPARE(cardText(card, "txtTarga"), QString("AA111AA"));
        QCOMPARE(cardText(card, "txtTelaio"), QString()); // every field is written, empty ones too
        QVERIFY(!card->photo().isPlaceholder());
        QCOMPARE(card->photo().picture().size(), QSize(40, 30));
        child<QLineEdit>(card, "txtTelaio")->setText("da sovrascrivere");
        card->photo().showPlaceholder();
    }
}

void TestTrova::pickUnknownTagWritesNothing() {
    testsupport::TestFolder folder;
    testsupport::writeVehicles({car("Auto", "Fiat", "AA111AA")});
    TfrmVeicolario* card = makeCard();
    TfrmTrovaAutomezzi w(card);
    child<QLabel>(&w, "lblMemory")->setText("Veicolario");
    w.show();
    QTest::mouseClick(child<QPushButton>(&w, "btnCerca"), Qt::LeftButton);
    w.selectIndex(0);
    w.lstRecordsDblClick();
    QVERIFY(w.isHidden());
    QCOMPARE(cardText(card, "txtTarga"), QString());
    QCOMPARE(cardText(card, "lblPosizione"), QString());
}

void TestTrova::cardSearchCommandOpensPicker() {
    testsupport::TestFolder folder;
    testsupport::writeVehicles({car("Auto", "Fiat", "AA111AA"), car("Moto", "Ducati", "MM222MM")});
    TfrmVeicolario* card = makeCard();
    card->show();
    QString tag, title;
    const testsupport::ModalRun run = testsupport::runModal(
        [&] { QTest::mouseClick(child<QToolButton>(card, "cmdTrova"), Qt::LeftButton); },
        [&](QWidget* modal) {
            auto* search = qobject_cast<TfrmTrovaAutomezzi*>(modal);
            QVERIFY(search);
            tag = child<QLabel>(search, "lblMemory")->text();
            title = search->windowTitle();
            QVERIFY(search->parentWidget() == card);
            QTest::keyClicks(child<QLineEdit>(search, "txtTarga"), "mm");
            QTest::mouseClick(child<QPushButton>(search, "btnCerca"), Qt::LeftButton);
            QCOMPARE(search->lines().size(), 1);
            search->selectIndex(0);
            search->lstRecordsDblClick();
        });
    QCOMPARE(run.windows, QStringList{"frmTrovaAutomezzi"});
    QCOMPARE(tag, QString("veicolario"));
    QCOMPARE(title, QString(" Trova schede veicoli in archivio"));
    QCOMPARE(child<QLineEdit>(card, "txtMarca")->text(), QString("Ducati"));
    QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), QString("2"));
}

QTEST_MAIN(TestTrova)
#include "tst_trova.moc"

#include "Controls.h"
#include "CostFixture.h"
#include "HelpCapture.h"
#include "ModalRun.h"
#include "RecordingDevice.h"
#include "TestFolder.h"
#include "common/CardPrint.h"
#include "common/Clock.h"
#include "costs/TfrmMenuRiepSpese.h"
#include "costs/TfrmRiepSpese.h"
#include "costs/TfrmStatCosti.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "platform/Chart.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QLineEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace costs::SchedaCosto;
using testsupport::child;
using testsupport::CostFields;
using testsupport::paid;

namespace {

using Texts = QMap<QString, QString>;

QString text(QWidget* window, const char* name) {
    if (auto* combo = window->findChild<QComboBox*>(name))
        return combo->currentText();
    if (auto* edit = window->findChild<QLineEdit*>(name))
        return edit->text();
    return child<QLabel>(window, name)->text();
}

void setText(QWidget* window, const QString& name, const QString& value) {
    if (auto* combo = window->findChild<QComboBox*>(name))
        combo->setEditText(value);
    else
        child<QLineEdit>(window, name)->setText(value);
}

TfrmMenuRiepSpese* makeQuery() {
    auto* query = new TfrmMenuRiepSpese;
    common::WindowRegistry::instance().add(query);
    query->show();
    return query;
}

// What a summary showed when it opened.
struct SeenSummary {
    QStringList lines;
    QString plate, interval, total, count;
};

testsupport::ModalRun openSummary(TfrmMenuRiepSpese* query, SeenSummary& seen,
                                  const std::function<void(TfrmRiepSpese*)>& more = {},
                                  const QStringList& answers = {}, testsupport::SeenHelp* help = nullptr) {
    return testsupport::runModal(
        [&] { QTest::mouseClick(child<QPushButton>(query, "btnVisualizza"), Qt::LeftButton); },
        [&](QWidget* modal) {
            // The summary's help, opened from more, can reach this poll before any other.
            if (help && testsupport::takeHelp(modal, *help))
                return;
            auto* summary = qobject_cast<TfrmRiepSpese*>(modal);
            QVERIFY(summary);
            seen.lines = summary->lines();
            seen.plate = text(summary, "titTipologia");
            seen.interval = text(summary, "lblIntervallo");
            seen.total = text(summary, "lblTotCosti");
            seen.count = text(summary, "lblConta");
            if (more)
                more(summary);
        },
        answers);
}

void setInterval(QWidget* query, const QString& from, const QString& to) {
    const QStringList a = from.split('/'), b = to.split('/');
    setText(query, "txtGiornoInizio", a.at(0));
    setText(query, "txtMeseInizio", costs::monthNames().at(a.at(1).toInt() - 1));
    setText(query, "txtGiornoFine", b.at(0));
    setText(query, "txtMeseFine", costs::monthNames().at(b.at(1).toInt() - 1));
}

QList<CostFields> periodFixture() {
    return {paid("28/02", "Fiat", "XAB1", "Revisione", "1,00"),
            paid("01/03", "Fiat", "XAB1", "Revisione", "2,50"),
            paid("15/03", "Opel", "AB22", "Revisione freni", "4,25"),
            paid("15/03", "Opel", "CD33", "Revisione", "8,00"),
            paid("20/03", "Fiat", "XAB1", "Bollo", "16,00"),
            paid("31/03", "Iveco", "ab9", "Revisione", "32,125"),
            paid("01/04", "Fiat", "XAB1", "Revisione", "64,00")};
}

} // namespace

class TestCostSummary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { common::setTodayForTests(QDate(2024, 6, 15)); }
    void cleanup() {
        platform::setPrintDialogForTests({});
        platform::setTextPromptAnswerForTests({});
        platform::setPrintTargetForTests({});
        common::WindowRegistry::instance().destroyAll();
    }
    void queryChecks_data();
    void queryChecks();
    void queryShowAndYearLabels();
    void selectionAndTotal_data();
    void selectionAndTotal();
    void partialReadShowsNothing();
    void summaryPrint();
    void lastFindLastsAcrossSummaries();
    void pickerRiepspesePlate();
    void chartExistsFromStartAndDrawsAtFirstShow();
    void monthlyTotals();
    void chartTypeKeptAndEmptyYear();
    void statisticsYearWarning();
    void statisticsFailureKeepsReachedTotals();
    void chartPrint();
    void chartPrintCopies_data();
    void chartPrintCopies();
    void helpTexts();
};

void TestCostSummary::queryChecks_data() {
    QTest::addColumn<Texts>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString valid =
        QString::fromUtf8("Per poter visualizzare il riepilogo è necessario indicare una data "
                          "valida.");
    QTest::newRow("three-digit year before valid dates") << Texts{{"txtAnno", "202"}}
                                                         << "Attenzione: indicare l'anno solare utilizzando "
                                                            "quattro cifre."
                                                         << "txtAnno";
    QTest::newRow("year of four characters, not digits")
        << Texts{{"txtAnno", "20 4"}, {"txtGiornoInizio", ""}}
        << "Attenzione: indicare l'anno solare utilizzando "
           "quattro cifre."
        << "txtAnno";
    QTest::newRow("start day") << Texts{{"txtGiornoInizio", " "}, {"txtMeseFine", ""}}
                               << "Attenzione: indicare il giorno di inizio intervallo selezionandolo "
                                  "dall'elenco a cascata."
                               << "txtGiornoInizio";
    QTest::newRow("start month") << Texts{{"txtMeseInizio", ""}}
                                 << "Attenzione: indicare il mese di inizio intervallo selezionandolo "
                                    "dall'elenco a cascata."
                                 << "txtMeseInizio";
    QTest::newRow("end day")
        << Texts{{"txtGiornoFine", ""}}
        << "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco "
           "a cascata."
        << "txtGiornoFine";
    QTest::newRow("end month")
        << Texts{{"txtMeseFine", ""}}
        << "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a "
           "cascata."
        << "txtMeseFine";
    QTest::newRow("31 February")
        << Texts{{"txtGiornoInizio", "31"}, {"txtMeseInizio", "Febbraio"}}
        << "Attenzione: la data 31/02/2024 di inizio intervallo non esiste.\n\r\n\r" + valid
        << "txtGiornoInizio";
    QTest::newRow("29 February of 2023")
        << Texts{{"txtAnno", "2023"}, {"txtGiornoFine", "29"}, {"txtMeseFine", "Febbraio"}}
        << "Attenzione: la data 29/02/2023 di fine intervallo non esiste.\n\r\n\r" + valid << "txtGiornoFine";
    QTest::newRow("end before start")
        << Texts{{"txtGiornoInizio", "10"}, {"txtGiornoFine", "05"}}
        << QString::fromUtf8("Attenzione: la data di fine intervallo (05/03/2024) non può essere anteriore a "
                             "quella di inizio intervallo (10/03/2024).\n\r\n\rPer poter visualizzare il "
                             "riepilogo è necessario indicare un intervallo di tempo valido.")
        << "";
}

void TestCostSummary::queryChecks() {
    QFETCH(Texts, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    testsupport::TestFolder folder;
    TfrmMenuRiepSpese* query = makeQuery();
    setInterval(query, "01/03", "31/03");
    for (auto it = fields.begin(); it != fields.end(); ++it)
        setText(query, it.key(), it.value());
    child<QWidget>(query, "txtTipologia")->setFocus();
    SeenSummary seen;
    const testsupport::ModalRun run = openSummary(query, seen);
    QVERIFY(run.windows.isEmpty());
    QCOMPARE(run.boxes.size(), 1);
    QCOMPARE(run.boxes.first().text, message);
    const bool plain = message.startsWith("Attenzione: la data");
    QCOMPARE(run.boxes.first().buttons, plain ? QStringList{"OK"} : QStringList({"OK", "Annulla"}));
    QCOMPARE(query->focusWidget()->objectName(), focus.isEmpty() ? QString("btnVisualizza") : focus);
    QVERIFY(child<QWidget>(query, "lblAttendere")->isHidden());
    QVERIFY(!folder.exists("2024.eur"));
}

void TestCostSummary::queryShowAndYearLabels() {
    testsupport::TestFolder folder;
    TfrmMenuRiepSpese* query = makeQuery();
    QCOMPARE(text(query, "txtAnno"), QString("2024"));
    QCOMPARE(text(query, "lblAnnoInizio"), QString("2024"));
    child<QLineEdit>(query, "txtAnno")->setText("2019"); // as a paste would
    QCOMPARE(text(query, "lblAnnoInizio"), QString("2019"));
    QCOMPARE(text(query, "lblAnnoFine"), QString("2019"));
    auto* plate = child<QLineEdit>(query, "txtTipologia");
    plate->clear();
    QTest::keyClicks(plate, "ab1 "); // upper case, the blank gone at its key release
    QCOMPARE(plate->text(), QString("AB1"));
    setText(query, "txtCausale", "Bollo");
    setInterval(query, "01/03", "31/03");
    query->hide();
    query->show();
    QCOMPARE(text(query, "txtAnno"), QString("2024"));
    QCOMPARE(text(query, "txtTipologia"), QString("AB1"));
    QCOMPARE(text(query, "txtCausale"), QString("Bollo"));
    QCOMPARE(text(query, "txtGiornoInizio"), QString());
    QCOMPARE(text(query, "txtMeseFine"), QString());
    testsupport::lookAt(query->grab().toImage(), "query");
}

void TestCostSummary::selectionAndTotal_data() {
    QTest::addColumn<QString>("plate");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("shownPlate");
    QTest::newRow("no filter, bounds included")
        << ""
        << "" << QStringList{"01/03", "15/03", "15/03", "20/03", "31/03"} << "62,875"
        << "Tutte le targhe in archivio";
    QTest::newRow("plate contained, any case")
        << "AB"
        << "" << QStringList{"01/03", "15/03", "20/03", "31/03"} << "54,875"
        << "AB";
    QTest::newRow("cause contained") << ""
                                     << "revisione" << QStringList{"01/03", "15/03", "15/03", "31/03"}
                                     << "46,875"
                                     << "Tutte le targhe in archivio";
    QTest::newRow("both, the plate as written") << "xab"
                                                << "Revisione" << QStringList{"01/03"} << "2,50"
                                                << "xab";
    QTest::newRow("blank cause neither counts nor matches") << "CD"
                                                            << "   " << QStringList{"15/03"} << "8,00"
                                                            << "CD";
    QTest::newRow("nothing") << "ZZ"
                             << "" << QStringList{} << "0,00"
                             << "ZZ";
}

void TestCostSummary::selectionAndTotal() {
    QFETCH(QString, plate);
    QFETCH(QString, cause);
    QFETCH(QStringList, dates);
    QFETCH(QString, total);
    QFETCH(QString, shownPlate);
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", periodFixture());
    TfrmMenuRiepSpese* query = makeQuery();
    setText(query, "txtTipologia", plate);
    setText(query, "txtCausale", cause);
    setInterval(query, "01/03", "31/03");
    SeenSummary seen;
    const testsupport::ModalRun run = openSummary(query, seen);
    QCOMPARE(run.windows, QStringList{"frmRiepSpese"});
    QVERIFY(run.boxes.isEmpty());
    QStringList found;
    for (const QString& line : seen.lines)
        found << line.mid(55, 5); // the date after make and model, "  Targa: ", plate and "  Data: "
    found.sort();
    QCOMPARE(found, dates);
    QCOMPARE(seen.total, total);
    QCOMPARE(seen.plate, shownPlate);
    QCOMPARE(seen.interval, QString("Dal   01/03/2024   al   31/03/2024"));
    QVERIFY(child<QWidget>(query, "lblAttendere")->isHidden());
}

void TestCostSummary::partialReadShowsNothing() {
    testsupport::TestFolder folder;
    QList<CostFields> costs = periodFixture();
    costs.insert(3, paid("16/03", "Fiat", "XAB1", "Bollo", "non un numero"));
    testsupport::writeCosts("2024", costs);
    TfrmMenuRiepSpese* query = makeQuery();
    setInterval(query, "01/03", "31/03");
    SeenSummary seen;
    const testsupport::ModalRun run = openSummary(query, seen);
    QVERIFY(run.windows.isEmpty()); // no partial list, no total
    QCOMPARE(run.boxes.size(), 1);
    QCOMPARE(run.boxes.first().text, QString("Attenzione: il file di archivio non risulta accessibile."));
    QCOMPARE(run.boxes.first().buttons, QStringList{"OK"});
    QVERIFY(child<QWidget>(query, "lblAttendere")->isHidden());
    // Outside the interval the same record is never read as an amount.
    setInterval(query, "01/01", "15/03");
    const testsupport::ModalRun again = openSummary(query, seen);
    QCOMPARE(again.windows, QStringList{"frmRiepSpese"});
    QCOMPARE(seen.lines.size(), 4);
}

void TestCostSummary::summaryPrint() {
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", periodFixture());
    TfrmMenuRiepSpese* query = makeQuery();
    setText(query, "txtTipologia", "CD");
    setInterval(query, "01/03", "31/03");
    platform::setPrintDialogForTests([](QPrinter&) { return false; });
    SeenSummary seen;
    QStringList memo;
    QString title;
    const testsupport::ModalRun run =
        openSummary(query, seen,
                    [&](TfrmRiepSpese* summary) {
                        testsupport::lookAt(summary->grab().toImage(), "summary");
                        QTest::mouseClick(child<QPushButton>(summary, "btnStampa"), Qt::LeftButton);
                        memo = summary->frxReport().findMemo("txtRiepilogo")->lines();
                        title = summary->frxReport().findMemo("txtTitolo")->text();
                    },
                    {QString::fromUtf8("Sì")});
    QCOMPARE(run.boxes.size(), 1);
    QCOMPARE(run.boxes.first().text, QString("Si vuole stampare il presente riepilogo?"));
    QCOMPARE(title, QString("Riepilogo costi sostenuti   -   Targa veicolo:  CD"));
    QCOMPARE(memo.size(), 4);
    QCOMPARE(memo.at(1), QString("- - - - - - - - - - - - - - - -"));
    QCOMPARE(memo.at(2), QString("INTERVALLO SELEZIONATO:        Dal   01/03/2024   al   31/03/2024"));
    QCOMPARE(memo.at(3), QString::fromUtf8("TOTALE COSTI SOSTENUTI:        € 8,00"));
    // An empty summary refuses to print.
    setText(query, "txtTipologia", "ZZ");
    const testsupport::ModalRun empty = openSummary(query, seen, [&](TfrmRiepSpese* summary) {
        QTest::mouseClick(child<QPushButton>(summary, "btnStampa"), Qt::LeftButton);
    });
    QCOMPARE(empty.boxes.size(), 1);
    QCOMPARE(empty.boxes.first().text,
             QString("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."));
    QCOMPARE(empty.boxes.first().icon, QMessageBox::Warning);
}

void TestCostSummary::lastFindLastsAcrossSummaries() {
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", periodFixture());
    TfrmMenuRiepSpese* query = makeQuery();
    setInterval(query, "01/03", "31/03");
    // The first two lines are the Fiat costs of 01/03 and 20/03.
    const auto findFiat = [](TfrmRiepSpese* summary, int& found) {
        child<QLineEdit>(summary, "txtTrova")->setText("Fiat");
        QTest::mouseClick(child<QPushButton>(summary, "btnTrova"), Qt::LeftButton);
        found = summary->selectedIndex();
    };
    SeenSummary seen;
    int first = -1, second = -1;
    openSummary(query, seen, [&](TfrmRiepSpese* summary) { findFiat(summary, first); });
    QCOMPARE(first, 0);
    // In a new summary the same text is a repeated find: it starts after the first line.
    openSummary(query, seen, [&](TfrmRiepSpese* summary) { findFiat(summary, second); });
    QCOMPARE(second, 1);
}

void TestCostSummary::pickerRiepspesePlate() {
    testsupport::TestFolder folder;
    {
        namespace V = fleet::SchedaVeicolo;
        common::ArchiveFile vehicles = fleet::openVehicleArchive();
        common::Record v(V::layout());
        v.set(V::Tipo, "Furgone");
        v.set(V::Marca, "Iveco");
        v.set(V::Modello, "Daily");
        v.set(V::Targa, "FF123GG");
        vehicles.append(v);
    }
    TfrmMenuRiepSpese* query = makeQuery();
    setText(query, "txtCausale", "Bollo");
    TfrmTrovaAutomezzi picker(query);
    picker.setCallerTag("riepspese");
    picker.show();
    QTest::mouseClick(child<QPushButton>(&picker, "btnCerca"), Qt::LeftButton);
    picker.selectIndex(0);
    picker.lstRecordsDblClick();
    QCOMPARE(text(query, "txtTipologia"), QString("FF123GG"));
    QCOMPARE(text(query, "txtCausale"), QString("Bollo"));
}

// The statistics window's chart is there, named and set up, as soon as the window is made; its plot, and Qt
// Charts with it, come with the first show.
void TestCostSummary::chartExistsFromStartAndDrawsAtFirstShow() {
    testsupport::TestFolder folder;
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    auto* chart = stats->findChild<platform::Chart*>("ChartStats");
    QVERIFY(chart);
    QCOMPARE(stats->chart(), chart);
    QCOMPARE(chart->seriesName(), QString("Series1"));
    QVERIFY(chart->view3D() && chart->orthogonal());
    QVERIFY(!chart->series());
    stats->show();
    QVERIFY(qobject_cast<QBarSeries*>(chart->series()));
    QCOMPARE(chart->series()->objectName(), QString("Series1"));
}

void TestCostSummary::monthlyTotals() {
    testsupport::TestFolder folder;
    QList<CostFields> costs{
        paid("05/01", "A", "1", "Bollo", "10,25"), paid("06/01", "A", "1", "Bollo", "0,25"),
        paid("07/02", "A", "1", "Bollo", "10,49"), paid("08/03", "A", "1", "Bollo", "0,5"),
        paid("09/04", "A", "1", "Bollo", "0,49"),  paid("10/12", "A", "1", "Bollo", "1999,99")};
    CostFields otherYear = paid("05/05", "A", "1", "Bollo", "7,00");
    otherYear[Data] = "05/05/2023";
    CostFields badMonth = paid("05/05", "A", "1", "Bollo", "non letto");
    badMonth[Data] = "05/13/2024";
    costs << otherYear << badMonth;
    testsupport::writeCosts("2024", costs);
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    QCOMPARE(text(stats, "txtAnno"), QString("2024"));
    QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton);
    QVERIFY(child<QWidget>(stats, "panAvvio")->isHidden());
    QVERIFY(!child<QWidget>(stats, "panContainer")->isHidden());
    QCOMPARE(text(stats, "lblTitolo"),
             QString("Rappresentazione grafica dei costi sostenuti nell'anno 2024."));
    const QStringList expected{"11", "10", "1", "0", "0", "0", "0", "0", "0", "0", "0", "2000"};
    const char* labels[] = {"memGennaio",   "memFebbraio", "memMarzo",    "memAprile",
                            "memMaggio",    "memGiugno",   "memLuglio",   "memAgosto",
                            "memSettembre", "memOttobre",  "memNovembre", "memDicembre"};
    for (int m = 0; m < 12; ++m)
        QCOMPARE(text(stats, labels[m]), expected.at(m));
    platform::Chart* chart = stats->chart();
    QCOMPARE(chart->objectName(), QString("ChartStats"));
    QCOMPARE(chart->seriesName(), QString("Series1"));
    QCOMPARE(chart->points().size(), 12);
    const QRgb colours[] = {0xFFFF0000, 0xFF0000FF, 0xFFFFFFFF, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                            0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(chart->points().at(m).value, expected.at(m).toDouble());
        QCOMPARE(chart->points().at(m).label, costs::monthNames().at(m));
        QCOMPARE(chart->points().at(m).colour.rgba(), colours[m]);
    }
    auto* bars = qobject_cast<QBarSeries*>(chart->series());
    QVERIFY(bars);
    QCOMPARE(bars->count(), 12);
    QCOMPARE(bars->barSets().at(11)->at(0), 2000.0);
    QVERIFY(bars->isLabelsVisible());
    // The header shows its picture.
    QVERIFY(!child<QLabel>(stats, "imgFattura")->pixmap().isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    testsupport::lookAt(stats->grab().toImage(), "stats-bars");
}

void TestCostSummary::chartTypeKeptAndEmptyYear() {
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {paid("05/01", "A", "1", "Bollo", "10,00")});
    auto* start = new QWidget;
    start->setObjectName("frmAvvio");
    common::WindowRegistry::instance().add(start);
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(stats, "btnTorta"), Qt::LeftButton);
    QVERIFY(qobject_cast<QPieSeries*>(stats->chart()->series()));
    QVERIFY(stats->chart()->view3D());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    testsupport::lookAt(stats->grab().toImage(), "stats-pie");
    QTest::mouseClick(child<QPushButton>(stats, "btnEsci"), Qt::LeftButton);
    QVERIFY(stats->isHidden());
    QVERIFY(!start->isHidden());
    stats->show();
    QVERIFY(!child<QWidget>(stats, "panAvvio")->isHidden());
    child<QLineEdit>(stats, "txtAnno")->setText("2031"); // no file: created empty, twelve zeros
    QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton);
    QVERIFY(folder.exists("2031.eur"));
    auto* pie = qobject_cast<QPieSeries*>(stats->chart()->series());
    QVERIFY(pie);
    QCOMPARE(pie->count(), 12);
    QCOMPARE(pie->slices().at(0)->value(), 0.0);
    QCOMPARE(pie->slices().at(0)->brush().gradient() != nullptr, true); // drawn with depth
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    testsupport::lookAt(stats->grab().toImage(), "stats-emptypie");
    QTest::mouseClick(child<QPushButton>(stats, "btnBarre"), Qt::LeftButton);
    QVERIFY(qobject_cast<QBarSeries*>(stats->chart()->series()));
    QVERIFY(stats->chart()->orthogonal());
}

void TestCostSummary::statisticsYearWarning() {
    testsupport::TestFolder folder;
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    for (const QString year : {"202", "2O24"}) {
        child<QLineEdit>(stats, "txtAnno")->setText(year);
        const testsupport::ModalRun run = testsupport::runModal(
            [&] { QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton); });
        QCOMPARE(run.boxes.size(), 1);
        QCOMPARE(run.boxes.first().text,
                 QString("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QVERIFY(!child<QWidget>(stats, "panAvvio")->isHidden());
        QCOMPARE(text(stats, "lblFile"), QString());
    }
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files), QStringList());
}

void TestCostSummary::statisticsFailureKeepsReachedTotals() {
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {paid("05/01", "A", "1", "Bollo", "10,25"),
                                     paid("06/02", "A", "1", "Bollo", "non un numero"),
                                     paid("07/03", "A", "1", "Bollo", "5,00")});
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    const testsupport::ModalRun run = testsupport::runModal(
        [&] { QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton); });
    QVERIFY(run.boxes.isEmpty()); // silent
    QVERIFY(!child<QWidget>(stats, "panAvvio")->isHidden());
    QVERIFY(child<QWidget>(stats, "panContainer")->isHidden());
    QCOMPARE(text(stats, "memGennaio"), QString("10,25")); // reached, not rounded
    QCOMPARE(text(stats, "memFebbraio"), QString("0"));
    QCOMPARE(text(stats, "memMarzo"), QString("0"));
}

void TestCostSummary::chartPrint() {
    testsupport::TestFolder folder;
    testsupport::writeCosts(
        "2024", {paid("05/01", "A", "1", "Bollo", "310,00"), paid("05/06", "A", "1", "Bollo", "125,00")});
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton);
    QString prompt;
    platform::setTextPromptAnswerForTests([&](const platform::TextPrompt& p) -> std::optional<QString> {
        prompt = p.caption + "|" + p.label + "|" + p.preset;
        return QString("2");
    });
    platform::setPrintDialogForTests([](QPrinter&) { return true; });
    QImage page(1123, 794, QImage::Format_RGB32);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    platform::setPrintTargetForTests([&](QPrinter& printer) {
        orientation = printer.pageLayout().orientation();
        page.fill(Qt::black);
        return &page;
    });
    const testsupport::ModalRun run = testsupport::runModal(
        [&] { QTest::mouseClick(child<QPushButton>(stats, "btnStampa"), Qt::LeftButton); }, {},
        {QString::fromUtf8("Sì")});
    QCOMPARE(run.boxes.size(), 1);
    QCOMPARE(run.boxes.first().text, QString("Si vuole stampare il presente grafico statistico?"));
    QCOMPARE(prompt, QString("Numero copie da stampare|Copie:|1"));
    QCOMPARE(orientation, QPageLayout::Landscape);
    // The chart covers the page: the red of January's bar is on it.
    bool red = false;
    for (int y = 0; y < page.height() && !red; y += 4)
        for (int x = 0; x < page.width() && !red; x += 4)
            red = page.pixelColor(x, y).red() > 200 && page.pixelColor(x, y).green() < 60;
    QVERIFY(red);
    testsupport::lookAt(page, "stats-print");
}

void TestCostSummary::chartPrintCopies_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("promptCancels");
    QTest::addColumn<bool>("dialogCancels");
    QTest::addColumn<int>("documents");
    const QString yes = QString::fromUtf8("Sì");
    QTest::newRow("No at the question") << "No" << false << false << 0;
    QTest::newRow("cancel at the prompt") << yes << true << false << 0;
    QTest::newRow("cancel in the dialog") << yes << false << true << 0;
    QTest::newRow("three copies") << yes << false << false << 3;
}

void TestCostSummary::chartPrintCopies() {
    QFETCH(QString, question);
    QFETCH(bool, promptCancels);
    QFETCH(bool, dialogCancels);
    QFETCH(int, documents);
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {paid("05/01", "A", "1", "Bollo", "310,00")});
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    QTest::mouseClick(child<QPushButton>(stats, "btnApri"), Qt::LeftButton);
    platform::setTextPromptAnswerForTests([&](const platform::TextPrompt&) -> std::optional<QString> {
        if (promptCancels)
            return std::nullopt;
        return QString("3");
    });
    platform::setPrintDialogForTests([&](QPrinter&) { return !dialogCancels; });
    testsupport::RecordingDevice device(QSize(1123, 794), 96);
    platform::setPrintTargetForTests([&](QPrinter&) { return &device; });
    const testsupport::ModalRun run = testsupport::runModal(
        [&] { QTest::mouseClick(child<QPushButton>(stats, "btnStampa"), Qt::LeftButton); }, {}, {question});
    QCOMPARE(run.boxes.size(), 1);
    QCOMPARE(device.documents.size(), documents);
    for (const testsupport::RecordedDocument& document : device.documents)
        QVERIFY(document.ended);
}

void TestCostSummary::helpTexts() {
    testsupport::TestFolder folder;
    TfrmMenuRiepSpese* query = makeQuery();
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    stats->show();
    testsupport::SeenHelp seen;
    testsupport::ModalAnswerer answerer;
    testsupport::captureHelp(answerer, seen);
    QTest::mouseClick(child<QToolButton>(stats, "imgGuida"), Qt::LeftButton);
    QCOMPARE(seen.title, QString("App Statistiche costi mensili"));
    QCOMPARE(seen.text.split("\n\n").size(), 4);
    QVERIFY(seen.text.contains(
        "Il grafico mostra le spese relative a ciascun mese dell'anno arrotondando i totali all'euro."));
    testsupport::writeCosts("2024", {});
    setInterval(query, "01/03", "31/03");
    SeenSummary summarySeen;
    openSummary(
        query, summarySeen,
        [&](TfrmRiepSpese* summary) {
            QTest::mouseClick(child<QToolButton>(summary, "imgGuida"), Qt::LeftButton);
        },
        {}, &seen);
    QCOMPARE(seen.title, QString("App Riepilogo costi sostenuti"));
    QCOMPARE(seen.text.split("\n\n").size(), 4);
    QVERIFY(seen.text.contains("Per ottenere il riepilogo dei costi relativi a tutti i veicoli del parco "
                               "auto e a tutte le causali di "
                               "pagamento, basta lasciare in bianco i relativi campi di ricerca."));
}

QTEST_MAIN(TestCostSummary)
#include "tst_costsummary.moc"

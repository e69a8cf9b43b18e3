#include "Boxes.h"
#include "CardContract.h"
#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "ModalRun.h"
#include "RecordingDevice.h"
#include "TestFolder.h"
#include "common/CardPrint.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "mileage/SchedaChilometrico.h"
#include "mileage/TfrmChilometrico.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"
#include "shell/TfrmCalendario.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QtTest>

#include <memory>

using testsupport::child;
using testsupport::ModalAnswerer;
namespace F = mileage::SchedaChilometrico;

namespace {

const QString kToday = QStringLiteral("09/03/2026");
const QString kDone = QString::fromUtf8("Sì");

// A mileage record from "Field=value" pairs; the rest empty.
common::Record mileageRecord(const QStringList& pairs) {
    common::Record r(F::layout());
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf('=');
        const int field = F::layout().indexOf(pair.left(eq));
        if (field < 0)
            qFatal("no field %s", qPrintable(pair.left(eq)));
        r.set(field, pair.mid(eq + 1));
    }
    return r;
}

// The record a new card with these required texts stores (type, make, model, plate, maintenance, date).
QByteArray newCardRecord(const QStringList& required) {
    return mileageRecord({"Veicolo=" + required.at(0), "Marca=" + required.at(1), "Modello=" + required.at(2),
                          "Targa=" + required.at(3), "Manutenzione=" + required.at(4), "Costo=0,00",
                          "KmRil=0", "DataRil=" + required.at(5), "Ogni=0", "Prossima=0", "KmAttuali=0",
                          "DataAtt=" + common::today().toString("dd/MM/yyyy"), "StatoManutenzione=VALIDA",
                          "Effettuata=No"})
        .bytes();
}

testsupport::CardSpec mileageCardSpec() {
    testsupport::CardSpec spec;
    spec.make = [] { return new TfrmChilometrico; };
    spec.archive = mileage::kMileageArchive;
    spec.record = newCardRecord;
    const QString start = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
    spec.required = {{"txtVeicolo", start + "il tipo di veicolo."},
                     {"txtMarca", start + "la marca del veicolo."},
                     {"txtModello", start + "il modello del veicolo."},
                     {"txtTarga", start + "il numero di targa del veicolo."},
                     {"txtManutenzione", start + "il tipo di manutenzione da effettuare."},
                     {"txtDataRil", start + "la data di rilevamento iniziale dei chilometri percorsi."}};
    spec.sample = {"Autovettura", "Fiat", "Panda", "AB123CD", "Tagliando", "01/02/2025"};
    spec.failureIcon = QMessageBox::Warning;
    spec.buttons = {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo",
                    "cmdNuovo", "cmdDuplica",  "cmdSalva"};
    return spec;
}

} // namespace

class TestChilometrico : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnANewCard();
    void saveStoresTheCard_data();
    void saveStoresTheCard();
    void saveNeedsAValidReadingDate_data();
    void saveNeedsAValidReadingDate();
    void ruleButtonsWarnAndRepair();
    void duplicateStartsTheNextDeadline();
    void loadShowsTheStoredStatus();
    void numberFieldsFilterKeys_data();
    void numberFieldsFilterKeys();
    void leavingAFieldNormalises_data();
    void leavingAFieldNormalises();
    void enterChains_data();
    void enterChains();
    void dateFields_data();
    void dateFields();
    void plateAndCodeUpperCased();
    void todayCommands_data();
    void todayCommands();
    void hints_data();
    void hints();
    void helpHasThirteenParagraphs();
    void printsTheCardOnShow();
    void pickerFillsTheVehicle();

private:
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(card, name); }
    QString text(const char* name) const { return edit(name)->text(); }
    void click(const char* name) const { child<QAbstractButton>(card, name)->click(); }
    QList<testsupport::SeenBox> save();
    common::Record stored(int number) const;

    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmChilometrico* card = nullptr;
};

void TestChilometrico::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2026, 3, 9));
    card = new TfrmChilometrico();
    common::WindowRegistry::instance().add(card);
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
    // Room for the whole panel on the small offscreen screen.
    card->setWindowState(Qt::WindowNoState);
    card->setGeometry(0, 0, 1040, 640);
    QApplication::setActiveWindow(card);
}

void TestChilometrico::cleanup() {
    platform::setTextPromptAnswerForTests({});
    platform::setPrintDialogForTests({});
    platform::setPrintTargetForTests({});
    common::WindowRegistry::instance().destroyAll();
    card = nullptr;
    common::setTodayForTests(QDate());
    folder.reset();
}

QList<testsupport::SeenBox> TestChilometrico::save() {
    ModalAnswerer answerer;
    click("cmdSalva");
    QCoreApplication::processEvents();
    return answerer.seen;
}

common::Record TestChilometrico::stored(int number) const {
    const QByteArray bytes = folder->read(mileage::kMileageArchive);
    return common::Record(F::layout(),
                          bytes.mid((number - 1) * mileage::kMileageRecordSize, mileage::kMileageRecordSize));
}

void TestChilometrico::opensOnANewCard() {
    QCOMPARE(card->objectName(), QString("frmChilometrico"));
    QCOMPARE(card->windowTitle(), QString(" Veicolario - Scadenzario Chilometrico"));
    QVERIFY(TfrmChilometrico().windowState() & Qt::WindowMaximized);
    const QList<std::pair<const char*, QString>> expected{
        {"txtVeicolo", ""},    {"txtTarga", ""},       {"txtDataInt", ""},    {"txtNote", ""},
        {"txtCosto", "0,00"},  {"txtKmRil", "0"},      {"txtOgni", "0"},      {"txtProssima", "0"},
        {"txtKmAttuali", "0"}, {"txtDataRil", kToday}, {"txtDataAtt", kToday}};
    for (const auto& [name, value] : expected)
        QCOMPARE(text(name), value);
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString("VALIDA"));
    QVERIFY(!child<QCheckBox>(card, "chkEffettuata")->isChecked());
    QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), QString());
    QCOMPARE(card->focusWidget(), edit("txtVeicolo"));
    QCOMPARE(child<QLabel>(card, "panInfo")->text(), QString("Pronto per archiviare una nuova scheda..."));
    for (const char* date : {"txtDataInt", "txtDataRil", "txtDataAtt"})
        QVERIFY(edit(date)->isReadOnly());
}

void TestChilometrico::saveStoresTheCard_data() {
    QTest::addColumn<QStringList>("typed"); // control=text, set as the program sets texts
    QTest::addColumn<bool>("done");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QStringList>("expected"); // Field=stored text
    const QStringList required{"txtVeicolo=Autovettura", "txtMarca=Fiat", "txtModello=Panda",
                               "txtTarga=AB123CD", "txtManutenzione=Tagliando"};
    QTest::newRow("overdue and done")
        << (required + QStringList{"txtKmRil=12000", "txtOgni=10000", "txtKmAttuali=22001", "txtCosto=120,50",
                                   "txtDataInt=01/03/2026", "txtNote=olio"})
        << true << 0 << QStringList{"Veicolo=Autovettura", "KmRil=12000",       "Ogni=10000",
                                    "Prossima=22000",      "KmAttuali=22001",   "StatoManutenzione=SCADUTA",
                                    "Effettuata=" + kDone, "Costo=120,50",      "DataInt=01/03/2026",
                                    "DataRil=" + kToday,   "DataAtt=" + kToday, "Note=olio"};
    QTest::newRow("reading equal to the due mileage")
        << (required + QStringList{"txtKmRil=12000", "txtOgni=10000", "txtKmAttuali=22000"}) << false << 0
        << QStringList{"Prossima=22000", "StatoManutenzione=VALIDA", "Effettuata=No"};
    QTest::newRow("empty cost, long plate, empty dates")
        << (required + QStringList{"txtCosto=  ", "txtTarga=" + QString(35, 'T'), "txtDataAtt="}) << false
        << 0 << QStringList{"Costo=0,00", "Targa=" + QString(30, 'T'), "DataAtt=", "DataInt="};
    QTest::newRow("typed due mileage recomputed")
        << (required + QStringList{"txtKmRil=100", "txtOgni=50", "txtProssima=99999"}) << false << 0
        << QStringList{"Prossima=150"};
    QTest::newRow("bad current reading repaired, then status recomputed")
        << (required + QStringList{"txtKmRil=100", "txtOgni=50", "txtKmAttuali=1.000"}) << false << 1
        << QStringList{"KmRil=100", "Ogni=50", "Prossima=150", "KmAttuali=0", "StatoManutenzione=VALIDA"};
    QTest::newRow("bad initial reading repaired")
        << (required + QStringList{"txtKmRil=abc", "txtOgni=50", "txtKmAttuali=10"}) << false << 1
        << QStringList{"KmRil=0", "Ogni=0", "Prossima=0", "KmAttuali=10", "StatoManutenzione=SCADUTA"};
}

void TestChilometrico::saveStoresTheCard() {
    QFETCH(QStringList, typed);
    QFETCH(bool, done);
    QFETCH(int, warnings);
    QFETCH(QStringList, expected);
    // The status the card showed before: a failed status rule must not leave it stored.
    child<QLabel>(card, "txtStato")->setText("SCADUTA");
    for (const QString& pair : typed)
        edit(qPrintable(pair.section('=', 0, 0)))->setText(pair.section('=', 1));
    child<QCheckBox>(card, "chkEffettuata")->setChecked(done);
    const auto seen = save();
    QCOMPARE(seen.size(), warnings + 1);
    for (int i = 0; i < warnings; ++i) {
        QCOMPARE(seen[i].text, mileage::kInvalidReadings);
        QCOMPARE(seen[i].icon, QMessageBox::Warning);
    }
    QCOMPARE(seen.last().text, QString::fromUtf8("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), QString("1"));
    const QByteArray bytes = folder->read(mileage::kMileageArchive);
    QCOMPARE(bytes.size(), mileage::kMileageRecordSize);
    const common::Record r = stored(1);
    for (const QString& pair : expected)
        QCOMPARE(r.get(F::layout().indexOf(pair.section('=', 0, 0))), pair.section('=', 1));
    // The done flag is three fixed bytes.
    QCOMPARE(bytes.mid(939, 3), done ? QByteArray("\x02\x53\xEC") : QByteArray("\x02No"));
}

void TestChilometrico::saveNeedsAValidReadingDate_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("warning");
    QTest::newRow("emptied") << "" << mileageCardSpec().required.last().second;
    QTest::newRow("no such day") << "31/02/2025"
                                 << QString::fromUtf8(
                                        "Attenzione: la data indicata non esiste.\n\r\n\rPer poter "
                                        "salvare la scheda è necessario indicare una data valida "
                                        "nel formato gg/mm/anno.");
    QTest::newRow("not a date") << "3/3/2025"
                                << QString::fromUtf8("Attenzione: la data indicata non esiste.\n\r\n\r"
                                                     "Per poter salvare la scheda è necessario "
                                                     "indicare una data valida nel formato gg/mm/anno.");
}

void TestChilometrico::saveNeedsAValidReadingDate() {
    QFETCH(QString, date);
    QFETCH(QString, warning);
    for (const char* name : {"txtVeicolo", "txtMarca", "txtModello", "txtTarga", "txtManutenzione"})
        edit(name)->setText("x");
    edit("txtDataRil")->setText(date);
    const auto seen = save();
    COMPARE_ONE_BOX(seen, warning, QMessageBox::Warning);
    QCOMPARE(card->focusWidget(), edit("txtDataRil"));
    QVERIFY(!folder->exists(mileage::kMileageArchive));
}

void TestChilometrico::ruleButtonsWarnAndRepair() {
    edit("txtKmRil")->setText("12x");
    edit("txtOgni")->setText("500");
    {
        ModalAnswerer answerer;
        click("btnCalcola");
        COMPARE_ONE_BOX(answerer.seen, mileage::kInvalidReadings, QMessageBox::Warning, "OK", "Annulla");
    }
    QCOMPARE(text("txtKmRil"), QString("0"));
    QCOMPARE(text("txtOgni"), QString("0"));
    QCOMPARE(text("txtProssima"), QString("0"));
    QCOMPARE(card->focusWidget(), edit("txtKmRil"));

    edit("txtKmRil")->setText("12000");
    edit("txtOgni")->setText("10000");
    edit("txtKmAttuali")->setText("22001");
    {
        ModalAnswerer answerer;
        click("btnControlla");
        QCOMPARE(answerer.seen.size(), 0);
    }
    QCOMPARE(text("txtProssima"), QString("22000"));
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString("SCADUTA"));

    edit("txtKmAttuali")->setText("x");
    {
        ModalAnswerer answerer;
        click("btnControlla");
        COMPARE_ONE_BOX(answerer.seen, mileage::kInvalidReadings, QMessageBox::Warning);
    }
    QCOMPARE(text("txtKmAttuali"), QString("0"));
    QCOMPARE(text("txtProssima"), QString("0"));
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString("SCADUTA")); // left as it was
    QCOMPARE(card->focusWidget(), edit("txtKmAttuali"));
}

void TestChilometrico::duplicateStartsTheNextDeadline() {
    folder->write(
        mileage::kMileageArchive,
        mileageRecord({"Veicolo=Furgone", "Marca=Iveco", "Modello=Daily", "Targa=XY", "Manutenzione=Olio",
                       "Costo=80,00", "DataInt=01/01/2026", "KmRil=30000", "DataRil=01/06/2025", "Ogni=15000",
                       "Prossima=45000", "KmAttuali=46000", "DataAtt=01/01/2026", "StatoManutenzione=SCADUTA",
                       "Effettuata=" + kDone, "Note=n"})
            .bytes());
    {
        ModalAnswerer answerer;
        click("cmdPrimo");
    }
    QVERIFY(child<QCheckBox>(card, "chkEffettuata")->isChecked());
    ModalAnswerer answerer;
    click("cmdDuplica");
    COMPARE_ONE_BOX(answerer.seen, common::kDuplicateDone, QMessageBox::Information);
    const QList<std::pair<const char*, QString>> expected{
        {"txtVeicolo", "Furgone"}, {"txtCosto", "80,00"}, {"txtNote", "n"},         {"txtDataInt", ""},
        {"txtKmRil", "0"},         {"txtOgni", "15000"},  {"txtProssima", "15000"}, {"txtKmAttuali", "0"},
        {"txtDataRil", kToday},    {"txtDataAtt", kToday}};
    for (const auto& [name, value] : expected)
        QCOMPARE(text(name), value);
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString("VALIDA"));
    QVERIFY(!child<QCheckBox>(card, "chkEffettuata")->isChecked());
    QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), QString());
    QCOMPARE(card->focusWidget(), edit("txtKmRil"));
}

void TestChilometrico::loadShowsTheStoredStatus() {
    QByteArray bytes = mileageRecord({"Veicolo=A", "KmRil=10", "Ogni=10", "Prossima=20", "KmAttuali=5",
                                      "StatoManutenzione=SCADUTA", "Effettuata=No"})
                           .bytes();
    bytes += mileageRecord({"Veicolo=B", "Effettuata=forse"}).bytes();
    folder->write(mileage::kMileageArchive, bytes);
    ModalAnswerer answerer;
    child<QCheckBox>(card, "chkEffettuata")->setChecked(true);
    click("cmdPrimo");
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString("SCADUTA")); // not recomputed
    QVERIFY(!child<QCheckBox>(card, "chkEffettuata")->isChecked());
    QCOMPARE(text("txtProssima"), QString("20"));
    click("cmdAvanti");
    QCOMPARE(text("txtVeicolo"), QString("B"));
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString());
    QVERIFY(!child<QCheckBox>(card, "chkEffettuata")->isChecked()); // neither value: left as it was
    QCOMPARE(answerer.seen.size(), 0);
}

void TestChilometrico::numberFieldsFilterKeys_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters and comma refused") << "txtKmRil"
                                               << "1a2,3"
                                               << "123";
    QTest::newRow("initial reading at most 10") << "txtKmRil"
                                                << "123456789012"
                                                << "1234567890";
    QTest::newRow("interval at most 10") << "txtOgni"
                                         << "999999999999"
                                         << "9999999999";
    QTest::newRow("due mileage at most 15") << "txtProssima" << QString(18, '7') << QString(15, '7');
    QTest::newRow("current reading at most 15") << "txtKmAttuali" << QString(18, '5') << QString(15, '5');
    QTest::newRow("cost takes the comma") << "txtCosto"
                                          << "12,5x0"
                                          << "12,50";
    QTest::newRow("cost at most 15") << "txtCosto"
                                     << "1234567890,123456"
                                     << "1234567890,1234";
    QTest::newRow("other fields take anything") << "txtNote"
                                                << "a,1 b"
                                                << "a,1 b";
}

void TestChilometrico::numberFieldsFilterKeys() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QLineEdit* e = edit(qPrintable(field));
    e->setFocus();
    e->clear();
    QTest::keyClicks(e, keys);
    QCOMPARE(e->text(), shown);
    if (field == "txtNote")
        return;
    // Backspace and the arrows still work.
    QTest::keyClick(e, Qt::Key_Left);
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), shown.left(shown.size() - 2) + shown.right(1));
    // A pasted text with a refused character, or past the width, is refused whole.
    e->clear();
    e->insert("9a9,9");
    QCOMPARE(e->text(), QString());
    e->insert(QString(20, '9'));
    QCOMPARE(e->text(), QString());
}

void TestChilometrico::leavingAFieldNormalises_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("leading zeros") << "txtKmAttuali"
                                   << "007"
                                   << "7";
    QTest::newRow("empty reading") << "txtKmAttuali"
                                   << ""
                                   << "0";
    QTest::newRow("half up") << "txtKmRil"
                             << "1234,5"
                             << "1235";
    QTest::newRow("below half") << "txtOgni"
                                << "1234,4"
                                << "1234";
    QTest::newRow("due mileage") << "txtProssima"
                                 << "0100"
                                 << "100";
    QTest::newRow("cost whole") << "txtCosto"
                                << "12"
                                << "12,00";
    QTest::newRow("cost empty") << "txtCosto"
                                << ""
                                << "0,00";
    QTest::newRow("cost not a number") << "txtCosto"
                                       << ",,"
                                       << "0,00";
    QTest::newRow("text field unchanged") << "txtNote"
                                          << " 007 "
                                          << " 007 ";
}

void TestChilometrico::leavingAFieldNormalises() {
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QLineEdit* e = edit(qPrintable(field));
    e->setFocus();
    e->setText(before);
    edit("txtVeicolo")->setFocus();
    QCOMPARE(e->text(), after);
    QVERIFY(!child<QWidget>(card, "eff" + field.mid(3))->isVisibleTo(card));
    e->setFocus();
    QVERIFY(child<QWidget>(card, "eff" + field.mid(3))->isVisibleTo(card));
}

void TestChilometrico::enterChains_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("type to make") << "txtVeicolo"
                                  << "txtMarca";
    QTest::newRow("plate to driver") << "txtTarga"
                                     << "txtConducente";
    QTest::newRow("cost to work date") << "txtCosto"
                                       << "txtDataInt";
    QTest::newRow("initial reading to its date") << "txtKmRil"
                                                 << "txtDataRil";
    QTest::newRow("interval to due mileage") << "txtOgni"
                                             << "txtProssima";
    QTest::newRow("due mileage to current reading") << "txtProssima"
                                                    << "txtKmAttuali";
    QTest::newRow("current reading to its date") << "txtKmAttuali"
                                                 << "txtDataAtt";
    QTest::newRow("notes back to type") << "txtNote"
                                        << "txtVeicolo";
}

void TestChilometrico::enterChains() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    edit(qPrintable(from))->setFocus();
    QTest::keyClick(edit(qPrintable(from)), Qt::Key_Return);
    QCOMPARE(card->focusWidget(), edit(qPrintable(to)));
}

void TestChilometrico::dateFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("tag");
    QTest::newRow("work date") << "txtDataInt"
                               << "dataint";
    QTest::newRow("initial reading date") << "txtDataRil"
                                          << "dataril";
    QTest::newRow("current reading date") << "txtDataAtt"
                                          << "dataatt";
}

void TestChilometrico::dateFields() {
    QFETCH(QString, field);
    QFETCH(QString, tag);
    QLineEdit* e = edit(qPrintable(field));
    e->setFocus();
    e->setText("01/01/2020");
    QTest::keyClick(e, Qt::Key_Delete);
    QCOMPARE(e->text(), QString());
    // Enter and any other key open the picker with the field's tag; its choice lands in the field.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_X}) {
        e->setText("01/01/2020");
        QString seenTag;
        const testsupport::ModalRun run = testsupport::runModal(
            [&] { QTest::keyClick(e, key); },
            [&](QWidget* modal) {
                auto* picker = qobject_cast<TfrmCalendario*>(modal);
                QVERIFY(picker);
                QCOMPARE(modal->parentWidget(), card);
                seenTag = child<QLabel>(modal, "lblMemory")->text();
                child<QCalendarWidget>(modal, "calAppuntamenti")->setSelectedDate(QDate(2026, 4, 2));
                child<QAbstractButton>(modal, "btnImportaData")->click();
            });
        QCOMPARE(run.windows.size(), 1);
        QCOMPARE(seenTag, tag);
        QCOMPARE(e->text(), QString("02/04/2026"));
    }
}

void TestChilometrico::plateAndCodeUpperCased() {
    QLineEdit* plate = edit("txtTarga");
    plate->setFocus();
    QTest::keyClicks(plate, "ab-12 ");
    QCOMPARE(plate->text(), QString("AB-12")); // a trailing blank goes at once
    plate->setCursorPosition(2);
    QTest::keyClicks(plate, " ");
    QCOMPARE(plate->text(), QString("AB -12")); // a blank between characters stays
    QLineEdit* code = edit("txtCodFisc");
    code->setFocus();
    QTest::keyClicks(code, "rssmr");
    code->insert(QString::fromUtf8("à")); // letters outside a-z keep their case
    QCOMPARE(code->text(), QString::fromUtf8("RSSMRà"));
}

void TestChilometrico::todayCommands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("field");
    QTest::newRow("initial date") << "btnDataRil"
                                  << "txtDataRil";
    QTest::newRow("work date") << "impDataInt"
                               << "txtDataInt";
    QTest::newRow("current date") << "impDataAtt"
                                  << "txtDataAtt";
}

void TestChilometrico::todayCommands() {
    QFETCH(QString, command);
    QFETCH(QString, field);
    edit(qPrintable(field))->setText("01/01/2000");
    common::setTodayForTests(QDate(2026, 12, 31));
    QWidget* control = child<QWidget>(card, command);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else
        QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(text(qPrintable(field)), QString("31/12/2026"));
}

void TestChilometrico::hints_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("calculate, word for word")
        << "btnCalcola"
        << "Calcola il il limite chilometrico per la prossima manutenzione.";
    QTest::newRow("check") << "btnControlla"
                           << "Controlla lo stato attuale della manutenzione.";
    QTest::newRow("overdue list")
        << "cmdScadute"
        << "Visualizza il riepilogo delle manutenzioni scadute e non ancora effettuate.";
    QTest::newRow("today") << "impDataAtt"
                           << "Inserisci la data corrente.";
    QTest::newRow("done box")
        << "chkEffettuata"
        << QString::fromUtf8("Spunta questa casella per annotare che la manutenzione è stata effettuata.");
    QTest::newRow("date field")
        << "txtDataRil"
        << "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal "
           "calendario.";
    QTest::newRow("other field: quiet") << "txtMarca"
                                        << "as it was";
    QTest::newRow("section: clears") << "recLetture"
                                     << "";
}

void TestChilometrico::hints() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    child<QLabel>(card, "panInfo")->setText("as it was");
    QTest::mouseMove(child<QWidget>(card, control), QPoint(3, 3));
    QTRY_COMPARE(child<QLabel>(card, "panInfo")->text(), hint);
}

void TestChilometrico::helpHasThirteenParagraphs() {
    ModalAnswerer answerer;
    testsupport::SeenHelp seen;
    testsupport::captureHelp(answerer, seen);
    click("cmdGuida");
    QCOMPARE(seen.title, QString("App Scadenzario Chilometrico"));
    const QStringList paragraphs = seen.text.split("\n\n");
    QCOMPARE(paragraphs.size(), 13);
    QVERIFY(paragraphs.at(4).contains("Calcola"));
    QVERIFY(paragraphs.at(8).contains("Da effettuare"));
    QCOMPARE(seen.owner, card);
}

void TestChilometrico::printsTheCardOnShow() {
    platform::setTextPromptAnswerForTests([](const platform::TextPrompt&) { return QString("1"); });
    platform::setPrintDialogForTests([](QPrinter&) { return true; });
    testsupport::RecordingDevice device;
    platform::setPrintTargetForTests([&](QPrinter&) { return &device; });
    edit("txtMarca")->setText(" Fiat ");
    edit("txtModello")->setText("Panda");
    edit("txtOgni")->setText("15000");
    edit("txtDettagli")->setText(QString(300, 'D'));
    ModalAnswerer answerer({QString::fromUtf8("Sì")});
    click("cmdStampa");
    COMPARE_ONE_BOX(answerer.seen, "Si vuole stampare la presente scheda?", QMessageBox::Question);
    QCOMPARE(device.documents.size(), 1);
    // Label and value of each row, by the baseline they share; an empty value draws nothing.
    const auto& texts = device.documents[0].texts;
    QCOMPARE(texts.first().text, QString("SCHEDA SCADENZA CHILOMETRICA"));
    QStringList rows;
    for (qsizetype i = 1; i + 1 < texts.size(); ++i) {
        if (i + 1 < texts.size() - 1 && texts[i + 1].baseline.y() == texts[i].baseline.y()) {
            rows << texts[i].text + "|" + texts[i + 1].text;
            ++i;
        } else {
            rows << texts[i].text + "|";
        }
    }
    const QStringList pairs{"Tipo veicolo:|",
                            "Marca e modello:|Fiat Panda",
                            "Colore:|",
                            "Alimentazione:|",
                            "Targa:|",
                            "Conduttore:|",
                            "Codice fiscale:|",
                            "Recapito preferenziale:|",
                            "Tipo manutenzione:|",
                            "Dettagli intervento:|" + QString(300, 'D'),
                            "Officina incaricata:|",
                            QString::fromUtf8("Costo intervento:|€ 0,00"),
                            "Data intervento:|",
                            "Km e data iniziali:|0  " + kToday,
                            "Frequenza manutenzione:|Ogni 15000 km",
                            "Prossima scadenza:|A km 0",
                            "Km e data attuali:|0  " + kToday,
                            "Stato manutenzione:|VALIDA",
                            "Note:|",
                            "Manutenzione effettuata:|No"};
    QCOMPARE(rows, pairs);
    QVERIFY(texts.last().text.startsWith("Stampa eseguita in data " + kToday + " alle ore "));
}
void TestChilometrico::pickerFillsTheVehicle() {
    namespace V = fleet::SchedaVeicolo;
    common::Record v(V::layout());
    v.set(V::Tipo, "Autocarro");
    v.set(V::Marca, "Iveco");
    v.set(V::Modello, "Daily");
    v.set(V::Colore, "Bianco");
    v.set(V::Alimentazione, "Gasolio");
    v.set(V::Targa, "ZZ999ZZ");
    v.set(V::Note, "non copiata");
    folder->write(fleet::kVehicleArchive, v.bytes());
    child<QLabel>(card, "lblPosizione")->setText("4");
    edit("txtManutenzione")->setText("Freni");
    const testsupport::ModalRun run = testsupport::runModal(
        [&] { click("cmdImporta"); },
        [&](QWidget* modal) {
            QVERIFY(qobject_cast<TfrmTrovaAutomezzi*>(modal));
            QCOMPARE(child<QLabel>(modal, "lblMemory")->text(), QString("chilometrico"));
            child<QAbstractButton>(modal, "btnCerca")->click();
            auto* list = child<QListView>(modal, "lstRecords");
            QTRY_COMPARE(list->model()->rowCount(), 1);
            auto* picker = static_cast<TfrmTrovaAutomezzi*>(modal);
            picker->selectIndex(0);
            picker->lstRecordsDblClick();
        });
    QCOMPARE(run.windows, QStringList{"frmTrovaAutomezzi"});
    const QList<std::pair<const char*, QString>> expected{
        {"txtVeicolo", "Autocarro"},     {"txtMarca", "Iveco"},
        {"txtModello", "Daily"},         {"txtColore", "Bianco"},
        {"txtAlimentazione", "Gasolio"}, {"txtTarga", "ZZ999ZZ"},
        {"txtManutenzione", "Freni"},    {"txtNote", ""}};
    for (const auto& [name, value] : expected)
        QCOMPARE(text(name), value);
    QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), QString("4"));
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestChilometrico test;
    testsupport::CardContract contract(mileageCardSpec());
    const int failed = QTest::qExec(&test, argc, argv);
    return failed | QTest::qExec(&contract, argc, argv);
}
#include "tst_chilometrico.moc"

#include "CardContract.h"
#include "Controls.h"
#include "CostFixture.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "RecordingDevice.h"
#include "TestFolder.h"
#include "common/CardPrint.h"
#include "common/Clock.h"
#include "costs/TfrmMenuCosti.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace costs::SchedaCosto;
using testsupport::child;
using testsupport::ModalAnswerer;

namespace {

using Texts = QMap<QString, QString>;

const QString kSaved = QString::fromUtf8("La scheda corrente è stata salvata in archivio.");

QString text(QWidget* window, const char* name) {
    if (auto* combo = window->findChild<QComboBox*>(name))
        return combo->currentText();
    if (auto* edit = window->findChild<QLineEdit*>(name))
        return edit->text();
    return child<QLabel>(window, name)->text();
}

void setText(QWidget* window, const char* name, const QString& value) {
    if (auto* combo = window->findChild<QComboBox*>(name))
        combo->setEditText(value);
    else
        child<QLineEdit>(window, name)->setText(value);
}

void fillValid(QWidget* card) {
    setText(card, "txtGiorno", "05");
    setText(card, "txtMese", "Febbraio");
    setText(card, "txtCausale", "Bollo");
    setText(card, "txtMarca", "Fiat");
    setText(card, "txtModello", "Panda");
    setText(card, "txtTarga", "AB123CD");
}

void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QByteArray field(const QByteArray& record, int f) {
    const int offset = layout().offset(f);
    return record.mid(offset, layout().width(f) + 1);
}

} // namespace

class TestCostCard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { common::setTodayForTests(QDate(2024, 6, 15)); }
    void cleanup() { common::WindowRegistry::instance().destroyAll(); }
    void saveChecks_data();
    void saveChecks();
    void saveBytesThenOverwrite();
    void leapDayDependsOnTheYearLabel();
    void loadedRecordOverwritesYearAndKeepsOddSaldato();
    void amountLeaving_data();
    void amountLeaving();
    void amountKeysAndFifteenDigits();
    void dayAndMonthTakeNoTyping();
    void plateUpperCasedWhileTyped();
    void enterOrderWrapsToVehicle();
    void menuRoutes_data();
    void menuRoutes();
    void menuYear_data();
    void menuYear();
    void menuYearKeys();
    void helpSharedByMenuAndCard();
    void cardPrintRowsFromTheScreen();
};

void TestCostCard::saveChecks_data() {
    QTest::addColumn<Texts>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("amountAfter");
    const QString warnDay =
        QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il giorno del pagamento.");
    const QString badDate =
        QString::fromUtf8("Attenzione: la data %1 non esiste.\n\r\n\rPer poter salvare la "
                          "scheda è necessario indicare una data valida.");
    using M = Texts;
    QTest::newRow("day empty, amount normalised first")
        << M{{"txtGiorno", ""}, {"txtImporto", "12,5"}} << warnDay << "txtGiorno"
        << "12,50";
    QTest::newRow("day before cause") << M{{"txtGiorno", " "}, {"txtCausale", ""}} << warnDay << "txtGiorno"
                                      << "0,00";
    QTest::newRow("one-digit day")
        << M{{"txtGiorno", "5"}}
        << QString::fromUtf8(
               "Attenzione: per salvare la scheda è necessario indicare il giorno del pagamento "
               "usando due cifre.")
        << "txtGiorno"
        << "0,00";
    QTest::newRow("month empty") << M{{"txtMese", ""}, {"txtMarca", ""}}
                                 << QString::fromUtf8(
                                        "Attenzione: per salvare la scheda è necessario indicare "
                                        "il mese del pagamento.")
                                 << "txtMese"
                                 << "0,00";
    QTest::newRow("cause empty") << M{{"txtCausale", ""}, {"txtMarca", ""}}
                                 << QString::fromUtf8(
                                        "Attenzione: per salvare la scheda è necessario indicare "
                                        "la causale del pagamento.")
                                 << "txtCausale"
                                 << "0,00";
    QTest::newRow("make empty") << M{{"txtMarca", ""}, {"txtTarga", ""}}
                                << QString::fromUtf8(
                                       "Attenzione: per salvare la scheda è necessario indicare "
                                       "la marca del veicolo.")
                                << "txtMarca"
                                << "0,00";
    QTest::newRow("model empty") << M{{"txtModello", ""}}
                                 << QString::fromUtf8(
                                        "Attenzione: per salvare la scheda è necessario indicare "
                                        "il modello del veicolo.")
                                 << "txtModello"
                                 << "0,00";
    QTest::newRow("plate empty, then the month name")
        << M{{"txtTarga", ""}, {"txtMese", "Febbr"}}
        << QString::fromUtf8("Attenzione: per salvare la scheda è "
                             "necessario indicare il numero di "
                             "targa del veicolo.")
        << "txtTarga"
        << "0,00";
    QTest::newRow("month not a name")
        << M{{"txtMese", "Febbr"}}
        << QString::fromUtf8(
               "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter salvare la "
               "scheda è necessario indicare una data valida.")
        << "txtMese"
        << "0,00";
    QTest::newRow("30 February") << M{{"txtGiorno", "30"}} << badDate.arg("30/02/2024") << "txtGiorno"
                                 << "0,00";
    QTest::newRow("31 April") << M{{"txtGiorno", "31"}, {"txtMese", "Aprile"}} << badDate.arg("31/04/2024")
                              << "txtGiorno"
                              << "0,00";
    QTest::newRow("month in capitals saves") << M{{"txtMese", " FEBBRAIO "}} << kSaved << ""
                                             << "0,00";
    QTest::newRow("amount blank saves as 0,00") << M{{"txtImporto", "   "}} << kSaved << ""
                                                << "0,00";
}

void TestCostCard::saveChecks() {
    QFETCH(Texts, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, amountAfter);
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    fillValid(card);
    for (auto it = fields.begin(); it != fields.end(); ++it)
        setText(card, qPrintable(it.key()), it.value());
    ModalAnswerer answerer;
    QTest::mouseClick(child<QToolButton>(card, "cmdSalva"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().text, message);
    QCOMPARE(text(card, "txtImporto"), amountAfter);
    const QByteArray bytes = folder.read("2024.eur");
    if (focus.isEmpty()) {
        QCOMPARE(bytes.size(), costs::kCostRecordSize);
        QCOMPARE(answerer.seen.first().icon, QMessageBox::Information);
        QCOMPARE(text(card, "lblData"), QString("05/02/2024"));
    } else {
        QCOMPARE(bytes.size(), 0);
        QCOMPARE(card->focusWidget()->objectName(), focus);
        const bool plain = message.startsWith("Attenzione: la data ");
        QCOMPARE(answerer.seen.first().icon, plain ? QMessageBox::NoIcon : QMessageBox::Warning);
        QCOMPARE(answerer.seen.first().buttons, plain ? QStringList{"OK"} : QStringList({"OK", "Annulla"}));
    }
}

void TestCostCard::saveBytesThenOverwrite() {
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    fillValid(card);
    setText(card, "txtImporto", "");
    setText(card, "txtDescrizione", QString::fromUtf8("  Bollo € 5  "));
    child<QCheckBox>(card, "chkSaldato")->setChecked(true);
    {
        ModalAnswerer answerer;
        card->cmdSalvaClick();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text, kSaved);
    }
    QCOMPARE(text(card, "lblPosizione"), QString("1"));
    QByteArray bytes = folder.read("2024.eur");
    QCOMPARE(bytes.size(), 1627);
    QCOMPARE(field(bytes, GiornoMese), QByteArray("\x02"
                                                  "05"));
    QCOMPARE(field(bytes, Mese), QByteArray("\x08"
                                            "Febbraio\0\0",
                                            11));
    QCOMPARE(field(bytes, Anno), QByteArray("\x04"
                                            "2024"));
    QCOMPARE(field(bytes, Data), QByteArray("\x0a"
                                            "05/02/2024"));
    QCOMPARE(field(bytes, Importo), QByteArray("\x04"
                                               "0,00")
                                        .leftJustified(16, '\0'));
    QCOMPARE(field(bytes, Saldato), QByteArray("\x02\x53\xec"));
    QCOMPARE(field(bytes, Descrizione).left(10), QByteArray("\x09"
                                                            "Bollo \x80 5"));
    QCOMPARE(field(bytes, Targa).left(8), QByteArray("\x07"
                                                     "AB123CD"));

    child<QCheckBox>(card, "chkSaldato")->setChecked(false);
    {
        ModalAnswerer answerer;
        card->cmdSalvaClick();
        QCOMPARE(answerer.seen.first().text,
                 QString("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    }
    bytes = folder.read("2024.eur");
    QCOMPARE(bytes.size(), 1627);
    QCOMPARE(field(bytes, Saldato), QByteArray("\x02\x4e\x6f"));
    // A new card goes after it.
    card->cmdNuovoClick();
    QCOMPARE(text(card, "txtImporto"), QString("0,00"));
    QCOMPARE(text(card, "lblAnno"), QString("2024"));
    fillValid(card);
    ModalAnswerer answerer;
    card->cmdSalvaClick();
    QCOMPARE(text(card, "lblPosizione"), QString("2"));
    QCOMPARE(folder.read("2024.eur").size(), 2 * 1627);
}

void TestCostCard::leapDayDependsOnTheYearLabel() {
    testsupport::TestFolder folder;
    for (const QString year : {"2024", "2023"}) {
        TfrmCosti* card = testsupport::makeCostCard(year);
        card->show();
        fillValid(card);
        setText(card, "txtGiorno", "29");
        ModalAnswerer answerer;
        card->cmdSalvaClick();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text.startsWith("Attenzione: la data 29/02/2023"), year == "2023");
        QCOMPARE(folder.read(year + ".eur").size(), year == "2024" ? 1627 : 0);
        delete card;
    }
}

void TestCostCard::loadedRecordOverwritesYearAndKeepsOddSaldato() {
    testsupport::TestFolder folder;
    auto odd = testsupport::paid("03/01", "Iveco", "ZZ9", "Multa", "40,00", "forse");
    odd[Anno] = "2019";
    testsupport::writeCosts(
        "2024", {testsupport::paid("02/01", "Fiat", "AA1", "Bollo", "10,00", QString::fromUtf8("Sì")), odd});
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    ModalAnswerer answerer;
    card->cmdPrimoClick();
    QVERIFY(child<QCheckBox>(card, "chkSaldato")->isChecked());
    card->cmdAvantiClick();
    QCOMPARE(text(card, "lblPosizione"), QString("2"));
    QCOMPARE(text(card, "lblAnno"), QString("2019"));
    QCOMPARE(text(card, "txtMarca"), QString("Iveco"));
    QVERIFY(child<QCheckBox>(card, "chkSaldato")->isChecked()); // neither "Sì" nor "No": as it was
    card->cmdAvantiClick();                                     // on the last record: nothing
    QCOMPARE(text(card, "lblPosizione"), QString("2"));
    QVERIFY(answerer.seen.isEmpty());
}

void TestCostCard::amountLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << "12"
                           << "12,00";
    QTest::newRow("one decimal") << "12,5"
                                 << "12,50";
    QTest::newRow("four decimals, half up") << "1,23455"
                                            << "1,2346";
    QTest::newRow("comma alone") << ","
                                 << "0,00";
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("two commas") << "1,2,3"
                                << "0,00";
    QTest::newRow("fifteen digits") << "123456789012345"
                                    << "123456789012345,00";
}

void TestCostCard::amountLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    showActive(card);
    auto* amount = child<QLineEdit>(card, "txtImporto");
    amount->setFocus();
    amount->clear();
    QTest::keyClicks(amount, typed);
    QCOMPARE(amount->text(), typed);
    child<QLineEdit>(card, "txtPagatore")->setFocus();
    QCOMPARE(amount->text(), shown);
}

void TestCostCard::amountKeysAndFifteenDigits() {
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    showActive(card);
    auto* amount = child<QLineEdit>(card, "txtImporto");
    amount->setFocus();
    amount->clear();
    QTest::keyClicks(amount, "1a.2 ,5-");
    QCOMPARE(amount->text(), QString("12,5"));
    amount->clear();
    QTest::keyClicks(amount, "1234567890123456789");
    QCOMPARE(amount->text(), QString("123456789012345"));
    // A pasted text is taken whole or refused whole: never with characters dropped, nor cut to the width.
    amount->clear();
    amount->insert("-1.000,5 EUR");
    QCOMPARE(amount->text(), QString());
    amount->insert("1000,5");
    QCOMPARE(amount->text(), QString("1000,5"));
    amount->insert("1234567890");
    QCOMPARE(amount->text(), QString("1000,5"));
    amount->insert("123456789");
    QCOMPARE(amount->text(), QString("1000,5123456789"));
    // The save keeps the first fifteen characters of the normalised text.
    fillValid(card);
    amount->setText("123456789012345678");
    ModalAnswerer answerer;
    card->cmdSalvaClick();
    QCOMPARE(amount->text(), QString("123456789012345,00"));
    QCOMPARE(field(folder.read("2024.eur"), Importo), QByteArray("\x0f"
                                                                 "123456789012345"));
}

void TestCostCard::dayAndMonthTakeNoTyping() {
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    showActive(card);
    auto* day = child<QComboBox>(card, "txtGiorno");
    auto* month = child<QComboBox>(card, "txtMese");
    day->setFocus();
    day->setEditText("07");
    QTest::keyClicks(day, "a1");
    QCOMPARE(day->currentText(), QString("07"));
    QTest::keyClick(day, Qt::Key_Backspace);
    QCOMPARE(day->currentText(), QString());
    for (QComboBox* list : {day, month}) { // nor pasting
        list->lineEdit()->insert("12");
        QCOMPARE(list->currentText(), QString());
    }
    QCOMPARE(day->count(), 31);
    QCOMPARE(day->itemText(0), QString("01"));
    QCOMPARE(month->count(), 12);
    QCOMPARE(child<QComboBox>(card, "txtVeicolo")->count(), 19);
    QCOMPARE(child<QComboBox>(card, "txtCausale")->count(), 16);
    for (const auto& [typed, kept] : {std::pair<QString, QString>{"marzo", ""}, {"Marzo", "Marzo"}}) {
        month->setFocus();
        month->setEditText(typed);
        day->setFocus();
        QCOMPARE(month->currentText(), kept);
    }
    day->setEditText("7");
    month->setFocus();
    QCOMPARE(day->currentText(), QString());
}

void TestCostCard::plateUpperCasedWhileTyped() {
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    showActive(card);
    auto* plate = child<QLineEdit>(card, "txtTarga");
    plate->setFocus();
    QTest::keyClicks(plate, "ab12 ");
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("è"));
    QApplication::sendEvent(plate, &accented);
    QCOMPARE(plate->text(), QString::fromUtf8("AB12è"));
}

void TestCostCard::enterOrderWrapsToVehicle() {
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    showActive(card);
    const QStringList order{"txtVeicolo",       "txtMarca",           "txtModello",     "txtColore",
                            "txtAlimentazione", "txtTarga",           "txtGiorno",      "txtMese",
                            "txtLuogo",         "txtCausale",         "txtDescrizione", "txtModalita",
                            "txtEstremi",       "txtImporto",         "txtPagatore",    "txtRecPagatore",
                            "txtBeneficiario",  "txtRecBeneficiario", "txtConducente",  "txtRecapito",
                            "txtNote",          "txtVeicolo"};
    child<QWidget>(card, "txtVeicolo")->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* focused = QApplication::focusWidget();
        while (focused && focused->objectName().isEmpty())
            focused = focused->parentWidget(); // a drop-down's own edit
        QCOMPARE(focused->objectName(), order.at(i));
        QVERIFY(!child<QWidget>(card, qPrintable("eff" + order.at(i).mid(3)))->isHidden());
    }
}

void TestCostCard::menuRoutes_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<QString>("shown");
    QTest::newRow("start menu") << "avvio" << true << "frmAvvio";
    QTest::newRow("cost card") << " costi " << true << "frmCosti";
    QTest::newRow("summary query") << "RiepSpese" << true << "frmMenuRiepSpese";
    QTest::newRow("statistics") << "stats" << true << "frmStatCosti";
    QTest::newRow("summary not there") << "RiepSpese" << false << "frmAvvio";
    QTest::newRow("tags keep their case") << "Costi" << true << "frmAvvio";
}

void TestCostCard::menuRoutes() {
    QFETCH(QString, tag);
    QFETCH(bool, targetExists);
    QFETCH(QString, shown);
    QList<QWidget*> windows;
    for (const QString name : {"frmAvvio", "frmCosti", "frmMenuRiepSpese", "frmStatCosti"}) {
        if (!targetExists && name != "frmAvvio")
            continue;
        auto* w = new QWidget;
        w->setObjectName(name);
        common::WindowRegistry::instance().add(w);
        windows << w;
    }
    auto* menu = new TfrmMenuCosti;
    common::WindowRegistry::instance().add(menu);
    menu->show();
    menu->setCallerTag(tag);
    menu->close();
    QVERIFY(menu->isHidden());
    for (QWidget* w : windows)
        QCOMPARE(!w->isHidden(), w->objectName() == shown);
}

void TestCostCard::menuYear_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("opens");
    QTest::newRow("four digits") << "2023" << true;
    QTest::newRow("two digits") << "24" << false;
    QTest::newRow("blank inside") << "20 3" << false;
    QTest::newRow("letters") << "20a3" << false;
    QTest::newRow("other digits") << QString::fromUtf8("２０２３") << false;
}

void TestCostCard::menuYear() {
    QFETCH(QString, year);
    QFETCH(bool, opens);
    testsupport::TestFolder folder;
    auto* start = new QWidget;
    start->setObjectName("frmAvvio");
    common::WindowRegistry::instance().add(start);
    TfrmCosti* card = testsupport::makeCostCard("1999");
    auto* menu = new TfrmMenuCosti;
    common::WindowRegistry::instance().add(menu);
    showActive(menu);
    QCOMPARE(text(menu, "txtAnnoConsumi"), QString("2024"));
    child<QLineEdit>(menu, "txtAnnoConsumi")->setText(year);
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(menu, "btnApriConsumi"), Qt::LeftButton);
    if (opens) {
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(menu->isHidden());
        QVERIFY(!card->isHidden());
        QCOMPARE(card->windowTitle(), QString(" Veicolario - Costi sostenuti nell'anno 2023"));
        QCOMPARE(text(card, "lblAnno"), QString("2023"));
        QCOMPARE(card->costFile(), folder.path("2023.eur"));
        QCOMPARE(menu->callerTag(), QString("costi"));
    } else {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text,
                 QString("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QCOMPARE(answerer.seen.first().icon, QMessageBox::Warning);
        QVERIFY(!menu->isHidden());
        QVERIFY(card->isHidden());
        QCOMPARE(menu->focusWidget()->objectName(), QString("txtAnnoConsumi"));
        QCOMPARE(text(card, "lblAnno"), QString("1999"));
    }
}

void TestCostCard::menuYearKeys() {
    auto* menu = new TfrmMenuCosti;
    common::WindowRegistry::instance().add(menu);
    showActive(menu);
    auto* year = child<QLineEdit>(menu, "txtAnnoConsumi");
    QVERIFY(!child<QWidget>(menu, "effAnnoConsumi")->isHidden());
    year->clear();
    QTest::keyClicks(year, "2a0 2.45");
    QCOMPARE(year->text(), QString("2024"));
    QTest::keyClick(year, Qt::Key_Backspace);
    QCOMPARE(year->text(), QString("202"));
    year->clear();
    year->insert(" 2O25 "); // a pasted year is taken whole or not at all
    QCOMPARE(year->text(), QString());
    year->insert("2026");
    QCOMPARE(year->text(), QString("2026"));
    year->insert("1");
    QCOMPARE(year->text(), QString("2026"));
    year->setText("202");
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("btnApriConsumi"));
    QVERIFY(child<QWidget>(menu, "effAnnoConsumi")->isHidden());
}

void TestCostCard::helpSharedByMenuAndCard() {
    testsupport::TestFolder folder;
    auto* menu = new TfrmMenuCosti;
    common::WindowRegistry::instance().add(menu);
    TfrmCosti* card = testsupport::makeCostCard();
    for (const auto& [window, command] :
         {std::pair<QWidget*, const char*>{menu, "imgGuida"}, {card, "cmdGuida"}}) {
        window->show();
        ModalAnswerer answerer;
        testsupport::SeenHelp seen;
        testsupport::captureHelp(answerer, seen);
        QTest::mouseClick(child<QToolButton>(window, command), Qt::LeftButton);
        QCOMPARE(seen.title, QString("App Costi sostenuti"));
        QCOMPARE(seen.text.split("\n\n").size(), 10);
        QVERIFY(seen.text.contains(QString::fromUtf8(
            "Si tenga presente che i campi relativi alla data del saldo, alla causale del pagamento, alla "
            "marca "
            "e modello di veicolo e al numero di targa sono a compilazione obbligatoria.")));
        QCOMPARE(seen.owner, window);
    }
}

void TestCostCard::cardPrintRowsFromTheScreen() {
    testsupport::TestFolder folder;
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    fillValid(card);
    setText(card, "txtVeicolo", "Autovettura");
    setText(card, "txtImporto", "");
    setText(card, "txtBeneficiario", "Comune");
    setText(card, "txtRecBeneficiario", "06 123");
    platform::setTextPromptAnswerForTests([](const platform::TextPrompt&) { return QString("2"); });
    platform::setPrintDialogForTests([](QPrinter&) { return true; });
    testsupport::RecordingDevice device;
    platform::setPrintTargetForTests([&](QPrinter&) { return &device; });
    ModalAnswerer answerer({QString::fromUtf8("Sì")});
    QTest::mouseClick(child<QToolButton>(card, "cmdStampa"), Qt::LeftButton);
    platform::setTextPromptAnswerForTests({});
    platform::setPrintDialogForTests({});
    platform::setPrintTargetForTests({});
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().text, QString("Si vuole stampare la presente scheda?"));
    QCOMPARE(device.documents.size(), 2);
    QCOMPARE(device.documents.first().texts.first().text, QString("SCHEDA COSTI SOSTENUTI"));
    QStringList texts;
    for (const auto& t : device.documents.first().texts)
        texts << t.text;
    for (const QString& expected :
         {QString("Data saldo:"), QString("05 Febbraio 2024"), QString("Autovettura Fiat Panda"),
          QString::fromUtf8("€ "), QString("Comune  Tel. 06 123"), QString("  Tel. "),
          QString("Pagamento saldato:"), QString("No"), QString::fromUtf8("Modalità di pagamento:")})
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    QCOMPARE(texts.count(QString::fromUtf8("€ ")), 1); // an empty amount prints the sign alone
    testsupport::lookAt(device.image(0), "cardprint");
}

// The cost card under the contract every card keeps: no duplicate, the make marks the records.
testsupport::CardSpec costCardSpec() {
    testsupport::CardSpec spec;
    spec.make = [] { return testsupport::makeCostCard("2024"); };
    spec.archive = "2024.eur";
    spec.record = [](const QStringList& required) {
        testsupport::CostFields fields{{GiornoMese, required.at(0)},
                                       {Mese, required.at(1)},
                                       {Causale, required.at(2)},
                                       {Marca, required.at(3)},
                                       {Modello, required.at(4)},
                                       {Targa, required.at(5)},
                                       {Anno, "2024"},
                                       {Importo, "0,00"},
                                       {Saldato, "No"}};
        fields[Data] = costs::composeDate(required.at(0), costs::monthNumber(required.at(1)), "2024");
        return testsupport::cost(fields).bytes();
    };
    const QString start = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
    spec.required = {{"txtGiorno", start + "il giorno del pagamento."},
                     {"txtMese", start + "il mese del pagamento."},
                     {"txtCausale", start + "la causale del pagamento."},
                     {"txtMarca", start + "la marca del veicolo."},
                     {"txtModello", start + "il modello del veicolo."},
                     {"txtTarga", start + "il numero di targa del veicolo."}};
    spec.sample = {"05", "Febbraio", "Bollo", "Fiat", "Panda", "AB123CD"};
    spec.buttons = {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "", "cmdSalva"};
    spec.appended = common::kAppendedSalvata;
    spec.hasDuplicate = false;
    spec.markedField = 3;
    spec.firstField = "txtVeicolo";
    return spec;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestCostCard test;
    testsupport::CardContract contract(costCardSpec());
    const int failed = QTest::qExec(&test, argc, argv);
    common::WindowRegistry::instance().destroyAll();
    return failed | QTest::qExec(&contract, argc, argv);
}
#include "tst_costcard.moc"

#include "Boxes.h"
#include "Controls.h"
#include "ModalAnswerer.h"
#include "shell/TaxCodes.h"
#include "shell/TfrmCodFisc.h"
#include "shell/TfrmPartitaIva.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using testsupport::child;

using testsupport::ModalAnswerer;

namespace {

const QString kCfLength = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                                         "alfanumerici.");
const QString kCfValid = QString::fromUtf8("Il codice fiscale digitato è VALIDO.");
const QString kCfWrong = QString::fromUtf8("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kPiLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri "
                                         "numerici.");
const QString kPiValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                                        "rilasciato dall'Ufficio IVA del Comune di ");
const QString kPiWrong =
    QString::fromUtf8("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                      "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                      "che lo ha rilasciato.");

// What a check dialog showed: the edit's text at opening, and its message boxes.
struct Opened {
    QString kind;
    QString text;
    QWidget* owner = nullptr;
};

} // namespace

// Presses Controlla on a check window preset with the row's text; checks the box and what stays open.
void runCheck(QDialog& check, QLineEdit* edit, QPushButton* controlla) {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(bool, staysOpen);
    edit->setText(text);
    QCOMPARE(edit->text(), text);
    check.show();
    QVERIFY(QTest::qWaitForWindowExposed(&check));
    ModalAnswerer answerer;
    QTest::mouseClick(controlla, Qt::LeftButton);
    COMPARE_ONE_BOX(answerer.seen, message, QMessageBox::Icon(icon), (QStringList{"OK", "Annulla"}));
    QCOMPARE(check.isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(check.focusWidget(), edit);
}

class TestTaxCodes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codFisc_data();
    void codFisc();
    void partitaIva_data();
    void partitaIva();
    void offices_data();
    void offices();
    void codFiscDialog_data();
    void codFiscDialog();
    void partitaIvaDialog_data();
    void partitaIvaDialog();
    void choiceOfCheck_data();
    void choiceOfCheck();
    void codFiscTyping();
    void partitaIvaTyping();
    void asCreated();
};

void TestTaxCodes::codFisc_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid 1") << "RSSMRA85T10A562S" << true;
    QTest::newRow("valid 2") << "MRORSS80A01H501D" << true;
    QTest::newRow("valid 3") << "BNCLRA92E45F205F" << true;
    QTest::newRow("all zeros") << "000000000000000I" << true;
    QTest::newRow("wrong check character") << "RSSMRA85T10A562T" << false;
    QTest::newRow("digit as check character") << "RSSMRA85T10A5620" << false;
    QTest::newRow("lower case") << "rssmra85t10a562s" << false;
    QTest::newRow("blank inside") << "RSSMRA85 10A562S" << false;
    QTest::newRow("accented letter") << QString::fromUtf8("RSSMRÀ85T10A562S") << false;
    // ":" would count 0 like the "0" it replaces; it is no code character all the same.
    QTest::newRow("colon worth zero") << "0:0000000000000I" << false;
    QTest::newRow("at sign") << "@00000000000000I" << false;
    QTest::newRow("past Z") << "[00000000000000I" << false;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << false;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SS" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTaxCodes::codFisc() {
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(shell::IsValidCodFisc(code), valid);
}

void TestTaxCodes::partitaIva_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid 1") << "00743110157" << true;
    QTest::newRow("valid 2") << "12345671205" << true;
    QTest::newRow("check digit 0") << "99999999990" << true;
    QTest::newRow("all zeros") << "00000000000" << true;
    QTest::newRow("wrong check digit") << "00743110158" << false;
    QTest::newRow("digits swapped") << "07043110157" << false;
    QTest::newRow("10 digits") << "0074311015" << false;
    QTest::newRow("12 digits") << "007431101570" << false;
    QTest::newRow("letter") << "0074311015A" << false;
    QTest::newRow("blank") << " 0743110157" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTaxCodes::partitaIva() {
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(shell::IsValidPartitaIva(number), valid);
}

void TestTaxCodes::offices_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");
    QTest::newRow("001") << "001"
                         << "Torino";
    QTest::newRow("040") << "040" << QString::fromUtf8("Forlì");
    QTest::newRow("096") << "096"
                         << "Monza (Milano 2)";
    QTest::newRow("101") << "101"
                         << "Bologna 2";
    QTest::newRow("102") << "102"
                         << "Napoli 2";
    QTest::newRow("120") << "120"
                         << "Bologna 2";
    QTest::newRow("121") << "121"
                         << "Napoli 2";
    QTest::newRow("000") << "000"
                         << "";
    QTest::newRow("103") << "103"
                         << "";
    QTest::newRow("110") << "110"
                         << "";
    QTest::newRow("119") << "119"
                         << "";
    QTest::newRow("122") << "122"
                         << "";
    QTest::newRow("999") << "999"
                         << "";
    QTest::newRow("two digits") << "01"
                                << "";
}

void TestTaxCodes::offices() {
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(shell::vatOffice(code), office);
}

void TestTaxCodes::codFiscDialog_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("empty") << "" << kCfLength << int(QMessageBox::Warning) << true;
    QTest::newRow("valid") << "RSSMRA85T10A562S" << kCfValid << int(QMessageBox::Information) << false;
    QTest::newRow("valid preset in lower case")
        << "rssmra85t10a562s" << kCfValid << int(QMessageBox::Information) << false;
    QTest::newRow("wrong") << "RSSMRA85T10A562T" << kCfWrong << int(QMessageBox::Warning) << false;
    QTest::newRow("blank inside counts")
        << "RSSMRA85 10A562S" << kCfWrong << int(QMessageBox::Warning) << false;
    QTest::newRow("long preset not cut")
        << "RSSMRA85T10A562SX" << kCfLength << int(QMessageBox::Warning) << true;
}

void TestTaxCodes::codFiscDialog() {
    TfrmCodFisc check;
    runCheck(check, child<QLineEdit>(&check, "txtCodFisc"), child<QPushButton>(&check, "btnControlla"));
}

void TestTaxCodes::partitaIvaDialog_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("empty") << "" << kPiLength << int(QMessageBox::Warning) << true;
    QTest::newRow("16 digits not cut")
        << "1234567890123456" << kPiLength << int(QMessageBox::Warning) << true;
    QTest::newRow("office Milano 1") << "00743110157" << kPiValid + "Milano 1."
                                     << int(QMessageBox::Information) << false;
    QTest::newRow("office 120") << "12345671205" << kPiValid + "Bologna 2." << int(QMessageBox::Information)
                                << false;
    QTest::newRow("office 121") << "12345671213" << kPiValid + "Napoli 2." << int(QMessageBox::Information)
                                << false;
    QTest::newRow("office 000") << "12345670009" << kPiValid + "." << int(QMessageBox::Information) << false;
    QTest::newRow("office 110") << "12345671106" << kPiValid + "." << int(QMessageBox::Information) << false;
    QTest::newRow("wrong") << "00743110158" << kPiWrong << int(QMessageBox::Warning) << false;
}

void TestTaxCodes::partitaIvaDialog() {
    TfrmPartitaIva check;
    runCheck(check, child<QLineEdit>(&check, "txtPartitaIva"), child<QPushButton>(&check, "btnControlla"));
}

void TestTaxCodes::choiceOfCheck_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << ""
                           << "frmCodFisc"
                           << "";
    QTest::newRow("blanks only") << "   "
                                 << "frmCodFisc"
                                 << "";
    QTest::newRow("fiscal code, trimmed") << " RSSMRA85T10A562S "
                                          << "frmCodFisc"
                                          << "RSSMRA85T10A562S";
    QTest::newRow("lower case kept") << "abc"
                                     << "frmCodFisc"
                                     << "abc";
    QTest::newRow("digits with a blank") << "123 456"
                                         << "frmCodFisc"
                                         << "123 456";
    QTest::newRow("VAT number, trimmed") << "  00743110157\t"
                                         << "frmPartitaIva"
                                         << "00743110157";
    QTest::newRow("16 digits") << "1234567890123456"
                               << "frmPartitaIva"
                               << "1234567890123456";
}

void TestTaxCodes::choiceOfCheck() {
    QFETCH(QString, field);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QWidget card;
    Opened opened;
    ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        if (opened.owner)
            return false;
        opened.kind = w->objectName();
        opened.owner = w->parentWidget();
        auto* edit = w->findChild<QLineEdit*>();
        opened.text = edit ? edit->text() : QString("?");
        w->findChild<QPushButton*>("btnChiudi")->click();
        return true;
    };
    shell::openTaxCodeCheck(&card, field);
    QCOMPARE(opened.kind, kind);
    QCOMPARE(opened.owner, &card);
    QCOMPARE(opened.text, text);
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(card.findChildren<QDialog*>().isEmpty());
}

void TestTaxCodes::codFiscTyping() {
    TfrmCodFisc check;
    check.show();
    QVERIFY(QTest::qWaitForWindowExposed(&check));
    QLineEdit* edit = child<QLineEdit>(&check, "txtCodFisc");
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, " rssmra85t10a562s");
    QCOMPARE(edit->text(), QString("RSSMRA85T10A562S"));
    QTest::keyClicks(edit, "XYZ"); // the limit filters typing
    QCOMPARE(edit->text(), QString("RSSMRA85T10A562S"));
    // Enter moves the focus to Controlla and presses nothing; Escape does nothing.
    ModalAnswerer answerer;
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&check, "btnControlla"));
    QTest::keyClick(child<QPushButton>(&check, "btnControlla"), Qt::Key_Escape);
    QCoreApplication::processEvents(); // what the key queued has run
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(check.isVisible());
    // A long preset can be shortened by typing, but not lengthened.
    edit->setText("RSSMRA85T10A562SAB");
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_C);
    QCOMPARE(edit->text(), QString("RSSMRA85T10A562SAB"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("RSSMRA85T10A562SA"));
    // A second Enter presses the focused Controlla, as a click does.
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(child<QPushButton>(&check, "btnControlla"), Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), 1);
}

void TestTaxCodes::partitaIvaTyping() {
    TfrmPartitaIva check;
    check.show();
    QVERIFY(QTest::qWaitForWindowExposed(&check));
    QLineEdit* edit = child<QLineEdit>(&check, "txtPartitaIva");
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "00a7-4 3.11");
    QCOMPARE(edit->text(), QString("0074311"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("007431"));
    QTest::keyClick(edit, Qt::Key_Home); // swallowed: the cursor stays
    QTest::keyClick(edit, Qt::Key_9);
    QCOMPARE(edit->text(), QString("0074391"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // shortcuts are swallowed
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QString("007439"));
    QTest::keyClicks(edit, "123456789");
    QCOMPARE(edit->text().size(), 11);
    ModalAnswerer answerer;
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&check, "btnControlla"));
    QTest::keyClick(child<QPushButton>(&check, "btnControlla"), Qt::Key_Escape);
    QCoreApplication::processEvents(); // what the key queued has run
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(check.isVisible());
    // Tab still moves the focus.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != edit);
}

void TestTaxCodes::asCreated() {
    TfrmCodFisc cf;
    QCOMPARE(cf.objectName(), QString("frmCodFisc"));
    QCOMPARE(cf.windowTitle(), QString(" Controllo codice fiscale"));
    QCOMPARE(cf.size(), QSize(478, 254));
    QCOMPARE(cf.findChild<QLabel*>("lblTitolo")->text(),
             QString("Immettere il codice fiscale e premere il pulsante di controllo."));
    QCOMPARE(child<QPushButton>(&cf, "btnControlla")->text(), QString("Controlla"));
    QCOMPARE(child<QPushButton>(&cf, "btnChiudi")->text(), QString("Chiudi"));
    TfrmPartitaIva pi;
    QCOMPARE(pi.objectName(), QString("frmPartitaIva"));
    QCOMPARE(pi.windowTitle(), QString(" Controllo partita IVA"));
    QCOMPARE(pi.size(), QSize(480, 254));
    QCOMPARE(pi.findChild<QLabel*>("lblTitolo")->text(),
             QString("Immettere il numero di partita IVA e premere il pulsante di controllo."));
    for (const char* h :
         {"txtCodFiscTyping()", "txtCodFiscKeyDown(QKeyEvent*)", "btnControllaClick()", "btnChiudiClick()"})
        QVERIFY2(cf.metaObject()->indexOfSlot(h) >= 0, h);
    for (const char* h : {"txtPartitaIvaKeyDown(QKeyEvent*)", "btnControllaClick()", "btnChiudiClick()"})
        QVERIFY2(pi.metaObject()->indexOfSlot(h) >= 0, h);
    pi.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pi));
    ModalAnswerer answerer;
    child<QPushButton>(&pi, "btnChiudi")->click();
    QVERIFY(pi.isHidden());
    QVERIFY(answerer.seen.isEmpty());
}

QTEST_MAIN(TestTaxCodes)
#include "tst_taxcodes.moc"

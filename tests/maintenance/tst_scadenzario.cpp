#include "CardContract.h"
#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "ScheduleFixture.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "maintenance/SchedaScadenza.h"
#include "maintenance/TfrmScadenzario.h"
#include "platform/MediaPlayer.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <functional>
#include <memory>

using testsupport::Appointment;
using testsupport::child;
using testsupport::ModalAnswerer;
using testsupport::SeenBox;

namespace {
const QString kRequired = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
} // namespace

class TestScadenzario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void asCreated();
    void helpText();
    void alarm_data();
    void alarm();
    void alarmKeepsStateOnFailure();
    void calendarKeptBetweenShowings();
    void openYear_data();
    void openYear();
    void yearPasteFiltered();
    void saveChecks_data();
    void saveChecks();
    void saveDate_data();
    void saveDate();
    void saveBytesAndOverwrite();
    void saveFailure();
    void loadRecord();
    void navigation();
    void duplicate();
    void listKeys();
    void listExitCheck();
    void numberFields();
    void pasteFiltered();
    void upperCase();
    void enterChain();
    void closeShowsMenu();
    void commandsOpenWindows_data();
    void commandsOpenWindows();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmScadenzario* w = nullptr;
    QWidget* menu = nullptr;

    template <class T> T* c(const QString& name) const { return child<T>(w, name); }
    QLineEdit* edit(const QString& name) const { return c<QLineEdit>(name); }
    QComboBox* list(const QString& name) const { return c<QComboBox>(name); }
    QString position() const { return c<QLabel>("lblPosizione")->text(); }
    QList<SeenBox> click(const QString& name) {
        ModalAnswerer answerer;
        c<QAbstractButton>(name)->click();
        QCoreApplication::processEvents();
        return answerer.seen;
    }
    QList<SeenBox> openYear(const QString& year) {
        edit("txtAnno")->setText(year);
        return click("btnApri");
    }
    void fillCard() {
        list("txtGiorno")->setEditText("15");
        list("txtMese")->setEditText("Marzo");
        list("txtOreApp")->setEditText("09");
        list("txtMinutiApp")->setEditText("30");
        edit("txtAvviso")->setText("5");
        edit("txtConducente")->setText("Rossi Mario");
        edit("txtCodFisc")->setText("RSSMRA80A01H501U");
        edit("txtRecapito")->setText("0612345");
        edit("txtVeicolo")->setText("Autovettura");
        edit("txtMarca")->setText("Fiat");
        edit("txtModello")->setText("Panda");
        edit("txtColore")->setText("Bianco");
        edit("txtAlimentazione")->setText("Benzina");
        edit("txtTarga")->setText("AB123CD");
        edit("txtManutenzione")->setText("Tagliando");
        edit("txtDettagli")->setText("Olio");
        edit("txtOfficina")->setText("Filtro");
        edit("txtCosto")->setText("120,50");
        edit("txtContatto")->setText("Officina Bianchi");
        edit("txtNote")->setText(QString::fromUtf8("Città"));
    }
    void show() {
        w->hide();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QApplication::setActiveWindow(w);
    }
};

void TestScadenzario::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2025, 3, 10));
    w = new TfrmScadenzario();
    menu = new QWidget();
    menu->setObjectName("frmAvvio");
    common::WindowRegistry::instance().add(w);
    common::WindowRegistry::instance().add(menu);
    show();
}

void TestScadenzario::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
    folder.reset();
}

void TestScadenzario::asCreated() {
    QCOMPARE(w->objectName(), QString("frmScadenzario"));
    QCOMPARE(w->windowTitle(), QString(" Veicolario - Scadenzario Manutenzioni"));
    QVERIFY(!c<QWidget>("panAvvio")->isHidden());
    QVERIFY(c<QWidget>("panContainer")->isHidden());
    QVERIFY(c<QLabel>("lblFile")->isHidden());
    QCOMPARE(edit("txtAnno")->text(), QString("2025"));
    QCOMPARE(edit("txtAnno")->maxLength(), 4);
    QCOMPARE(edit("txtAnno")->font().pointSize(), 28);
    QCOMPARE(w->focusWidget(), edit("txtAnno"));
    QCOMPARE(c<QCalendarWidget>("calAppuntamenti")->selectedDate(), QDate(2025, 3, 10));
    QCOMPARE(c<QLabel>("panInfo")->text(), QString("Pronto per archiviare una nuova scheda..."));
    QVERIFY(w->findChild<platform::MediaPlayer*>("MediaPlayer"));

    QCOMPARE(edit("txtCosto")->text(), QString("0,00"));
    const QStringList names{"txtGiorno",        "txtMese",       "txtOreApp",       "txtMinutiApp",
                            "txtAvviso",        "txtConducente", "txtCodFisc",      "txtRecapito",
                            "txtVeicolo",       "txtMarca",      "txtModello",      "txtColore",
                            "txtAlimentazione", "txtTarga",      "txtManutenzione", "txtDettagli",
                            "txtOfficina",      "txtCosto",      "txtContatto",     "txtNote"};
    const QList<int> widths{2, 10, 2, 2, 3, 50, 16, 50, 50, 50, 50, 50, 50, 30, 50, 250, 250, 15, 50, 250};
    for (int i = 0; i < names.size(); ++i) {
        QWidget* field = c<QWidget>(names.at(i));
        auto* lineEdit = qobject_cast<QComboBox*>(field) ? list(names.at(i))->lineEdit() : edit(names.at(i));
        QCOMPARE(lineEdit->maxLength(), widths.at(i));
        if (lineEdit->validator()) {
            // A paste past the width is refused whole; one that fits is taken, but by the lists.
            const QString kept = lineEdit->text();
            lineEdit->clear();
            lineEdit->insert(QString(widths.at(i) + 1, '1'));
            QCOMPARE(lineEdit->text(), QString());
            lineEdit->insert(QString(widths.at(i), '1'));
            QCOMPARE(lineEdit->text().size(), qobject_cast<QComboBox*>(field) ? 0 : widths.at(i));
            lineEdit->setText(kept);
        }
        QString effName = names.at(i);
        effName.replace(0, 3, "eff");
        QVERIFY(c<QWidget>(effName)->isHidden());
    }
    QCOMPARE(list("txtGiorno")->count(), 31);
    QCOMPARE(list("txtGiorno")->itemText(0), QString("01"));
    QCOMPARE(list("txtMese")->itemText(11), QString("Dicembre"));
    QCOMPARE(list("txtOreApp")->count(), 24);
    QCOMPARE(list("txtMinutiApp")->count(), 60);
    QCOMPARE(list("txtMinutiApp")->itemText(59), QString("59"));
    for (const char* name : {"txtGiorno", "txtMese", "txtOreApp", "txtMinutiApp"})
        QCOMPARE(list(name)->currentIndex(), -1);
    QCOMPARE(list("txtOreApp")->currentText(), QString("00"));
    QCOMPARE(w->recordControls().size(), 23);
}

void TestScadenzario::helpText() {
    testsupport::SeenHelp seen;
    ModalAnswerer answerer;
    testsupport::captureHelp(answerer, seen);
    click("imgGuida");
    QCOMPARE(seen.title, QString("App Scadenzario Manutenzioni"));
    QCOMPARE(seen.owner, w);
    const QStringList paragraphs = seen.text.split("\n\n");
    QCOMPARE(paragraphs.size(), 10);
    QVERIFY(paragraphs.at(7).contains(
        "E' possibile salvare un numero illimitato di scadenze o appuntamenti per ciascun giorno."));
}

void TestScadenzario::alarm_data() {
    QTest::addColumn<QList<Appointment>>("records");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("imminent");
    Appointment near, far, done, badWarning;
    near.data = "12/03/2025";
    near.avviso = "2";
    far.data = "13/03/2025";
    far.avviso = "2";
    done = near;
    done.effettuata = QString::fromUtf8("Sì");
    badWarning.avviso = "";
    QTest::newRow("no file") << QList<Appointment>{} << true << false;
    QTest::newRow("one imminent") << QList<Appointment>{far, near} << true << true;
    QTest::newRow("imminent without sound file") << QList<Appointment>{near} << false << true;
    QTest::newRow("none imminent") << QList<Appointment>{far} << true << false;
    QTest::newRow("done still rings") << QList<Appointment>{done} << true << true;
    QTest::newRow("bad record skipped") << QList<Appointment>{badWarning, near} << true << true;
}

void TestScadenzario::alarm() {
    QFETCH(QList<Appointment>, records);
    QFETCH(bool, sound);
    QFETCH(bool, imminent);
    if (!records.isEmpty()) {
        QByteArray bytes;
        for (const Appointment& a : records)
            bytes += testsupport::appointmentBytes(a);
        folder->write("2025.sca", bytes);
    }
    if (sound)
        folder->write("Avviso.mp3", QByteArray("not really a sound"));
    ModalAnswerer answerer;
    show();
    QCoreApplication::processEvents();
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(folder->exists("2025.sca"));
    QCOMPARE(c<QLabel>("imgPresenti")->isHidden(), !imminent);
    QCOMPARE(c<QLabel>("imgAssenti")->isHidden(), imminent);
    QCOMPARE(c<QAbstractButton>("btnOK")->isEnabled(), imminent);
    auto* player = w->findChild<platform::MediaPlayer*>("MediaPlayer");
    QCOMPARE(player->playCount() > 0, imminent && sound);
    if (imminent)
        QCOMPARE(player->fileName(), folder->path("Avviso.mp3"));
}

void TestScadenzario::alarmKeepsStateOnFailure() {
    Appointment near;
    near.data = "12/03/2025";
    folder->write("2025.sca", testsupport::appointmentBytes(near));
    show();
    QVERIFY(!c<QLabel>("imgPresenti")->isHidden());
    // The year file becomes a directory: the scan fails and the banner stays.
    QVERIFY(QFile::remove(folder->path("2025.sca")));
    QVERIFY(QDir(folder->folder()).mkdir("2025.sca"));
    show();
    QVERIFY(!c<QLabel>("imgPresenti")->isHidden());
    QVERIFY(c<QAbstractButton>("btnOK")->isEnabled());
}

void TestScadenzario::calendarKeptBetweenShowings() {
    c<QCalendarWidget>("calAppuntamenti")->setSelectedDate(QDate(2025, 7, 1));
    common::setTodayForTests(QDate(2025, 3, 11));
    show();
    QCOMPARE(w->calendarDate(), QDate(2025, 7, 1));
}

void TestScadenzario::openYear_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("two digits") << "12" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("four digits") << "2023" << true;
}

void TestScadenzario::openYear() {
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    edit("txtAnno")->clear();
    QTest::keyClicks(edit("txtAnno"), typed);
    const QList<SeenBox> seen = click("btnApri");
    if (!opens) {
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.at(0).text, QString("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QCOMPARE(seen.at(0).icon, QMessageBox::Warning);
        QVERIFY(c<QWidget>("panContainer")->isHidden());
        QCOMPARE(w->focusWidget(), edit("txtAnno"));
        return;
    }
    QVERIFY(seen.isEmpty());
    QCOMPARE(w->yearFile(), folder->path("2023.sca"));
    QCOMPARE(c<QLabel>("lblAnno")->text(), QString("2023"));
    QCOMPARE(w->windowTitle(), QString(" Veicolario - Scadenzario Manutenzioni anno 2023"));
    QVERIFY(c<QWidget>("panAvvio")->isHidden());
    QVERIFY(!c<QWidget>("panContainer")->isHidden());
    QCOMPARE(w->focusWidget(), c<QWidget>("txtGiorno"));
    QVERIFY(!folder->exists("2023.sca"));
    // The first command that reads the year creates its file.
    QCOMPARE(click("cmdPrimo").size(), 1);
    QVERIFY(folder->exists("2023.sca"));
}

void TestScadenzario::yearPasteFiltered() {
    edit("txtAnno")->clear();
    QTest::keyClicks(edit("txtAnno"), "2x0-2");
    QCOMPARE(edit("txtAnno")->text(), QString("202"));
    edit("txtAnno")->clear();
    edit("txtAnno")->insert("../1"); // refused whole, not taken as "1"
    QCOMPARE(edit("txtAnno")->text(), QString());
    edit("txtAnno")->insert("1");
    QCOMPARE(edit("txtAnno")->text(), QString("1"));
    QCOMPARE(click("btnApri").size(), 1);
    QVERIFY(c<QWidget>("panContainer")->isHidden());
    // Text set past the filter is still refused when it is not four digits.
    edit("txtAnno")->setText(QString::fromUtf8("２０２５"));
    QCOMPARE(click("btnApri").size(), 1);
    QVERIFY(c<QWidget>("panContainer")->isHidden());
}

void TestScadenzario::saveChecks_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("1 day") << "txtGiorno"
                           << ""
                           << "il giorno della scadenza."
                           << "txtGiorno";
    QTest::newRow("2 day digits") << "txtGiorno"
                                  << "5"
                                  << "il giorno della scadenza usando due cifre."
                                  << "txtGiorno";
    QTest::newRow("3 month") << "txtMese"
                             << " "
                             << "il mese della scadenza."
                             << "txtMese";
    QTest::newRow("4 hour") << "txtOreApp"
                            << ""
                            << "l'ora dell'appuntamento."
                            << "txtOreApp";
    QTest::newRow("5 minutes") << "txtMinutiApp"
                               << ""
                               << "i minuti dell'ora dell'appuntamento."
                               << "txtMinutiApp";
    QTest::newRow("6 hour digits") << "txtOreApp"
                                   << "9"
                                   << "l'ora dell'appuntamento usando due cifre."
                                   << "txtOreApp";
    QTest::newRow("7 minute digits") << "txtMinutiApp"
                                     << "3"
                                     << "i minuti dell'ora dell'appuntamento usando due cifre."
                                     << "txtMinutiApp";
    QTest::newRow("8 warning") << "txtAvviso"
                               << ""
                               << "i giorni di preavviso."
                               << "txtAvviso";
    QTest::newRow("9 type") << "txtVeicolo"
                            << "  "
                            << "il tipo di veicolo."
                            << "txtVeicolo";
    QTest::newRow("10 make") << "txtMarca"
                             << ""
                             << "la marca del veicolo."
                             << "txtMarca";
    QTest::newRow("11 model") << "txtModello"
                              << ""
                              << "il modello del veicolo."
                              << "txtModello";
    QTest::newRow("12 plate") << "txtTarga"
                              << ""
                              << "il numero di targa del veicolo."
                              << "txtTarga";
    QTest::newRow("13 maintenance") << "txtManutenzione"
                                    << ""
                                    << "il tipo di manutenzione da effettuare."
                                    << "txtManutenzione";
    QTest::newRow("14 month name") << "txtMese"
                                   << "Marz"
                                   << "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter "
                                      "salvare la scheda è necessario indicare una data valida."
                                   << "txtMese";
    // An earlier check wins over a later one.
    QTest::newRow("day before month") << "txtGiorno|txtMese"
                                      << "|"
                                      << "il giorno della scadenza."
                                      << "txtGiorno";
}

void TestScadenzario::saveChecks() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    openYear("2025");
    fillCard();
    const QStringList fields = field.split('|');
    const QStringList values = value.split('|');
    for (int i = 0; i < fields.size(); ++i) {
        if (auto* box = w->findChild<QComboBox*>(fields.at(i)))
            box->setEditText(values.at(i));
        else
            edit(fields.at(i))->setText(values.at(i));
    }
    const QList<SeenBox> seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).text, message.startsWith("Attenzione") ? message : kRequired + message);
    QCOMPARE(seen.at(0).icon, QMessageBox::Warning);
    QCOMPARE(seen.at(0).buttons.size(), 2);
    QCOMPARE(w->focusWidget(), c<QWidget>(focus));
    QCOMPARE(position(), QString());
    QCOMPARE(folder->read("2025.sca").size(), 0);
}

void TestScadenzario::saveDate_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<bool>("saved");
    QTest::newRow("31 April") << "2024"
                              << "31"
                              << "Aprile" << false;
    QTest::newRow("29 February leap") << "2024"
                                      << "29"
                                      << "Febbraio" << true;
    QTest::newRow("29 February") << "2023"
                                 << "29"
                                 << "Febbraio" << false;
    QTest::newRow("month in other case") << "2024"
                                         << "30"
                                         << "aprile" << true;
}

void TestScadenzario::saveDate() {
    QFETCH(QString, year);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(bool, saved);
    openYear(year);
    fillCard();
    list("txtGiorno")->setEditText(day);
    list("txtMese")->setEditText(month);
    const QList<SeenBox> seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    const QString date =
        day + "/" + QString("%1").arg(maintenance::monthNumber(month), 2, 10, QChar('0')) + "/" + year;
    QCOMPARE(c<QLabel>("lblData")->text(), date);
    QCOMPARE(c<QLabel>("lblOra")->text(), QString("09:30"));
    if (saved) {
        QCOMPARE(seen.at(0).text, QString::fromUtf8("La scheda corrente è stata salvata in archivio."));
        QCOMPARE(position(), QString("1"));
    } else {
        QCOMPARE(seen.at(0).text, "Attenzione: la data " + date +
                                      QString::fromUtf8(" non esiste.\n\r\n\rPer poter salvare la scheda è "
                                                        "necessario indicare una data valida."));
        QCOMPARE(seen.at(0).buttons.size(), 1);
        QCOMPARE(w->focusWidget(), c<QWidget>("txtGiorno"));
        QCOMPARE(position(), QString());
    }
}

void TestScadenzario::saveBytesAndOverwrite() {
    openYear("2025");
    fillCard();
    edit("txtCosto")->clear();
    c<QCheckBox>("chkDaConfermare")->setChecked(true);
    QList<SeenBox> seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).icon, QMessageBox::Information);
    QCOMPARE(seen.at(0).text, QString::fromUtf8("La scheda corrente è stata salvata in archivio."));
    QCOMPARE(position(), QString("1"));
    QCOMPARE(edit("txtCosto")->text(), QString("0,00"));

    using namespace maintenance::SchedaScadenza;
    common::Record want(layout());
    const QStringList values{"15",
                             "Marzo",
                             "2025",
                             "15/03/2025",
                             "09",
                             "30",
                             "09:30",
                             "5",
                             "Rossi Mario",
                             "RSSMRA80A01H501U",
                             "0612345",
                             "Autovettura",
                             "Fiat",
                             "Panda",
                             "Bianco",
                             "Benzina",
                             "AB123CD",
                             "Tagliando",
                             "Olio",
                             "Filtro",
                             "0,00",
                             "Officina Bianchi",
                             QString::fromUtf8("Città"),
                             QString::fromUtf8("Sì"),
                             "No"};
    for (int i = 0; i < values.size(); ++i)
        want.set(i, values.at(i));
    const QByteArray file = folder->read("2025.sca");
    QCOMPARE(file.size(), 1328);
    QCOMPARE(file, want.bytes());
    QCOMPARE(file.mid(1071, 6), QByteArray("\x05"
                                           "Citt\xE0",
                                           6));

    // A cost typed and saved without leaving the field is stored as typed.
    edit("txtCosto")->setText("12");
    seen = click("cmdSalva");
    QCOMPARE(seen.at(0).text,
             QString("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(folder->read("2025.sca").size(), 1328);
    QCOMPARE(folder->read("2025.sca").mid(1004, 3), QByteArray("\x02"
                                                               "12"));
    // A new card is appended after the others.
    click("cmdNuovo");
    fillCard();
    click("cmdSalva");
    QCOMPARE(position(), QString("2"));
    QCOMPARE(folder->read("2025.sca").size(), 2 * 1328);
}

void TestScadenzario::saveFailure() {
    openYear("2024");
    QVERIFY(QDir(folder->folder()).mkdir("2024.sca"));
    fillCard();
    const QList<SeenBox> seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).icon, QMessageBox::Critical);
    QVERIFY(seen.at(0).text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
    QCOMPARE(position(), QString());
}

void TestScadenzario::loadRecord() {
    Appointment a;
    a.daConfermare = QString::fromUtf8("Sì");
    a.effettuata = "Forse"; // neither flag value: the box keeps its state
    folder->write("2025.sca", testsupport::appointmentBytes(a));
    openYear("2025");
    c<QCheckBox>("chkEffettuata")->setChecked(true);
    QVERIFY(click("cmdPrimo").isEmpty());
    QCOMPARE(position(), QString("1"));
    QCOMPARE(list("txtGiorno")->currentText(), QString("15"));
    QCOMPARE(list("txtMese")->currentText(), QString("Marzo"));
    QCOMPARE(c<QLabel>("lblAnno")->text(), QString("2025"));
    QCOMPARE(c<QLabel>("lblData")->text(), QString("15/03/2025"));
    QCOMPARE(c<QLabel>("lblOra")->text(), QString("09:30"));
    QCOMPARE(edit("txtTarga")->text(), QString("AB123CD"));
    QVERIFY(c<QCheckBox>("chkDaConfermare")->isChecked());
    QVERIFY(c<QCheckBox>("chkEffettuata")->isChecked());
}

void TestScadenzario::navigation() {
    openYear("2025");
    QList<SeenBox> seen = click("cmdAvanti");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).text, QString("L'archivio non contiene nessuna scheda."));
    QCOMPARE(seen.at(0).icon, QMessageBox::Information);
    QCOMPARE(position(), QString());
    Appointment a;
    folder->write("2025.sca", testsupport::appointmentBytes(a) + testsupport::appointmentBytes(a) +
                                  testsupport::appointmentBytes(a));
    click("cmdUltimo");
    QCOMPARE(position(), QString("3"));
    QVERIFY(click("cmdAvanti").isEmpty());
    QCOMPARE(position(), QString("3"));
    click("cmdIndietro");
    QCOMPARE(position(), QString("2"));
    click("cmdNuovo");
    click("cmdIndietro");
    QCOMPARE(position(), QString("1"));
}

void TestScadenzario::duplicate() {
    openYear("2025");
    QList<SeenBox> seen = click("cmdDuplica");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).icon, QMessageBox::Warning);
    QCOMPARE(seen.at(0).text,
             QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                               "dopo che questa è stata inserita in archivio."));
    Appointment a;
    folder->write("2025.sca", testsupport::appointmentBytes(a));
    click("cmdPrimo");
    c<QCheckBox>("chkEffettuata")->setChecked(true);
    seen = click("cmdDuplica");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).text,
             QString("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                     "Al termine premere Salva per inserire la scheda in archivio."));
    QCOMPARE(position(), QString());
    QCOMPARE(list("txtGiorno")->currentText(), QString());
    QCOMPARE(list("txtMese")->currentText(), QString());
    QCOMPARE(list("txtOreApp")->currentText(), QString("00"));
    QCOMPARE(list("txtMinutiApp")->currentIndex(), -1);
    QCOMPARE(edit("txtTarga")->text(), QString("AB123CD"));
    QVERIFY(c<QCheckBox>("chkEffettuata")->isChecked());
    QCOMPARE(w->focusWidget(), c<QWidget>("txtGiorno"));
    list("txtGiorno")->setEditText("16");
    list("txtMese")->setEditText("Marzo");
    click("cmdSalva");
    QCOMPARE(position(), QString("2"));
    QCOMPARE(folder->read("2025.sca").left(1328), testsupport::appointmentBytes(a));
}

void TestScadenzario::listKeys() {
    openYear("2025");
    QComboBox* day = list("txtGiorno");
    day->setFocus();
    QTest::keyClicks(day, "a7");
    QTest::keyClick(day, Qt::Key_Down);
    QCOMPARE(day->currentText(), QString());
    day->setCurrentIndex(6);
    QCOMPARE(day->currentText(), QString("07"));
    QTest::keyClick(day, Qt::Key_Left);
    QTest::keyClick(day, Qt::Key_Backspace);
    QCOMPARE(day->currentText(), QString());
    day->setCurrentIndex(6);
    edit("txtAvviso")->setFocus(Qt::TabFocusReason);
    QCOMPARE(day->currentText(), QString("07"));
    // Taking the focus clears the list selection and keeps the text.
    day->setFocus(Qt::TabFocusReason);
    QCOMPARE(day->currentIndex(), -1);
    QCOMPARE(day->currentText(), QString("07"));
}

void TestScadenzario::listExitCheck() {
    openYear("2025");
    QComboBox* month = list("txtMese");
    month->setFocus(Qt::TabFocusReason);
    month->setEditText(" gennaio");
    edit("txtAvviso")->setFocus(Qt::TabFocusReason);
    QCOMPARE(month->currentText(), QString());
    month->setFocus(Qt::TabFocusReason);
    month->setEditText("Gennaio");
    edit("txtAvviso")->setFocus(Qt::TabFocusReason);
    QCOMPARE(month->currentText(), QString("Gennaio"));
    // The highlight follows the focus.
    QVERIFY(!c<QWidget>("effAvviso")->isHidden());
    QVERIFY(c<QWidget>("effMese")->isHidden());
}

void TestScadenzario::numberFields() {
    openYear("2025");
    QLineEdit* avviso = edit("txtAvviso");
    avviso->setFocus();
    QTest::keyClicks(avviso, "1,5a");
    QCOMPARE(avviso->text(), QString("15"));
    QLineEdit* cost = edit("txtCosto");
    cost->setFocus(Qt::TabFocusReason);
    cost->clear();
    QTest::keyClicks(cost, "abc");
    QCOMPARE(cost->text(), QString());
    QTest::keyClicks(cost, "12,5");
    edit("txtContatto")->setFocus(Qt::TabFocusReason);
    QCOMPARE(cost->text(), QString("12,50"));
    cost->setFocus(Qt::TabFocusReason);
    cost->clear();
    edit("txtContatto")->setFocus(Qt::TabFocusReason);
    QCOMPARE(cost->text(), QString("0,00"));
}

void TestScadenzario::pasteFiltered() {
    openYear("2025");
    // A paste is taken whole or refused whole, never with characters dropped.
    edit("txtAvviso")->insert("1a2");
    QCOMPARE(edit("txtAvviso")->text(), QString());
    edit("txtAvviso")->insert("123");
    QCOMPARE(edit("txtAvviso")->text(), QString("123"));
    edit("txtAvviso")->setCursorPosition(1);
    QTest::keyClick(edit("txtAvviso"), Qt::Key_9);
    QCOMPARE(edit("txtAvviso")->text(), QString("123"));
    edit("txtCosto")->clear();
    edit("txtCosto")->insert("-1.000,5 EUR");
    QCOMPARE(edit("txtCosto")->text(), QString());
    edit("txtCosto")->insert("1000,5");
    QCOMPARE(edit("txtCosto")->text(), QString("1000,5"));
    // The program's own texts are not filtered.
    edit("txtAvviso")->setText("x");
    QCOMPARE(edit("txtAvviso")->text(), QString("x"));
}

void TestScadenzario::upperCase() {
    openYear("2025");
    QLineEdit* plate = edit("txtTarga");
    plate->setFocus();
    QTest::keyClicks(plate, "ab-123 ");
    QCOMPARE(plate->text(), QString("AB-123"));
    QLineEdit* code = edit("txtCodFisc");
    code->setFocus();
    QTest::keyClicks(code, " rss");
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("è"));
    QApplication::sendEvent(code, &accented);
    QCOMPARE(code->text(), QString::fromUtf8("RSSè"));
}

void TestScadenzario::enterChain() {
    openYear("2025");
    const QStringList chain{
        "txtGiorno",        "txtMese",     "txtOreApp",       "txtMinutiApp", "txtAvviso",   "txtConducente",
        "txtCodFisc",       "txtRecapito", "txtVeicolo",      "txtMarca",     "txtModello",  "txtColore",
        "txtAlimentazione", "txtTarga",    "txtManutenzione", "txtDettagli",  "txtOfficina", "txtCosto",
        "txtContatto",      "txtNote",     "txtGiorno"};
    c<QWidget>(chain.first())->setFocus();
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        QCOMPARE(w->focusWidget()->objectName(), chain.at(i));
    }
}

void TestScadenzario::closeShowsMenu() {
    menu->hide();
    openYear("2025");
    click("cmdEsci");
    QVERIFY(w->isHidden());
    QVERIFY(!menu->isHidden());
    QVERIFY(!c<QWidget>("panAvvio")->isHidden());
    QVERIFY(c<QWidget>("panContainer")->isHidden());
}

void TestScadenzario::commandsOpenWindows_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::newRow("imminent") << "btnOK"
                              << "frmExpImminenti";
    QTest::newRow("day") << "btnGiorno"
                         << "frmExpGiornaliere";
    QTest::newRow("month") << "btnMese"
                           << "frmExpMensili";
    QTest::newRow("to do") << "cmdDaEffettuare"
                           << "frmConfermati";
    QTest::newRow("done") << "cmdEffettuate"
                          << "frmNonConfermati";
    QTest::newRow("to confirm") << "cmdDaConfermare"
                                << "frmDaConfermare";
    QTest::newRow("year export") << "cmdEsporta"
                                 << "frmExpScadenzario";
    QTest::newRow("search") << "cmdTrova"
                            << "frmTrovaScadenzario";
    QTest::newRow("vehicle picker") << "cmdImporta"
                                    << "frmTrovaAutomezzi";
}

void TestScadenzario::commandsOpenWindows() {
    QFETCH(QString, command);
    QFETCH(QString, window);
    Appointment near;
    near.data = "12/03/2025";
    folder->write("2025.sca", testsupport::appointmentBytes(near));
    show();
    if (command.startsWith("cmd"))
        openYear("2025");
    QString opened;
    QWidget* owner = nullptr;
    ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* modal) {
        opened = modal->objectName();
        owner = modal->parentWidget();
        modal->close();
        return true;
    };
    c<QAbstractButton>(command)->click();
    QCOMPARE(opened, window);
    QCOMPARE(owner, w);
}

namespace {

// The appointment card of an opened year under the contract every card keeps.
testsupport::CardSpec appointmentCardSpec() {
    static const QString year = QStringLiteral("2024");
    testsupport::CardSpec spec;
    spec.make = [] { return new TfrmScadenzario; };
    spec.shown = [](QWidget* card) {
        child<QLineEdit>(card, "txtAnno")->setText(year);
        child<QAbstractButton>(card, "btnApri")->click();
    };
    spec.archive = year + ".sca";
    spec.record = [](const QStringList& required) {
        using namespace maintenance::SchedaScadenza;
        common::Record r(layout());
        const int fields[] = {GiornoMese, Mese,  OreApp,  MinutiApp, Avviso,
                              Veicolo,    Marca, Modello, Targa,     Manutenzione};
        for (int i = 0; i < required.size(); ++i)
            r.set(fields[i], required.at(i));
        r.set(Anno, year);
        r.set(Data, QStringLiteral("%1/%2/%3")
                        .arg(required.at(0))
                        .arg(maintenance::monthNumber(required.at(1)), 2, 10, QLatin1Char('0'))
                        .arg(year));
        r.set(Ora, required.at(2) + ":" + required.at(3));
        r.set(Costo, QStringLiteral("0,00"));
        r.set(AppDaConfermare, maintenance::kNo);
        r.set(Effettuata, maintenance::kNo);
        return r.bytes();
    };
    spec.required = {{"txtGiorno", kRequired + "il giorno della scadenza."},
                     {"txtMese", kRequired + "il mese della scadenza."},
                     {"txtOreApp", kRequired + "l'ora dell'appuntamento."},
                     {"txtMinutiApp", kRequired + "i minuti dell'ora dell'appuntamento."},
                     {"txtAvviso", kRequired + "i giorni di preavviso."},
                     {"txtVeicolo", kRequired + "il tipo di veicolo."},
                     {"txtMarca", kRequired + "la marca del veicolo."},
                     {"txtModello", kRequired + "il modello del veicolo."},
                     {"txtTarga", kRequired + "il numero di targa del veicolo."},
                     {"txtManutenzione", kRequired + "il tipo di manutenzione da effettuare."}};
    spec.sample = {"15", "Marzo", "09", "30", "5", "Autovettura", "Fiat", "Panda", "AB123CD", "Tagliando"};
    spec.markedField = 5;
    spec.duplicateClears = {"txtGiorno", "txtMese"};
    spec.appended = common::kAppendedSalvata;
    spec.buttons = {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo",
                    "cmdNuovo", "cmdDuplica",  "cmdSalva"};
    return spec;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestScadenzario test;
    testsupport::CardContract contract(appointmentCardSpec());
    const int failed = QTest::qExec(&test, argc, argv);
    return failed | QTest::qExec(&contract, argc, argv);
}
#include "tst_scadenzario.moc"

#include "Controls.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "booking/Interval.h"
#include "booking/Openers.h"
#include "booking/TfrmIntervallo.h"
#include "common/WindowRegistry.h"
#include "planner/DayCalendar.h"
#include "planner/TfrmPlanning.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testsupport::child;

namespace {

struct Fixture {
    testsupport::TestFolder folder;
    TfrmPlanning* planning = nullptr;
    Fixture() {
        planning = new TfrmPlanning;
        common::WindowRegistry::instance().add(planning);
    }
    ~Fixture() { common::WindowRegistry::instance().destroyAll(); }
};

QComboBox* box(QWidget* w, const char* name) {
    return child<QComboBox>(w, name);
}

// Runs step while the dialog is shown modally, then closes it if the step left it open.
void whileShown(TfrmIntervallo& dialog, const std::function<void()>& step) {
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowActive(&dialog))
            step();
        if (dialog.isVisible())
            dialog.close();
    });
    dialog.exec();
}

// The control that holds the dialog's focus (a date box for its own edit line).
QString focusedName(QWidget* dialog) {
    QWidget* w = dialog->focusWidget();
    if (w && w->objectName().isEmpty() && qobject_cast<QComboBox*>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

// Picks an entry from a box's list, as the mouse does.
void pick(QComboBox* b, const QString& entry) {
    const int index = b->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    b->setCurrentIndex(index);
    emit b->activated(index);
}

QList<int> bookedSlots(TfrmPlanning* planning, const QString& text) {
    QList<int> days;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot)
        if (planning->isDayBooked(slot) && planning->dayText(slot) == text)
            days.append(slot);
    return days;
}

} // namespace

class TestIntervallo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { booking::registerWithPlanner(); }
    void plannerPresetsTheDialog();
    void monthNames_data();
    void monthNames();
    void checksInOrder_data();
    void checksInOrder();
    void bookedDays_data();
    void bookedDays();
    void answerNoBooksNothing();
    void dateBoxesTakeNoTyping();
    void resetKeepsText();
    void exitChecks_data();
    void exitChecks();
    void enterChain();
};

void TestIntervallo::plannerPresetsTheDialog() {
    Fixture f;
    f.planning->setYearAndVehicle(" 2024 ", {"Auto", "", "Panda", "AB1"});
    QStringList seen;
    testsupport::ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        if (w->objectName() != QLatin1String("frmIntervallo"))
            return false;
        seen = QStringList{w->windowTitle(),
                           child<QLabel>(w, "lblAnnoInizio")->text(),
                           child<QLabel>(w, "lblAnnoFine")->text(),
                           child<QLabel>(w, "infCamera")->text(),
                           box(w, "txtGiornoInizio")->currentText(),
                           box(w, "txtMeseInizio")->currentText(),
                           box(w, "txtGiornoFine")->currentText(),
                           box(w, "txtMeseFine")->currentText(),
                           child<QLineEdit>(w, "txtPrenotazione")->text(),
                           focusedName(w)};
        if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
            w->grab().save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/intervallo.png");
        child<QPushButton>(w, "btnAnnulla")->click();
        return true;
    };
    f.planning->cmdIntervalloClick();
    QCOMPARE(seen, QStringList({" Prenotazione noleggio veicolo per intervallo di tempo", "2024", "2024",
                                " Panda", "", "", "", "", "", "txtPrenotazione"}));
}

void TestIntervallo::monthNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("month");
    QTest::newRow("entry") << "Gennaio" << 1;
    QTest::newRow("capitals") << "MARZO" << 3;
    QTest::newRow("blanks around") << " marzo " << 3;
    QTest::newRow("last") << "Dicembre" << 12;
    QTest::newRow("abbreviated") << "Mar" << 0;
    QTest::newRow("number") << "03" << 0;
    QTest::newRow("accented capital is no A-Z") << QString::fromUtf8("MÀRZO") << 0;
}

void TestIntervallo::monthNames() {
    QFETCH(QString, text);
    QFETCH(int, month);
    QCOMPARE(booking::monthOfName(text), month);
}

void TestIntervallo::checksInOrder_data() {
    QTest::addColumn<QStringList>("boxes"); // start day, start month, end day, end month
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus"); // empty: not moved from txtPrenotazione
    const int warning = int(QMessageBox::Warning), plain = int(QMessageBox::NoIcon);
    const QString tail = QString::fromUtf8(" è necessario indicare una data valida.");
    QTest::newRow("all empty")
        << QStringList{"", "", "", ""} << "2024"
        << "Rossi"
        << "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco "
           "a cascata."
        << warning << "txtGiornoInizio";
    QTest::newRow("start month")
        << QStringList{"01", "", "", ""} << "2024"
        << "Rossi"
        << "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a "
           "cascata."
        << warning << "txtMeseInizio";
    QTest::newRow("end day")
        << QStringList{"01", "Gennaio", "", ""} << "2024"
        << "Rossi"
        << "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a "
           "cascata."
        << warning << "txtGiornoFine";
    QTest::newRow("end month")
        << QStringList{"01", "Gennaio", "02", ""} << "2024"
        << "Rossi"
        << "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a "
           "cascata."
        << warning << "txtMeseFine";
    QTest::newRow("31 April start, before a bad end")
        << QStringList{"31", "Aprile", "31", "Giugno"} << "2024"
        << "Rossi"
        << "Attenzione: la data 31/04/2024 di inizio intervallo non esiste.\n\r\n\rPer poter effettuare la "
           "prenotazione" +
               tail
        << plain << "txtGiornoInizio";
    QTest::newRow("29 Feb start, common year")
        << QStringList{"29", "Febbraio", "01", "Marzo"} << "2023"
        << "Rossi"
        << "Attenzione: la data 29/02/2023 di inizio intervallo non esiste.\n\r\n\rPer poter effettuare la "
           "prenotazione" +
               tail
        << plain << "txtGiornoInizio";
    QTest::newRow("29 Feb end, common year") << QStringList{"01", "Febbraio", "29", "Febbraio"} << "2023"
                                             << "Rossi"
                                             << "Attenzione: la data 29/02/2023 di fine intervallo non "
                                                "esiste.\n\r\n\rPer effettuare la prenotazione" +
                                                    tail
                                             << plain << "txtGiornoFine";
    QTest::newRow("end before start")
        << QStringList{"02", "Marzo", "01", "Marzo"} << "2024"
        << "Rossi"
        << QString::fromUtf8(
               "Attenzione: la data di fine intervallo (01/03/2024) non può essere anteriore a quella "
               "di inizio intervallo (02/03/2024).\n\r\n\rPer effettuare la prenotazione è necessario "
               "indicare un intervallo di tempo valido.")
        << plain << "";
    QTest::newRow("blank name") << QStringList{"01", "Marzo", "02", "Marzo"} << "2024"
                                << "   "
                                << QString::fromUtf8(
                                       "Attenzione: per effettuare la prenotazione è necessario "
                                       "indicare il nome del cliente.")
                                << warning << "txtPrenotazione";
}

void TestIntervallo::checksInOrder() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, year);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    Fixture f;
    f.planning->setDay(70, "Bianchi");
    TfrmIntervallo dialog(f.planning);
    dialog.preset({year, year, "Fiat Panda"});
    testsupport::ModalAnswerer answerer;
    QString focused;
    bool open = false;
    whileShown(dialog, [&] {
        const char* names[] = {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"};
        for (int i = 0; i < 4; ++i)
            if (!boxes[i].isEmpty())
                pick(box(&dialog, names[i]), boxes[i]);
        auto* name = child<QLineEdit>(&dialog, "txtPrenotazione");
        name->setText(text);
        name->setFocus();
        child<QPushButton>(&dialog, "btnChiudi")->click();
        open = dialog.isVisible();
        focused = focusedName(&dialog);
    });
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(int(answerer.seen[0].icon), icon);
    QCOMPARE(answerer.seen[0].buttons,
             icon == int(QMessageBox::NoIcon) ? QStringList{"OK"} : QStringList({"OK", "Annulla"}));
    QVERIFY(open);
    QCOMPARE(focused, focus.isEmpty() ? QString("txtPrenotazione") : focus);
    // Nothing was booked.
    QCOMPARE(bookedSlots(f.planning, "Bianchi"), QList<int>{70});
    int booked = 0;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot)
        booked += f.planning->isDayBooked(slot);
    QCOMPARE(booked, 1);
}

void TestIntervallo::bookedDays_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QString>("question");
    QList<int> leapYear, commonYear;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
        leapYear.append(slot);
        if (slot != 60)
            commonYear.append(slot);
    }
    const QString ask = "INTERVALLO SELEZIONATO:  DAL  %1 AL %2.\r\n\r\nSi conferma la prenotazione?";
    QTest::newRow("across February, leap") << "2024" << QStringList{"28", "Febbraio", "01", "Marzo"}
                                           << QList<int>{59, 60, 61} << ask.arg("28/02/2024", "01/03/2024");
    QTest::newRow("across February, common") << "2023" << QStringList{"28", "Febbraio", "01", "Marzo"}
                                             << QList<int>{59, 61} << ask.arg("28/02/2023", "01/03/2023");
    QTest::newRow("29 Feb alone, leap") << "2024" << QStringList{"29", "febbraio", "29", " FEBBRAIO "}
                                        << QList<int>{60} << ask.arg("29/02/2024", "29/02/2024");
    QTest::newRow("one day") << "2025" << QStringList{"15", "Agosto", "15", "Agosto"} << QList<int>{228}
                             << ask.arg("15/08/2025", "15/08/2025");
    QTest::newRow("whole leap year") << "2024" << QStringList{"01", "Gennaio", "31", "Dicembre"} << leapYear
                                     << ask.arg("01/01/2024", "31/12/2024");
    QTest::newRow("whole common year") << "1900" << QStringList{"01", "Gennaio", "31", "Dicembre"}
                                       << commonYear << ask.arg("01/01/1900", "31/12/1900");
}

void TestIntervallo::bookedDays() {
    QFETCH(QString, year);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, days);
    QFETCH(QString, question);
    Fixture f;
    // Earlier bookings: one inside every interval's reach is overwritten, the others stay.
    for (const int slot : {1, 58, 60, 62, 228, 366})
        f.planning->setDay(slot, "Old");
    TfrmIntervallo dialog(f.planning);
    dialog.preset({year, year, "Fiat Panda"});
    testsupport::ModalAnswerer answerer({QString::fromUtf8("Sì")});
    bool open = true;
    whileShown(dialog, [&] {
        const char* names[] = {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"};
        for (int i = 0; i < 4; ++i)
            box(&dialog, names[i])->setEditText(boxes[i]);
        child<QLineEdit>(&dialog, "txtPrenotazione")->setText("  Rossi Mario  ");
        child<QPushButton>(&dialog, "btnChiudi")->click();
        open = dialog.isVisible();
    });
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, question);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Question);
    QVERIFY(!open);
    QCOMPARE(bookedSlots(f.planning, "Rossi Mario"), days);
    for (const int slot : {1, 58, 60, 62, 228, 366})
        if (!days.contains(slot))
            QCOMPARE(f.planning->dayText(slot), QString("Old"));
    QCOMPARE(child<QLabel>(&dialog, "lblDataInizio")->text(), question.mid(30, 10));
}

void TestIntervallo::answerNoBooksNothing() {
    Fixture f;
    TfrmIntervallo dialog(f.planning);
    dialog.preset({"2024", "2024", "Fiat Panda"});
    testsupport::ModalAnswerer answerer({"No"});
    bool open = false;
    whileShown(dialog, [&] {
        pick(box(&dialog, "txtGiornoInizio"), "01");
        pick(box(&dialog, "txtMeseInizio"), "Marzo");
        pick(box(&dialog, "txtGiornoFine"), "03");
        pick(box(&dialog, "txtMeseFine"), "Marzo");
        child<QLineEdit>(&dialog, "txtPrenotazione")->setText("Rossi");
        child<QPushButton>(&dialog, "btnChiudi")->click();
        open = dialog.isVisible();
    });
    QCOMPARE(answerer.seen.size(), 1);
    QVERIFY(open);
    QCOMPARE(bookedSlots(f.planning, "Rossi"), QList<int>());
    QCOMPARE(box(&dialog, "txtMeseFine")->currentText(), QString("Marzo"));
}

void TestIntervallo::dateBoxesTakeNoTyping() {
    Fixture f;
    TfrmIntervallo dialog(f.planning);
    dialog.preset({"2024", "2024", ""});
    QStringList texts;
    whileShown(dialog, [&] {
        QComboBox* day = box(&dialog, "txtGiornoInizio");
        day->setFocus();
        pick(day, "05");
        QTest::keyClicks(day, "12a");
        texts.append(day->currentText());
        QTest::keyClick(day, Qt::Key_Down);
        QTest::keyClick(day, Qt::Key_PageDown);
        texts.append(day->currentText());
        QWheelEvent wheel(QPointF(5, 5), day->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(day, &wheel);
        texts.append(day->currentText());
        QTest::keyClick(day, Qt::Key_Backspace);
        texts.append(day->currentText());
        pick(day, "07");
        QTest::keyClick(day, Qt::Key_Delete);
        texts.append(day->currentText());
    });
    QCOMPARE(texts, QStringList({"05", "05", "05", "", ""}));
}

void TestIntervallo::resetKeepsText() {
    Fixture f;
    TfrmIntervallo dialog(f.planning);
    dialog.preset({"2024", "2024", ""});
    QString text;
    int index = 0;
    bool highlighted = false;
    whileShown(dialog, [&] {
        QComboBox* month = box(&dialog, "txtMeseInizio");
        pick(month, "Aprile");
        child<QLineEdit>(&dialog, "txtPrenotazione")->setFocus();
        month->setFocus();
        text = month->currentText();
        index = month->currentIndex();
        highlighted = !child<QWidget>(&dialog, "effMeseInizio")->isHidden();
    });
    QCOMPARE(text, QString("Aprile"));
    QCOMPARE(index, -1);
    QVERIFY(highlighted);
}

void TestIntervallo::exitChecks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("day entry") << "txtGiornoInizio"
                               << "09"
                               << "09";
    QTest::newRow("day with blanks kept untrimmed") << "txtGiornoFine"
                                                    << " 31 "
                                                    << " 31 ";
    QTest::newRow("one digit") << "txtGiornoInizio"
                               << "5"
                               << "";
    QTest::newRow("32") << "txtGiornoFine"
                        << "32"
                        << "";
    QTest::newRow("00") << "txtGiornoFine"
                        << "00"
                        << "";
    QTest::newRow("month capitals") << "txtMeseInizio"
                                    << "MARZO"
                                    << "MARZO";
    QTest::newRow("month blanks") << "txtMeseFine"
                                  << " marzo "
                                  << " marzo ";
    QTest::newRow("month abbreviated") << "txtMeseInizio"
                                       << "Mar"
                                       << "";
    QTest::newRow("month number") << "txtMeseFine"
                                  << "03"
                                  << "";
}

void TestIntervallo::exitChecks() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    Fixture f;
    TfrmIntervallo dialog(f.planning);
    dialog.preset({"2024", "2024", ""});
    QString after;
    bool highlightedWhileIn = false, highlightedAfter = true;
    whileShown(dialog, [&] {
        QComboBox* b = box(&dialog, qPrintable(name));
        b->setFocus();
        const QString highlight = QString(name).replace("txt", "eff");
        highlightedWhileIn = !child<QWidget>(&dialog, highlight)->isHidden();
        b->setEditText(text);
        child<QLineEdit>(&dialog, "txtPrenotazione")->setFocus();
        after = b->currentText();
        highlightedAfter = !child<QWidget>(&dialog, highlight)->isHidden();
    });
    QCOMPARE(after, kept);
    QVERIFY(highlightedWhileIn);
    QVERIFY(!highlightedAfter);
}

void TestIntervallo::enterChain() {
    Fixture f;
    TfrmIntervallo dialog(f.planning);
    dialog.preset({"2024", "2024", ""});
    QStringList chain;
    bool open = false;
    testsupport::ModalAnswerer answerer;
    whileShown(dialog, [&] {
        box(&dialog, "txtGiornoInizio")->setFocus();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            chain.append(QApplication::focusWidget()->objectName());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        open = dialog.isVisible();
    });
    QCOMPARE(chain,
             QStringList({"txtMeseInizio", "txtGiornoFine", "txtMeseFine", "txtPrenotazione", "btnChiudi"}));
    QVERIFY(open);
    QCOMPARE(answerer.seen.size(), 0);
}

QTEST_MAIN(TestIntervallo)
#include "tst_intervallo.moc"

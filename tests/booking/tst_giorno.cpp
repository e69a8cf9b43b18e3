#include "Controls.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "booking/TfrmGiorno.h"
#include "common/WindowRegistry.h"
#include "planner/DayCalendar.h"
#include "planner/TfrmPlanning.h"

#include <QApplication>
#include <QClipboard>
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

planner::DayDialogPreset preset(const QString& tag, const QString& text) {
    return {tag, "Prenotazione del 1 gennaio 2024", "Fiat Panda", text};
}

bool showsBooked(QWidget* dialog) {
    const bool booked = !child<QWidget>(dialog, "icoOccupata")->isHidden();
    // Exactly one pair is visible, and both pictures of a pair agree.
    if (booked != !child<QWidget>(dialog, "icnOccupata")->isHidden() ||
        booked == !child<QWidget>(dialog, "icoLibera")->isHidden() ||
        booked == !child<QWidget>(dialog, "icnLibera")->isHidden())
        qFatal("status pictures out of step");
    return booked;
}

// Runs step while the dialog is shown modally, then closes it if the step left it open.
void whileShown(TfrmGiorno& dialog, const std::function<void()>& step) {
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowActive(&dialog))
            step();
        if (dialog.isVisible())
            dialog.close();
    });
    dialog.exec();
}

} // namespace

class TestGiorno : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAsCreated();
    void presetTurnsStatus();
    void statusFollowsTyping();
    void applyWritesTheTaggedDay_data();
    void applyWritesTheTaggedDay();
    void cancelWritesNothing();
    void enterAndEscapeDoNothing();
    void clearCommand();
    void copyCommand_data();
    void copyCommand();
};

void TestGiorno::windowAsCreated() {
    Fixture f;
    TfrmGiorno dialog(f.planning);
    QCOMPARE(dialog.objectName(), QString("frmGiorno"));
    QCOMPARE(dialog.windowTitle(), QString(" Prenotazione noleggio veicolo"));
    QCOMPARE(dialog.size(), QSize(660, 425));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(child<QLineEdit>(&dialog, "txtPrenotazione")->maxLength(), 50);
    QVERIFY(!showsBooked(&dialog));
    for (const char* name : {"btnChiudi", "btnAnnulla"}) {
        QVERIFY(!child<QPushButton>(&dialog, name)->isDefault());
        QVERIFY(!child<QPushButton>(&dialog, name)->autoDefault());
    }
    QCOMPARE(child<QPushButton>(&dialog, "btnChiudi")->text(), QString("Applica e chiudi"));
    QCOMPARE(child<QPushButton>(&dialog, "btnAnnulla")->text(), QString("Annulla"));
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK")) {
        dialog.preset(preset("gen_01", "Rossi Mario 333 1234567"));
        dialog.grab().save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/giorno.png");
    }
}

void TestGiorno::presetTurnsStatus() {
    Fixture f;
    TfrmGiorno booked(f.planning);
    booked.preset(preset("gen_01", "Rossi"));
    QVERIFY(showsBooked(&booked));
    TfrmGiorno free(f.planning);
    free.preset(preset("gen_01", ""));
    QVERIFY(!showsBooked(&free));
    QWidget* focused = nullptr;
    whileShown(booked, [&] { focused = QApplication::focusWidget(); });
    QCOMPARE(focused, child<QWidget>(&booked, "txtPrenotazione"));
}

void TestGiorno::statusFollowsTyping() {
    Fixture f;
    TfrmGiorno dialog(f.planning);
    dialog.preset(preset("gen_01", ""));
    auto* text = child<QLineEdit>(&dialog, "txtPrenotazione");
    whileShown(dialog, [&] {
        QTest::keyClicks(text, "  ");
        QVERIFY(!showsBooked(&dialog));
        QTest::keyClicks(text, "R");
        QVERIFY(showsBooked(&dialog));
        QTest::keyClick(text, Qt::Key_Backspace);
        QVERIFY(!showsBooked(&dialog));
        QTest::keyClicks(text, QString(60, QLatin1Char('x')));
        QCOMPARE(text->text().size(), 50);
    });
}

void TestGiorno::applyWritesTheTaggedDay_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("slot"); // 0: no day written
    QTest::addColumn<QString>("after");
    QTest::newRow("books trimmed") << "gen_01"
                                   << ""
                                   << "  Rossi  " << 1 << "Rossi";
    QTest::newRow("tag with blanks") << " gen_01 "
                                     << ""
                                     << "Rossi" << 1 << "Rossi";
    QTest::newRow("replaces") << "mar_01"
                              << "Bianchi"
                              << "Verdi" << 61 << "Verdi";
    QTest::newRow("blank frees") << "feb_28"
                                 << "Bianchi"
                                 << "   " << 59 << "";
    QTest::newRow("feb 29") << "feb_29"
                            << ""
                            << "Rossi" << 60 << "Rossi";
    QTest::newRow("31 Dec") << "dic_31"
                            << ""
                            << "Rossi" << 366 << "Rossi";
    QTest::newRow("capital tag") << "Gen_01"
                                 << ""
                                 << "Rossi" << 0 << "";
    QTest::newRow("capitals tag") << "GEN_01"
                                  << ""
                                  << "Rossi" << 0 << "";
    QTest::newRow("no tag") << ""
                            << ""
                            << "Rossi" << 0 << "";
}

void TestGiorno::applyWritesTheTaggedDay() {
    QFETCH(QString, tag);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(int, slot);
    QFETCH(QString, after);
    Fixture f;
    const int touched = slot ? slot : 1;
    f.planning->setDay(touched, before);
    TfrmGiorno dialog(f.planning);
    dialog.preset(preset(tag, before));
    whileShown(dialog, [&] {
        child<QLineEdit>(&dialog, "txtPrenotazione")->setText(typed);
        child<QPushButton>(&dialog, "btnChiudi")->click();
    });
    QVERIFY(!dialog.isVisible());
    for (int s = 1; s <= planner::kDaySlots; ++s) {
        const QString expected = s == slot ? after : (s == touched ? before : QString());
        QCOMPARE(f.planning->dayText(s), expected);
        QCOMPARE(f.planning->isDayBooked(s), !expected.isEmpty());
    }
}

void TestGiorno::cancelWritesNothing() {
    Fixture f;
    f.planning->setDay(5, "Rossi");
    TfrmGiorno dialog(f.planning);
    dialog.preset(preset("gen_05", "Rossi"));
    whileShown(dialog, [&] {
        child<QLineEdit>(&dialog, "txtPrenotazione")->setText("Bianchi");
        child<QPushButton>(&dialog, "btnAnnulla")->click();
    });
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.planning->dayText(5), QString("Rossi"));
    QVERIFY(f.planning->isDayBooked(5));
}

void TestGiorno::enterAndEscapeDoNothing() {
    Fixture f;
    TfrmGiorno dialog(f.planning);
    dialog.preset(preset("gen_05", ""));
    bool open = false;
    QWidget* focus = nullptr;
    whileShown(dialog, [&] {
        auto* text = child<QLineEdit>(&dialog, "txtPrenotazione");
        QTest::keyClicks(text, "Rossi");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Enter);
        QTest::keyClick(text, Qt::Key_Escape);
        open = dialog.isVisible();
        focus = QApplication::focusWidget();
    });
    QVERIFY(open);
    QCOMPARE(focus, child<QWidget>(&dialog, "txtPrenotazione"));
    QVERIFY(!f.planning->isDayBooked(5));
}

void TestGiorno::clearCommand() {
    Fixture f;
    f.planning->setDay(5, "Rossi");
    TfrmGiorno dialog(f.planning);
    dialog.preset(preset("gen_05", "Rossi"));
    QWidget* focus = nullptr;
    whileShown(dialog, [&] {
        child<QPushButton>(&dialog, "btnChiudi")->setFocus();
        QTest::mouseClick(child<QWidget>(&dialog, "cmdCancella"), Qt::LeftButton);
        focus = QApplication::focusWidget();
    });
    QCOMPARE(child<QLineEdit>(&dialog, "txtPrenotazione")->text(), QString());
    QVERIFY(!showsBooked(&dialog));
    QCOMPARE(focus, child<QWidget>(&dialog, "txtPrenotazione"));
    // Only apply frees the day.
    QCOMPARE(f.planning->dayText(5), QString("Rossi"));
}

void TestGiorno::copyCommand_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("blank warns")
        << "   "
        << "Attenzione: il campo di testo non contiene nessun dato da copiare in memoria."
        << int(QMessageBox::Warning);
    QTest::newRow("copied untrimmed")
        << "  ABC " << QString::fromUtf8("Il contenuto del campo di testo è stato copiato in memoria.")
        << int(QMessageBox::Information);
}

void TestGiorno::copyCommand() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, icon);
    Fixture f;
    QGuiApplication::clipboard()->setText("before");
    TfrmGiorno dialog(f.planning);
    dialog.preset(preset("gen_05", ""));
    testsupport::ModalAnswerer answerer;
    whileShown(dialog, [&] {
        child<QLineEdit>(&dialog, "txtPrenotazione")->setText(text);
        QTest::mouseClick(child<QWidget>(&dialog, "cmdClipboard"), Qt::LeftButton);
    });
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, message);
    QCOMPARE(int(answerer.seen[0].icon), icon);
    QCOMPARE(answerer.seen[0].buttons, QStringList({"OK", "Annulla"}));
    const bool copied = icon == int(QMessageBox::Information);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied ? text : QString("before"));
    QVERIFY(!f.planning->isDayBooked(5));
}

QTEST_MAIN(TestGiorno)
#include "tst_giorno.moc"

#include "Controls.h"
#include "ModalAnswerer.h"
#include "ScheduleFixture.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using testsupport::Appointment;
using testsupport::child;

namespace {
const QString kSi = QString::fromUtf8("Sì");
} // namespace

class TestScheduleLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void summarySelection_data();
    void summarySelection();
    void summaryWindow();
    void loadConsidersListedOnly();
    void loadLastEqualLine();
    void search_data();
    void search();
    void searchTag();
    void pickerFillsCard();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmScadenzario* w = nullptr;

    void openYear(const QList<Appointment>& records) {
        QByteArray bytes;
        for (const Appointment& a : records)
            bytes += testsupport::appointmentBytes(a);
        folder->write("2025.sca", bytes);
        child<QLineEdit>(w, "txtAnno")->setText("2025");
        child<QAbstractButton>(w, "btnApri")->click();
    }
    QString position() const { return child<QLabel>(w, "lblPosizione")->text(); }
};

void TestScheduleLists::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2025, 3, 10));
    w = new TfrmScadenzario();
    common::WindowRegistry::instance().add(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void TestScheduleLists::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
    folder.reset();
}

void TestScheduleLists::summarySelection_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("plates");
    // Records: A to do, B done, C to do and to confirm, D neither flag readable, E done and to confirm.
    QTest::newRow("to do") << "TfrmConfermati" << QStringList{"AA", "CC"};
    QTest::newRow("done") << "TfrmNonConfermati" << QStringList{"BB", "EE"};
    QTest::newRow("to confirm") << "TfrmDaConfermare" << QStringList{"CC", "EE"};
}

void TestScheduleLists::summarySelection() {
    QFETCH(QString, window);
    QFETCH(QStringList, plates);
    Appointment a, b, c, d, e;
    a.targa = "AA";
    b.targa = "BB";
    b.effettuata = kSi;
    c.targa = "CC";
    c.daConfermare = kSi;
    d.targa = "DD";
    d.effettuata = "si";
    d.daConfermare = "SI";
    e.targa = "EE";
    e.effettuata = kSi;
    e.daConfermare = kSi;
    openYear({a, b, c, d, e});
    std::unique_ptr<common::ListWindow> list;
    if (window == "TfrmConfermati")
        list = std::make_unique<TfrmConfermati>(w);
    else if (window == "TfrmNonConfermati")
        list = std::make_unique<TfrmNonConfermati>(w);
    else
        list = std::make_unique<TfrmDaConfermare>(w);
    list->show();
    QStringList got;
    for (const QString& line : list->lines())
        got << line.mid(37, 12).trimmed();
    QCOMPARE(got, plates);
    QCOMPARE(list->lines().first(), maintenance::appointmentLine(testsupport::appointmentRecord(
                                        plates.first() == "AA" ? a : (plates.first() == "BB" ? b : c))));
    list->close();
}

void TestScheduleLists::summaryWindow() {
    Appointment z, a;
    z.marca = "Volvo";
    a.marca = "Alfa";
    openYear({z, a});
    TfrmConfermati list(w);
    list.show();
    QCOMPARE(list.objectName(), QString("frmConfermati"));
    QCOMPARE(list.windowTitle(), QString(" Riepilogo manutenzioni da effettuare"));
    QCOMPARE(list.minimumSize(), QSize(862, 560));
    QCOMPARE(list.maximumSize(), QSize(862, 560));
    QCOMPARE(child<QLabel>(&list, "lblRigo03")->text(),
             QString("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
    // Sorted by make first.
    QVERIFY(list.lines().at(0).startsWith("Alfa"));
    QCOMPARE(list.focusWidget(), child<QWidget>(&list, "txtTrova"));
    TfrmNonConfermati done(w);
    done.show();
    QCOMPARE(done.windowTitle(), QString(" Riepilogo manutenzioni effettuate"));
    QVERIFY(done.lines().isEmpty());
}

void TestScheduleLists::loadConsidersListedOnly() {
    Appointment todo, doneLater;
    todo.note = "first";
    doneLater.note = "later";
    doneLater.effettuata = kSi; // same line, but done: not in the list of work to do
    openYear({todo, doneLater});
    TfrmConfermati list(w);
    list.show();
    QCOMPARE(list.lines().size(), 1);
    list.selectIndex(0);
    list.lstRecordsDblClick();
    QCOMPARE(position(), QString("1"));
    QCOMPARE(child<QLineEdit>(w, "txtNote")->text(), QString("first"));
    QVERIFY(!child<QCheckBox>(w, "chkEffettuata")->isChecked());
    QVERIFY(list.isHidden());
}

void TestScheduleLists::loadLastEqualLine() {
    Appointment first, other, second;
    first.note = "first";
    first.modello = "Panda con un nome oltre la colonna A";
    second = first;
    second.modello = "Panda con un nome oltre la colonna B";
    second.note = "second";
    other.marca = "Zeta";
    openYear({first, other, second});
    TfrmConfermati list(w);
    list.show();
    QCOMPARE(list.lines().size(), 3);
    QCOMPARE(list.lines().at(0), list.lines().at(1));
    list.selectIndex(0);
    list.lstRecordsDblClick();
    QCOMPARE(position(), QString("3"));
    QCOMPARE(child<QLineEdit>(w, "txtNote")->text(), QString("second"));
    QCOMPARE(child<QComboBox>(w, "txtMese")->currentText(), QString("Marzo"));
    QCOMPARE(child<QLabel>(w, "lblData")->text(), QString("15/03/2025"));
}

void TestScheduleLists::search_data() {
    QTest::addColumn<QStringList>("criteria"); // "field=value"
    QTest::addColumn<QStringList>("plates");
    QTest::newRow("nothing filled") << QStringList{} << QStringList{"P1", "P2", "P3"};
    QTest::newRow("blanks only") << QStringList{"txtNote=   "} << QStringList{"P1", "P2", "P3"};
    QTest::newRow("driver in small letters") << QStringList{"txtConducente=verdi"} << QStringList{"P2", "P3"};
    QTest::newRow("09/ finds september and the ninth")
        << QStringList{"txtData=09/"} << QStringList{"P1", "P2"};
    QTest::newRow("both criteria") << QStringList{"txtData=09/", "txtConducente=VERDI"} << QStringList{"P2"};
}

void TestScheduleLists::search() {
    QFETCH(QStringList, criteria);
    QFETCH(QStringList, plates);
    Appointment p1, p2, p3;
    p1.targa = "P1";
    p1.data = "09/03/2025";
    p1.marca = "A";
    p2.targa = "P2";
    p2.data = "15/09/2025";
    p2.conducente = "Verdi Anna";
    p2.marca = "B";
    p3.targa = "P3";
    p3.conducente = "VERDI Luca";
    p3.marca = "C";
    openYear({p1, p2, p3});
    TfrmTrovaScadenzario search(w);
    search.setCallerTag("Scadenzario");
    search.show();
    QCOMPARE(search.windowTitle(), QString(" Trova scadenze manutenzioni in archivio"));
    QCOMPARE(search.focusWidget(), child<QWidget>(&search, "txtData"));
    for (const QString& c : criteria)
        child<QLineEdit>(&search, c.section('=', 0, 0))->setText(c.section('=', 1));
    child<QAbstractButton>(&search, "btnCerca")->click();
    QStringList got;
    for (const QString& line : search.lines())
        got << line.mid(37, 12).trimmed();
    QCOMPARE(got, plates);
    QCOMPARE(child<QLabel>(&search, "lblTrovate")->text(),
             QString("Il presente elenco contiene %1 schede.").arg(plates.size()));
    QVERIFY(child<QWidget>(&search, "panAvvio")->isHidden());
}

void TestScheduleLists::searchTag() {
    Appointment a;
    openYear({a});
    for (const QString& tag : {QString("scadenzario"), QString("Scadenzario")}) {
        child<QAbstractButton>(w, "cmdNuovo")->click();
        TfrmTrovaScadenzario search(w);
        search.setCallerTag(tag);
        search.show();
        child<QAbstractButton>(&search, "btnCerca")->click();
        search.selectIndex(0);
        search.lstRecordsDblClick();
        QVERIFY(search.isHidden());
        QCOMPARE(position(), tag == "Scadenzario" ? QString("1") : QString());
    }
}

void TestScheduleLists::pickerFillsCard() {
    namespace SV = fleet::SchedaVeicolo;
    common::Record v(SV::layout());
    v.set(SV::Tipo, "Furgone");
    v.set(SV::Marca, "Iveco");
    v.set(SV::Modello, "Daily");
    v.set(SV::Colore, "Rosso");
    v.set(SV::Alimentazione, "Gasolio");
    v.set(SV::Targa, "ZZ999ZZ");
    folder->write("Parco_Automezzi.pro", v.bytes());
    Appointment a;
    openYear({a});
    child<QAbstractButton>(w, "cmdPrimo")->click();
    TfrmTrovaAutomezzi picker(w);
    picker.setCallerTag("scadenzario");
    picker.show();
    child<QAbstractButton>(&picker, "btnCerca")->click();
    picker.selectIndex(0);
    picker.lstRecordsDblClick();
    QCOMPARE(child<QLineEdit>(w, "txtVeicolo")->text(), QString("Furgone"));
    QCOMPARE(child<QLineEdit>(w, "txtMarca")->text(), QString("Iveco"));
    QCOMPARE(child<QLineEdit>(w, "txtModello")->text(), QString("Daily"));
    QCOMPARE(child<QLineEdit>(w, "txtColore")->text(), QString("Rosso"));
    QCOMPARE(child<QLineEdit>(w, "txtAlimentazione")->text(), QString("Gasolio"));
    QCOMPARE(child<QLineEdit>(w, "txtTarga")->text(), QString("ZZ999ZZ"));
    // Nothing else changes: the loaded record stays on show.
    QCOMPARE(position(), QString("1"));
    QCOMPARE(child<QLineEdit>(w, "txtConducente")->text(), QString("Rossi Mario"));
}

QTEST_MAIN(TestScheduleLists)
#include "tst_schedulelists.moc"

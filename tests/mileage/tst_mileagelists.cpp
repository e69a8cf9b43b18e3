#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/ListWindow.h"
#include "common/WindowRegistry.h"
#include "mileage/MileageLists.h"
#include "mileage/SchedaChilometrico.h"
#include "mileage/TfrmChilometrico.h"
#include "mileage/TfrmExpChilometrico.h"
#include "mileage/TfrmTrovaChilometrico.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

#include <memory>

using testsupport::child;
using testsupport::ModalAnswerer;
namespace F = mileage::SchedaChilometrico;

namespace {

const QString kDone = QString::fromUtf8("Sì");

common::Record rec(const QString& marca, const QString& modello, const QString& targa, const QString& manut,
                   const QString& done, const QString& stato, const QString& note = {},
                   const QString& dataInt = {}) {
    common::Record r(F::layout());
    r.set(F::Veicolo, "Auto");
    r.set(F::Marca, marca);
    r.set(F::Modello, modello);
    r.set(F::Targa, targa);
    r.set(F::Manutenzione, manut);
    r.set(F::DataInt, dataInt);
    r.set(F::KmRil, "10");
    r.set(F::Ogni, "10");
    r.set(F::Prossima, "999"); // not what the rule would give: loads show it as stored
    r.set(F::KmAttuali, "5000");
    r.set(F::StatoManutenzione, stato);
    r.set(F::Effettuata, done);
    r.set(F::Note, note);
    return r;
}

// Records 1 to 7 of the fixture archive.
QList<common::Record> fixture() {
    return {rec("Fiat", "Panda", "AB1", "Tagliando", kDone, "SCADUTA", "", "01/02/2025"),
            rec("Opel", "Corsa", "CD2", "Freni", "No", "VALIDA", "", "15/06/2025"),
            rec("Alfa", "Mito", "EF3", "Olio", "No", "SCADUTA", "primo"),
            rec("", "Punto", "GH4", "Gomme", "No", "SCADUTA"),
            rec("Fiat", "Panda", "AB1", "Tagliando", "forse", "SCADUTA"),
            rec("Alfa", "Mito", "EF3", "Olio", "No", "SCADUTA", "secondo", "03/03/2024"),
            rec("Lancia", "Y", "IJ5", "Filtri", "no", "SCADUTA")};
}

} // namespace

class TestMileageLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listsSelectByStoredValues_data();
    void listsSelectByStoredValues();
    void doubleClickLoadsTheLastEqualRecord();
    void missingArchiveIsCreatedEmpty();
    void searchFiltersAndCounts_data();
    void searchFiltersAndCounts();
    void searchLoadsOnlyForTheCard();
    void exportWritesTwentyThreeColumns();

private:
    void writeFixture() const;
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmChilometrico* card = nullptr;
};

void TestMileageLists::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    card = new TfrmChilometrico();
    common::WindowRegistry::instance().add(card);
}

void TestMileageLists::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    card = nullptr;
    folder.reset();
}

void TestMileageLists::writeFixture() const {
    QByteArray bytes;
    for (const common::Record& r : fixture())
        bytes += r.bytes();
    folder->write(mileage::kMileageArchive, bytes);
}

void TestMileageLists::listsSelectByStoredValues_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("records");
    QTest::newRow("done") << 0 << " Riepilogo manutenzioni effettuate" << QList<int>{1};
    QTest::newRow("to do") << 1 << " Riepilogo manutenzioni da effettuare" << QList<int>{2, 3, 4, 6};
    QTest::newRow("overdue") << 2 << " Riepilogo manutenzioni scadute" << QList<int>{3, 4, 6};
}

void TestMileageLists::listsSelectByStoredValues() {
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(QList<int>, records);
    writeFixture();
    std::unique_ptr<mileage::MileageList> list;
    if (kind == 0)
        list = std::make_unique<TfrmEffettuate>(card);
    else if (kind == 1)
        list = std::make_unique<TfrmDaEffettuare>(card);
    else
        list = std::make_unique<TfrmScaduteKm>(card);
    list->show();
    QCOMPARE(list->windowTitle(), caption);
    QStringList expected;
    const QList<common::Record> all = fixture();
    for (int n : records)
        expected << (kind == 0 ? mileage::lineDone(all[n - 1]) : mileage::lineToDo(all[n - 1]));
    common::sortLines(expected);
    QCOMPARE(list->lines(), expected);
    if (kind == 1) // an empty make sorts first
        QVERIFY(list->lines().first().startsWith(" Punto"));
    QCOMPARE(list->focusWidget(), child<QLineEdit>(list.get(), "txtTrova"));
    list->close();
}

void TestMileageLists::doubleClickLoadsTheLastEqualRecord() {
    writeFixture();
    TfrmScaduteKm list(card);
    list.show();
    const int row = int(list.lines().indexOf(mileage::lineToDo(fixture()[2])));
    QVERIFY(row >= 0);
    auto* view = child<QListView>(&list, "lstRecords");
    list.selectIndex(row);
    QCOMPARE(view->currentIndex().row(), row);
    list.lstRecordsDblClick();
    QTRY_VERIFY(list.isHidden());
    QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), QString("6"));
    QCOMPARE(child<QLineEdit>(card, "txtNote")->text(), QString("secondo"));
    QCOMPARE(child<QLineEdit>(card, "txtProssima")->text(), QString("999")); // no rule ran
    QCOMPARE(child<QLabel>(card, "txtStato")->text(), QString("SCADUTA"));
    QVERIFY(!child<QCheckBox>(card, "chkEffettuata")->isChecked());
}

void TestMileageLists::missingArchiveIsCreatedEmpty() {
    TfrmDaEffettuare list(card);
    list.show();
    QVERIFY(list.lines().isEmpty());
    QVERIFY(folder->exists(mileage::kMileageArchive));
    QCOMPARE(folder->read(mileage::kMileageArchive).size(), 0);
}

void TestMileageLists::searchFiltersAndCounts_data() {
    QTest::addColumn<QStringList>("filters"); // objectName=text
    QTest::addColumn<QList<int>>("records");
    QTest::newRow("no filter: every record") << QStringList{} << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("year of the work date") << QStringList{"txtDataInt=2025"} << QList<int>{1, 2};
    QTest::newRow("make and plate both") << QStringList{"txtMarca=fiat", "txtTarga=ab"} << QList<int>{1, 5};
    QTest::newRow("make and plate, one misses")
        << QStringList{"txtMarca=fiat", "txtTarga=EF"} << QList<int>{};
    QTest::newRow("notes") << QStringList{"txtNote=SECONDO"} << QList<int>{6};
    QTest::newRow("nothing") << QStringList{"txtOfficina=zzz"} << QList<int>{};
}

void TestMileageLists::searchFiltersAndCounts() {
    QFETCH(QStringList, filters);
    QFETCH(QList<int>, records);
    writeFixture();
    TfrmTrovaChilometrico search(card);
    QCOMPARE(search.windowTitle(), QString(" Trova scadenze chilometriche"));
    search.setCallerTag("chilometrico");
    search.show();
    QCOMPARE(search.focusWidget(), child<QLineEdit>(&search, "txtVeicolo"));
    for (const QString& f : filters)
        child<QLineEdit>(&search, f.section('=', 0, 0))->setText(f.section('=', 1));
    child<QAbstractButton>(&search, "btnCerca")->click();
    QStringList expected;
    const QList<common::Record> all = fixture();
    for (int n : records)
        expected << mileage::lineToDo(all[n - 1]);
    common::sortLines(expected);
    QCOMPARE(search.lines(), expected);
    QCOMPARE(child<QLabel>(&search, "lblTrovate")->text(),
             QString("Il presente elenco contiene %1 schede.").arg(records.size()));
    QCOMPARE(child<QLabel>(&search, "lblConta")->text(), QString::number(filters.size()));
    search.close();
}

void TestMileageLists::searchLoadsOnlyForTheCard() {
    writeFixture();
    for (const QString& tag : {QString("altro"), QString(" chilometrico ")}) {
        child<QLabel>(card, "lblPosizione")->clear();
        child<QLineEdit>(card, "txtNote")->clear();
        TfrmTrovaChilometrico search(card);
        search.setCallerTag(tag);
        search.show();
        child<QLineEdit>(&search, "txtNote")->setText("primo");
        child<QAbstractButton>(&search, "btnCerca")->click();
        QCOMPARE(search.lines().size(), 1);
        auto* view = child<QListView>(&search, "lstRecords");
        search.selectIndex(0);
        QCOMPARE(view->currentIndex().row(), 0);
        search.lstRecordsDblClick();
        QTRY_VERIFY(search.isHidden());
        const bool loads = tag != "altro";
        // Records 3 and 6 share the line, but only record 3 is listed.
        QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), loads ? QString("3") : QString());
        QCOMPARE(child<QLineEdit>(card, "txtNote")->text(), loads ? QString("primo") : QString());
    }
}

void TestMileageLists::exportWritesTwentyThreeColumns() {
    QByteArray bytes;
    const QList<common::Record> all = fixture();
    for (int i = 0; i < 3; ++i)
        bytes += all[i].bytes();
    folder->write(mileage::kMileageArchive, bytes);
    TfrmExpChilometrico window(card);
    window.show();
    QCOMPARE(window.windowTitle(), QString(" Esporta scadenzario chilometrico in Microsoft Excel"));
    common::ExportGrid* grid = window.grid();
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->columnCount(), 24);
    QCOMPARE(grid->cell(2, 0), QString("3"));
    QCOMPARE(grid->cell(0, 22), QString(""));
    QCOMPARE(grid->cell(2, 22), QString("primo"));
    QCOMPARE(grid->cell(0, 23), kDone);
    QCOMPARE(grid->cell(1, 23), QString("No"));
    QCOMPARE(grid->headerData(22, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Note"));
    // Editable: plate, current reading and date, status, done; nothing else.
    QList<int> editable;
    for (int c = 0; c < 24; ++c)
        if (grid->flags(grid->index(0, c)) & Qt::ItemIsEditable)
            editable << c;
    QCOMPARE(editable, (QList<int>{6, 19, 20, 21, 23}));
    window.writeFile();
    const QByteArray file = folder->read("Scadenzario_Chilometrico.xls");
    QVERIFY(file.contains("Scadenzario Chilometrico"));
    const qsizetype note = file.indexOf(">Note<");
    const qsizetype done = file.indexOf(">Manutenzione effettuata<");
    QVERIFY(note > 0 && done > note);
    QVERIFY(file.contains("width=400>Note<"));
    QVERIFY(file.contains("width=250>Codice fiscale<"));
    QVERIFY(!file.contains(">N.<"));

    ModalAnswerer answerer;
    testsupport::SeenHelp seen;
    testsupport::captureHelp(answerer, seen);
    child<QAbstractButton>(&window, "cmdGuida")->click();
    QCOMPARE(seen.title, QString("Esportazione scadenzario chilometrico in Excel"));
    QCOMPARE(seen.text.split("\n\n").size(), 3);
    window.close();
}

QTEST_MAIN(TestMileageLists)
#include "tst_mileagelists.moc"

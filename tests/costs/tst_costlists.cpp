#include "Controls.h"
#include "CostFixture.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/Clock.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmExpCosti.h"
#include "costs/TfrmTrovaCosti.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmTrovaAutomezzi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace costs::SchedaCosto;
using testsupport::child;
using testsupport::CostFields;
using testsupport::ModalAnswerer;
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

// What the list shows, from its model.
QStringList shownLines(QWidget* window) {
    QStringList lines;
    QAbstractItemModel* model = child<QListView>(window, "lstRecords")->model();
    for (int r = 0; r < model->rowCount(); ++r)
        lines << model->index(r, 0).data().toString();
    return lines;
}

} // namespace

class TestCostLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { common::setTodayForTests(QDate(2024, 6, 15)); }
    void cleanup() { common::WindowRegistry::instance().destroyAll(); }
    void costLine_data();
    void costLine();
    void euroSignReadFromTheFile();
    void unpaidSelection();
    void missingYearListsNothingAndCreatesIt();
    void unreadableYearIsSilentAndKeepsFocus();
    void loadOnlyAmongListed();
    void searchFilters_data();
    void searchFilters();
    void searchLoadsOnlyForCostiTag();
    void exportGridAndFile();
    void pickerCostiFillsVehicleFields();
};

void TestCostLists::costLine_data() {
    QTest::addColumn<CostFields>("fields");
    QTest::addColumn<QString>("line");
    CostFields full = paid("05/02", "Mercedes-Benz", "AB123CD", "Rifornimento carburante", "1234,5");
    full[Modello] = "Sprinter 316 CDI lungo";
    full[Beneficiario] = "Stazione di servizio Autostrada del Sole";
    QTest::newRow("make and model cut at 28")
        << full
        << QString::fromUtf8(
               "Mercedes-Benz Sprinter 316 C  Targa: AB123CD     Data: 05/02/2024  "
               "Rifornimento carburante           A: Stazione di servizio Autostr  Costo: € 1234,5");
    CostFields bare = paid("01/03", "Fiat", "", "Bollo", "0,00");
    bare[Modello] = "";
    bare[Beneficiario] = "";
    QTest::newRow("empty model keeps the blank")
        << bare
        << QString::fromUtf8("Fiat                          Targa:             Data: 01/03/2024  Bollo"
                             "                             A:                               Costo: € 0,00");
    CostFields longMake = paid("05/02", "Autoveicoli Industriali Srl", "XY", "Bollo", "10,00");
    longMake[Modello] = "Daily";
    QTest::newRow("make of 27 keeps the blank, no room for the model")
        << longMake
        << QString::fromUtf8("Autoveicoli Industriali Srl   Targa: XY          Data: 05/02/2024  Bollo      "
                             "                       A: Officina                      Costo: € 10,00");
    CostFields wide = paid("05/02", "Costruzioni Meccaniche Europee", "AB123CD4567",
                           "Manutenzione straordinaria con ricambi", "7");
    wide[Beneficiario] = QString::fromUtf8("Società – Nord «Est»");
    QTest::newRow("make past the width alone, fields cut, Windows-1252 decoded")
        << wide
        << QString::fromUtf8(
               "Costruzioni Meccaniche Europ  Targa: AB123CD456  Data: 05/02/2024  Manutenzione "
               "straordinaria con r  A: Società – Nord «Est»          Costo: € 7");
}

void TestCostLists::costLine() {
    QFETCH(CostFields, fields);
    QFETCH(QString, line);
    QCOMPARE(costs::costLine(testsupport::cost(fields)), line);
    QCOMPARE(costs::costLine(testsupport::cost(fields)).indexOf(QChar(0x20AC)), 141);
}

void TestCostLists::euroSignReadFromTheFile() {
    testsupport::TestFolder folder;
    // A payee typed with the euro sign is stored as the byte 0x80 and shown as U+20AC again.
    testsupport::writeCosts("2024", {paid("05/02", "Fiat", "AA1", "Bollo", "10,00")});
    QByteArray bytes = folder.read("2024.eur");
    const int at = layout().offset(Beneficiario);
    bytes.replace(at, 5, QByteArray("\x04\x80 Re", 5));
    folder.write("2024.eur", bytes);
    testsupport::makeCostCard();
    TfrmDaSaldare list;
    list.show();
    QCOMPARE(shownLines(&list).size(), 1);
    QVERIFY(shownLines(&list).first().contains(QString::fromUtf8("A: € Re")));
    QCOMPARE(shownLines(&list).first().count(QChar(0x20AC)), 2);
}

void TestCostLists::unpaidSelection() {
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {paid("05/02", "Opel", "A1", "Bollo", "1,00"),
                                     paid("06/02", "Fiat", "A2", "Bollo", "2,00", QString::fromUtf8("Sì")),
                                     paid("07/02", "Fiat", "A3", "Bollo", "3,00", "no"),
                                     paid("08/02", "Fiat", "A4", "Bollo", "4,00", ""),
                                     paid("09/02", "alfa", "A5", "Multa", "5,00", " No ")});
    TfrmCosti* card = testsupport::makeCostCard();
    TfrmDaSaldare list(card);
    list.show();
    const QStringList lines = shownLines(&list);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith("alfa M"));
    QVERIFY(lines.at(1).startsWith("Opel M"));
    QCOMPARE(list.windowTitle(), QString(" Riepilogo pagamenti da saldare"));
    QCOMPARE(list.focusWidget()->objectName(), QString("txtTrova"));
}

void TestCostLists::missingYearListsNothingAndCreatesIt() {
    testsupport::TestFolder folder;
    testsupport::makeCostCard("2031");
    TfrmDaSaldare list;
    list.show();
    QVERIFY(shownLines(&list).isEmpty());
    QVERIFY(folder.exists("2031.eur"));
    QCOMPARE(folder.read("2031.eur").size(), 0);
    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(&list, "btnTrova"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().text,
             QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestCostLists::unreadableYearIsSilentAndKeepsFocus() {
    testsupport::TestFolder folder;
    QVERIFY(QDir(folder.folder()).mkdir("2024.eur")); // the file's name taken by a folder
    testsupport::makeCostCard();
    TfrmDaSaldare list;
    ModalAnswerer answerer;
    list.show();
    QVERIFY(shownLines(&list).isEmpty());
    QCOMPARE(answerer.seen.size(), 0);
    QVERIFY(list.focusWidget() != child<QWidget>(&list, "txtTrova"));
}

void TestCostLists::loadOnlyAmongListed() {
    testsupport::TestFolder folder;
    CostFields unpaidOne = paid("05/02", "Fiat", "AA1", "Bollo", "10,00");
    unpaidOne[Note] = "primo";
    CostFields paidOne = unpaidOne;
    paidOne[Saldato] = QString::fromUtf8("Sì");
    paidOne[Note] = "secondo";
    testsupport::writeCosts("2024", {unpaidOne, paid("01/01", "Opel", "B", "Multa", "1,00"), paidOne});
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    TfrmDaSaldare list(card);
    list.show();
    QCOMPARE(shownLines(&list).size(), 2);
    list.selectIndex(0); // Fiat first
    list.lstRecordsDblClick();
    QVERIFY(list.isHidden());
    // The paid record with the same line is not listed, so it is not the one loaded.
    QCOMPARE(text(card, "lblPosizione"), QString("1"));
    QCOMPARE(text(card, "txtNote"), QString("primo"));
    QVERIFY(!child<QCheckBox>(card, "chkSaldato")->isChecked());
    QCOMPARE(text(card, "lblData"), QString("05/02/2024"));
    QCOMPARE(text(card, "txtGiorno"), QString("05"));
}

void TestCostLists::searchFilters_data() {
    QTest::addColumn<Texts>("filters");
    QTest::addColumn<QStringList>("plates");
    using M = Texts;
    QTest::newRow("no filter lists all") << M{} << QStringList{"A1", "A2", "A3"};
    QTest::newRow("date part finds March") << M{{"txtData", "/03/"}} << QStringList{"A2", "A3"};
    QTest::newRow("cause contained, any case") << M{{"txtCausale", "REVISIONE"}} << QStringList{"A1", "A3"};
    QTest::newRow("blank filter does not count")
        << M{{"txtCausale", "freni"}, {"txtNote", "   "}} << QStringList{"A3"};
    QTest::newRow("every filled filter must hit")
        << M{{"txtData", "/03/"}, {"txtMarca", "opel"}} << QStringList{"A3"};
    QTest::newRow("nothing") << M{{"txtTarga", "ZZ"}} << QStringList{};
}

void TestCostLists::searchFilters() {
    QFETCH(Texts, filters);
    QFETCH(QStringList, plates);
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {paid("05/02", "Fiat", "A1", "Revisione", "1,00"),
                                     paid("09/03", "Fiat", "A2", "Bollo", "2,00"),
                                     paid("10/03", "Opel", "A3", "Revisione freni", "3,00")});
    TfrmCosti* card = testsupport::makeCostCard();
    TfrmTrovaCosti search(card);
    search.setCallerTag("Costi");
    search.show();
    for (auto it = filters.begin(); it != filters.end(); ++it)
        child<QLineEdit>(&search, qPrintable(it.key()))->setText(it.value());
    QTest::mouseClick(child<QPushButton>(&search, "btnCerca"), Qt::LeftButton);
    QStringList found;
    for (const QString& line : search.lines())
        found << line.mid(37, 10).trimmed();
    found.sort();
    QCOMPARE(found, plates);
    QCOMPARE(text(&search, "lblTrovate"),
             QString("Il presente elenco contiene %1 schede.").arg(plates.size()));
    QVERIFY(child<QWidget>(&search, "panAvvio")->isHidden());
}

void TestCostLists::searchLoadsOnlyForCostiTag() {
    testsupport::TestFolder folder;
    testsupport::writeCosts("2024", {paid("05/02", "Fiat", "A1", "Revisione", "1,00")});
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    for (const QString tag : {"costi", " Costi "}) {
        TfrmTrovaCosti search(card);
        search.setCallerTag(tag);
        search.show();
        QTest::mouseClick(child<QPushButton>(&search, "btnCerca"), Qt::LeftButton);
        search.selectIndex(0);
        search.lstRecordsDblClick();
        QVERIFY(search.isHidden());
        QCOMPARE(text(card, "txtTarga"), tag == "costi" ? QString() : QString("A1"));
    }
    QCOMPARE(text(card, "lblPosizione"), QString("1"));
}

void TestCostLists::exportGridAndFile() {
    testsupport::TestFolder folder;
    CostFields first = paid("05/02", "Fiat", "A1", "Bollo", "10,00", QString::fromUtf8("Sì"));
    first[Estremi] = "Ricevuta 7";
    testsupport::writeCosts("2024", {first, paid("06/02", "Opel", "A2", "Multa", "2,00"),
                                     paid("07/02", "Iveco", "A3", "Bollo", "3,00")});
    TfrmCosti* card = testsupport::makeCostCard();
    TfrmExpCosti window(card);
    window.show();
    QCOMPARE(window.windowTitle(), QString(" Esporta archivio costi sostenuti"));
    QAbstractItemModel* model = child<QTableView>(&window, "grdRecords")->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 22);
    QCOMPARE(model->index(0, 0).data().toString(), QString("1"));
    QCOMPARE(model->index(0, 1).data().toString(), QString("05/02/2024"));
    QCOMPARE(model->index(0, 21).data().toString(), QString::fromUtf8("Sì"));
    // Columns 12 to 17 and 21 take edits; the others do not.
    QList<int> editable;
    for (int c = 0; c < 22; ++c)
        if (model->flags(model->index(0, c)) & Qt::ItemIsEditable)
            editable << c;
    QCOMPARE(editable, QList<int>({12, 13, 14, 15, 16, 17, 21}));
    QVERIFY(model->setData(model->index(1, 13), "99,00"));
    ModalAnswerer answerer({QString::fromUtf8("Sì"), "No"});
    QTest::mouseClick(child<QToolButton>(&window, "cmdEsporta"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 2);
    const QByteArray file = folder.read("Costi_Sostenuti.xls");
    QVERIFY(file.contains("<x:Name>Costi Sostenuti</x:Name>"));
    QVERIFY(file.contains("Conduttore o responsabile"));
    QVERIFY(file.contains(">99,00<"));
    QVERIFY(file.contains(">Ricevuta 7<"));
    QVERIFY(!file.contains(">2,00<"));
    QCOMPARE(file.count("<tr"), 4);
    QCOMPARE(folder.read("2024.eur").size(), 3 * 1627);
}

void TestCostLists::pickerCostiFillsVehicleFields() {
    testsupport::TestFolder folder;
    {
        namespace V = fleet::SchedaVeicolo;
        common::ArchiveFile vehicles = fleet::openVehicleArchive();
        common::Record v(V::layout());
        v.set(V::Tipo, "Furgone");
        v.set(V::Marca, "Iveco");
        v.set(V::Modello, "Daily");
        v.set(V::Colore, "Bianco");
        v.set(V::Alimentazione, "Gasolio");
        v.set(V::Targa, "FF123GG");
        v.set(V::Proprietario, "Ditta");
        vehicles.append(v);
    }
    TfrmCosti* card = testsupport::makeCostCard();
    card->show();
    child<QLineEdit>(card, "txtLuogo")->setText("Roma");
    TfrmTrovaAutomezzi picker(card);
    picker.setCallerTag("costi");
    picker.show();
    QTest::mouseClick(child<QPushButton>(&picker, "btnCerca"), Qt::LeftButton);
    picker.selectIndex(0);
    picker.lstRecordsDblClick();
    QVERIFY(picker.isHidden());
    QCOMPARE(text(card, "txtVeicolo"), QString("Furgone"));
    QCOMPARE(text(card, "txtMarca"), QString("Iveco"));
    QCOMPARE(text(card, "txtModello"), QString("Daily"));
    QCOMPARE(text(card, "txtColore"), QString("Bianco"));
    QCOMPARE(text(card, "txtAlimentazione"), QString("Gasolio"));
    QCOMPARE(text(card, "txtTarga"), QString("FF123GG"));
    QCOMPARE(text(card, "txtLuogo"), QString("Roma"));
    QCOMPARE(text(card, "lblPosizione"), QString());
}

QTEST_MAIN(TestCostLists)
#include "tst_costlists.moc"

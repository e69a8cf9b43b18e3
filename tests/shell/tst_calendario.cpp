#include "Controls.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "shell/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using testsupport::child;

namespace {

const QDate kToday(2026, 3, 7);

// Stand-ins for the cards whose date fields the picker fills.
QWidget* makeCard(const char* instance, std::initializer_list<const char*> fields) {
    auto* card = new QWidget();
    card->setObjectName(QString::fromLatin1(instance));
    for (const char* f : fields) {
        auto* edit = new QLineEdit(card);
        edit->setObjectName(QString::fromLatin1(f));
        edit->setText(QStringLiteral("01/01/2000"));
    }
    common::WindowRegistry::instance().add(card);
    return card;
}

} // namespace

class TestCalendario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void asCreated();
    void importWritesTarget_data();
    void importWritesTarget();
    void unknownTagStaysOpen_data();
    void unknownTagStaysOpen();
    void annullaKeepsField();
    void enterAndEscapeDoNothing();
    void missingCardOnlyCloses();

private:
    QWidget* veicolario = nullptr;
    QWidget* chilometrico = nullptr;
    std::unique_ptr<TfrmCalendario> picker;

    void open(const QString& tag) {
        picker = std::make_unique<TfrmCalendario>(veicolario);
        child<QLabel>(picker, "lblMemory")->setText(tag);
        picker->show();
        QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
    }
    QString field(QWidget* card, const char* name) { return child<QLineEdit>(card, name)->text(); }
};

void TestCalendario::init() {
    common::setTodayForTests(kToday);
    veicolario = makeCard("frmVeicolario", {"txtLettura", "txtScadRevisione", "txtScadTagliando",
                                            "txtScadAssicurazione", "txtScadBollo"});
    chilometrico = makeCard("frmChilometrico", {"txtDataInt", "txtDataRil", "txtDataAtt"});
}

void TestCalendario::cleanup() {
    picker.reset();
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests({});
}

void TestCalendario::asCreated() {
    open(QString());
    QCOMPARE(picker->objectName(), QString("frmCalendario"));
    QCOMPARE(picker->windowTitle(), QString(" Importazione data"));
    QCOMPARE(picker->size(), QSize(253, 294));
    QCOMPARE(child<QLabel>(picker.get(), "lblCampo001")->text(), QString("Importare una data:"));
    QCOMPARE(child<QPushButton>(picker.get(), "btnImportaData")->text(), QString("Importa"));
    QCOMPARE(child<QPushButton>(picker.get(), "btnAnnulla")->text(), QString("Annulla"));
    QVERIFY(child<QLabel>(picker.get(), "lblMemory")->isHidden());
    QCOMPARE(child<QCalendarWidget>(picker.get(), "calAppuntamenti")->selectedDate(), kToday);
}

void TestCalendario::importWritesTarget_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("target");
    QTest::newRow("lettura") << "veicolario_lettura"
                             << "frmVeicolario"
                             << "txtLettura";
    QTest::newRow("revisione") << "veicolario_scadrevisione"
                               << "frmVeicolario"
                               << "txtScadRevisione";
    QTest::newRow("tagliando") << "veicolario_scadtagliando"
                               << "frmVeicolario"
                               << "txtScadTagliando";
    QTest::newRow("assicurazione") << "veicolario_scadassicurazione"
                                   << "frmVeicolario"
                                   << "txtScadAssicurazione";
    QTest::newRow("bollo") << "veicolario_scadbollo"
                           << "frmVeicolario"
                           << "txtScadBollo";
    QTest::newRow("dataint") << "dataint"
                             << "frmChilometrico"
                             << "txtDataInt";
    QTest::newRow("dataril") << "dataril"
                             << "frmChilometrico"
                             << "txtDataRil";
    QTest::newRow("dataatt") << "dataatt"
                             << "frmChilometrico"
                             << "txtDataAtt";
}

void TestCalendario::importWritesTarget() {
    QFETCH(QString, tag);
    QFETCH(QString, card);
    QFETCH(QString, target);
    open(tag);
    // The field holds a date already; the picker still opens on today.
    auto* cal = child<QCalendarWidget>(picker.get(), "calAppuntamenti");
    QCOMPARE(cal->selectedDate(), kToday);
    cal->setSelectedDate(QDate(2027, 11, 5));
    QTest::mouseClick(child<QPushButton>(picker.get(), "btnImportaData"), Qt::LeftButton);
    QVERIFY(picker->isHidden());
    // Exactly one field changed, the target.
    for (QWidget* w : {veicolario, chilometrico})
        for (QLineEdit* e : w->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            const bool isTarget = w->objectName() == card && e->objectName() == target;
            QCOMPARE(e->text(), isTarget ? QString("05/11/2027") : QString("01/01/2000"));
        }
}

void TestCalendario::unknownTagStaysOpen_data() {
    QTest::addColumn<QString>("tag");
    QTest::newRow("trailing blank") << "dataint ";
    QTest::newRow("leading blank") << " dataril";
    QTest::newRow("other case") << "DataAtt";
    QTest::newRow("empty") << "";
    QTest::newRow("other app") << "costi";
}

void TestCalendario::unknownTagStaysOpen() {
    QFETCH(QString, tag);
    open(tag);
    QTest::mouseClick(child<QPushButton>(picker.get(), "btnImportaData"), Qt::LeftButton);
    QVERIFY(picker->isVisible());
    for (QWidget* w : {veicolario, chilometrico})
        for (QLineEdit* e : w->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(e->text(), QString("01/01/2000"));
    QTest::mouseClick(child<QPushButton>(picker.get(), "btnAnnulla"), Qt::LeftButton);
    QVERIFY(picker->isHidden());
}

void TestCalendario::annullaKeepsField() {
    open(QStringLiteral("veicolario_scadbollo"));
    QTest::mouseClick(child<QPushButton>(picker.get(), "btnAnnulla"), Qt::LeftButton);
    QVERIFY(picker->isHidden());
    QCOMPARE(field(veicolario, "txtScadBollo"), QString("01/01/2000"));
}

void TestCalendario::enterAndEscapeDoNothing() {
    open(QStringLiteral("dataint"));
    for (const char* name : {"btnImportaData", "btnAnnulla", "calAppuntamenti"}) {
        QWidget* w = child<QWidget>(picker.get(), name);
        w->setFocus();
        const bool button = qobject_cast<QPushButton*>(w) != nullptr;
        // Enter on a focused button presses it (checked below); elsewhere Enter does nothing.
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            if (!button || key == Qt::Key_Escape)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, key);
        QVERIFY2(picker->isVisible(), name);
    }
    QCOMPARE(field(chilometrico, "txtDataInt"), QString("01/01/2000"));
    QPushButton* import = child<QPushButton>(picker.get(), "btnImportaData");
    import->setFocus();
    QTest::keyClick(import, Qt::Key_Return);
    QVERIFY(picker->isHidden());
    QVERIFY(field(chilometrico, "txtDataInt") != QString("01/01/2000"));
}

void TestCalendario::missingCardOnlyCloses() {
    delete chilometrico;
    chilometrico = nullptr;
    open(QStringLiteral("dataril"));
    QTest::mouseClick(child<QPushButton>(picker.get(), "btnImportaData"), Qt::LeftButton);
    QVERIFY(picker->isHidden());
    for (QLineEdit* e : veicolario->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        QCOMPARE(e->text(), QString("01/01/2000"));
}

QTEST_MAIN(TestCalendario)
#include "tst_calendario.moc"

#include "TestFolder.h"
#include "app/Program.h"
#include "common/WindowRegistry.h"

#include <QApplication>
#include <QDir>
#include <QtTest>

class TestStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableHasTheFiftyTwoWindows();
    void budgetsKeepTheWholeStartWithinThreeBareStarts();
    void windowsCreatedInOrderAndOnlyLoginShown();
    void staleTemporariesRemovedAtStart();
};

void TestStart::tableHasTheFiftyTwoWindows() {
    const auto table = app::creationTable();
    QCOMPARE(table.size(), 52);
    QCOMPARE(table.first().className, QString("TfrmPassword"));
    QCOMPARE(table.at(26).className, QString("TfrmPlanning"));
    QCOMPARE(table.at(31).className, QString("TfrmRiepPrenotazioni"));
    QCOMPARE(table.last().className, QString("TfrmExpCosti"));
}

// The bare start, what the program adds and every window's creation budget stay within three bare starts,
// and no window is left without a share.
void TestStart::budgetsKeepTheWholeStartWithinThreeBareStarts() {
    double total = 1.0 + app::kStartOverheadBudget;
    for (const auto& entry : app::creationTable()) {
        const double budget = app::creationBudget(entry.className);
        QVERIFY2(budget > 0, qPrintable(entry.className));
        total += budget;
    }
    QVERIFY2(total <= 3.0, qPrintable(QString::number(total)));
}

void TestStart::windowsCreatedInOrderAndOnlyLoginShown() {
    testsupport::TestFolder folder;
    app::startWindows();
    auto& registry = common::WindowRegistry::instance();
    // Every built window exists under its instance name, in the table's order.
    QStringList expected;
    for (const auto& entry : app::creationTable())
        if (entry.create)
            expected.append(entry.className.mid(1));
    QCOMPARE(registry.names(), expected);
    QVERIFY(QTest::qWaitForWindowExposed(registry.window("frmPassword")));
    for (QWidget* w : QApplication::topLevelWidgets())
        QCOMPARE(w->isVisible(), w->objectName() == QLatin1String("frmPassword"));
    QVERIFY(!QApplication::quitOnLastWindowClosed());
    registry.destroyAll();
}

void TestStart::staleTemporariesRemovedAtStart() {
    // What a write stopped half-way left beside the password and settings files; the scrambled password is
    // in the first.
    testsupport::TestFolder folder;
    folder.write("unins000.dll", "[Accesso]\r\nValore=5310\r\n");
    folder.write("unins000.dll.aB3dE9", "[Accesso]\r\nValore=5310\r\n");
    folder.write("Veicolario.ini.Zz0000", "x");
    folder.write("Parco_Automezzi.pro", "");
    app::startWindows();
    common::WindowRegistry::instance().destroyAll();
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"Parco_Automezzi.pro", "unins000.dll"}));
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestStart test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_start.moc"

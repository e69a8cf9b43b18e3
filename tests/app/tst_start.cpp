#include "TestFolder.h"
#include "app/Program.h"
#include "common/WindowRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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
    // What a write stopped half-way left beside each file that the program replaces whole: the password
    // and settings files (the scrambled password is in the first), the exports, the planners, the photos
    // and the attached documents.
    testsupport::TestFolder folder;
    QDir dir(folder.folder());
    QVERIFY(dir.mkdir("Veicolario") && dir.mkdir("Documenti_Allegati"));
    const QString planner = "Prenotazioni veicolo targa AB 123 anno 2024.pln";
    const QStringList stale{"unins000.dll.~aB3dE9",
                            "Veicolario.ini.~Zz0000",
                            "Parco_Automezzi.xls.~Qw12Er",
                            "Costi_Sostenuti.xls.~x9Y8z7",
                            planner + ".~Zz0a1B",
                            "Veicolario/Scheda_Veicolo_3.jpg.~Ab3xY9",
                            "Documenti_Allegati/contratto.pdf.~kL9mN0",
                            "Documenti_Allegati/libretto.~Ab3xY9"};
    // The files themselves, and what only looks like a temporary of ours: a user's copy named with a word
    // or a date or without the mark, a file the program does not replace whole, a name in another folder or
    // another case.
    const QStringList kept{"unins000.dll",
                           "Parco_Automezzi.pro",
                           "Parco_Automezzi.pro.~Ab3xY9",
                           "Parco_Automezzi.xls",
                           "Parco_Automezzi.xls.~backup",
                           "Parco_Automezzi.xls.~Backup",
                           "Parco_Automezzi.xls.Qw12Er",
                           "PARCO_AUTOMEZZI.XLS.~Ab3xY9",
                           "note.txt.~Ab3xY9",
                           planner,
                           planner + ".~202401",
                           "Scheda_Veicolo_3.jpg.~Ab3xY9",
                           "Veicolario/Scheda_Veicolo_3.jpg",
                           "Veicolario/Scheda_Veicolo_3.jpg.~202401",
                           "Veicolario/altra_foto.jpg.~Ab3xY9",
                           "Documenti_Allegati/contratto.pdf",
                           "Documenti_Allegati/contratto.pdf.copia",
                           "Documenti_Allegati/contratto.pdf.copia1",
                           "Documenti_Allegati/.~Ab3xY9"};
    folder.write("unins000.dll", "[Accesso]\r\nValore=5310\r\n");
    for (const QString& name : stale + kept)
        if (name != "unins000.dll")
            folder.write(name, name.endsWith("unins000.dll.~aB3dE9") ? "[Accesso]\r\nValore=5310\r\n" : "x");
    // A folder or a link of that form is not a temporary of ours; the link's file stays too.
    QVERIFY(dir.mkdir("Costi_Sostenuti.xls.~Ab3xY9"));
    QVERIFY(QFile::link(folder.path("note.txt.~Ab3xY9"), folder.path("Documenti_Allegati/nota.~Ab3xY9")));
    app::startWindows();
    common::WindowRegistry::instance().destroyAll();
    QStringList expected = kept;
    expected << "Costi_Sostenuti.xls.~Ab3xY9"
             << "Documenti_Allegati/nota.~Ab3xY9"
             << "Veicolario"
             << "Documenti_Allegati";
    QStringList found;
    for (const QString& sub : {QString(), QStringLiteral("Veicolario"), QStringLiteral("Documenti_Allegati")})
        for (const QString& name :
             QDir(folder.path(sub))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            found << (sub.isEmpty() ? name : sub + "/" + name);
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestStart test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_start.moc"

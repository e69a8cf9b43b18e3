#include "TestFolder.h"
#include "app/Program.h"
#include "common/ExportWindow.h"
#include "common/WindowRegistry.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A temporary of the safe write: the target's name, the mark and twelve hexadecimal digits.
QString temporaryOf(const QString& name) {
    return name + QStringLiteral(".~veicolario-temp-3f9a0c12b7e4");
}

} // namespace

class TestStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableHasTheFiftyTwoWindows();
    void budgetsKeepTheWholeStartWithinThreeBareStarts();
    void windowsCreatedInOrderAndOnlyLoginShown();
    void staleTemporariesRemoved_data();
    void staleTemporariesRemoved();
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

void TestStart::staleTemporariesRemoved_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    // What a write stopped half-way left beside each file that the program replaces whole: the password
    // file (it holds the scrambled password), the exports, the planners, the photos and the attached
    // documents; and the password file's temporaries of the two earlier forms.
    const QString planner = "Prenotazioni veicolo targa AB 123 anno 2024.pln";
    QStringList stale{"unins000.dll",
                      planner,
                      "Prenotazioni veicolo targa ZZ-9 (2) anno 2031.pln",
                      "Veicolario/Scheda_Veicolo_3.jpg",
                      "Veicolario/Scheda_Veicolo_1024.jpg",
                      "Documenti_Allegati/contratto.pdf",
                      "Documenti_Allegati/libretto",
                      "Documenti_Allegati/preventivo.pdf.~rev02b"};
    for (const char* name :
         {"Parco_Automezzi.xls", "Costi_Sostenuti.xls", "Scadenze_Imminenti.xls", "Scadenze_Giornaliere.xls",
          "Scadenze_Mensili.xls", "Scadenzario_Manutenzioni.xls", "Scadenzario_Chilometrico.xls"})
        stale << name;
    for (QString& name : stale)
        name = temporaryOf(name);
    stale << "unins000.dll.aB3dE9"
          << "unins000.dll.qWeRtY"
          << "unins000.dll.~Zz0000";
    for (const QString& name : stale)
        QTest::newRow(qPrintable(name)) << name << true;
    // A user's own file that only looks like a temporary: a copy named with a dot and a tilde, in any
    // folder; a temporary's mark on a file the program does not replace whole, or not in that folder; the
    // earlier form of a file that never had it; an INI file of the user's (the program writes none); a copy
    // named with a word or a date; another case.
    const QStringList kept{"Documenti_Allegati/preventivo.pdf.~rev02b",
                           temporaryOf("Veicolario.ini"),
                           "Veicolario.ini.Zz0000",
                           "Documenti_Allegati/Fattura.~2024Q1",
                           "Documenti_Allegati/contratto.pdf.~kL9mN0",
                           "Documenti_Allegati/contratto.pdf.copia1",
                           "Documenti_Allegati/contratto.pdf.kL9mN0",
                           "Bilancio.xls.~Copia1",
                           "Parco_Automezzi.xls.~Qw12Er",
                           "Veicolario/Bilancio.xls.~Copia1",
                           "Veicolario/Scheda_Veicolo_3.jpg.~rev02b",
                           temporaryOf("Bilancio.xls"),
                           temporaryOf("note.txt"),
                           temporaryOf("Parco_Automezzi.pro"),
                           temporaryOf("PARCO_AUTOMEZZI.XLS"),
                           temporaryOf("Prenotazioni veicolo targa AB 123 anno 24.pln"),
                           temporaryOf("Scheda_Veicolo_3.jpg"),
                           temporaryOf("contratto.pdf"),
                           temporaryOf("Veicolario/altra_foto.jpg"),
                           temporaryOf("Veicolario/contratto.pdf"),
                           temporaryOf("Veicolario/unins000.dll"),
                           "Documenti_Allegati/" + temporaryOf(""),
                           "Parco_Automezzi.xls.Qw12Er",
                           planner + ".aB3dE9",
                           "Veicolario/Scheda_Veicolo_3.jpg.Ab3xY9",
                           "Documenti_Allegati/unins000.dll.aB3dE9",
                           "unins000.dll.backup",
                           "unins000.dll.Backup",
                           "unins000.dll.202612",
                           "UNINS000.DLL.aB3dE9"};
    for (const QString& name : kept)
        QTest::newRow(qPrintable(name)) << name << false;
}

// The clean-up that the start runs, over the program folder and its photo and attachment folders.
void TestStart::staleTemporariesRemoved() {
    QFETCH(QString, name);
    QFETCH(bool, removed);
    testsupport::TestFolder folder;
    QDir dir(folder.folder());
    QVERIFY(dir.mkdir("Veicolario") && dir.mkdir("Documenti_Allegati"));
    folder.write(name, "[Accesso]\r\nValore=5310\r\n");
    QVERIFY(folder.exists(name));
    platform::removeStaleTemporaries(platform::programFolder(), app::safeWriteTargets());
    QCOMPARE(folder.exists(name), !removed);
}

// The start removes the stale temporaries before it creates the windows, never through a link: an
// attachment folder that leads elsewhere keeps what it holds. Every export window writes a file whose
// temporaries the clean-up knows.
void TestStart::staleTemporariesRemovedAtStart() {
    testsupport::TestFolder folder;
    QTemporaryDir elsewhere;
    QDir dir(folder.folder());
    QVERIFY(dir.mkdir("Veicolario"));
    QVERIFY(QFile::link(elsewhere.path(), folder.path("Documenti_Allegati")));
    const QStringList kept{"Bilancio.xls.~Copia1", "Veicolario/Scheda_Veicolo_3.jpg",
                           "Veicolario/Scheda_Veicolo_3.jpg.~rev02b", "unins000.dll"};
    const QStringList stale{temporaryOf("unins000.dll"), temporaryOf("Veicolario/Scheda_Veicolo_3.jpg"),
                            "unins000.dll.aB3dE9"};
    for (const QString& name : kept + stale)
        folder.write(name, "[Accesso]\r\nValore=5310\r\n");
    const QStringList elsewhereNames{temporaryOf("contratto.pdf"), "preventivo.pdf.~rev02b"};
    for (const QString& name : elsewhereNames)
        folder.write("Documenti_Allegati/" + name, "x");

    app::startWindows();
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks;
    QCOMPARE(dir.entryList(files, QDir::Name), (QStringList{"Bilancio.xls.~Copia1", "unins000.dll"}));
    QCOMPARE(QDir(folder.path("Veicolario")).entryList(files, QDir::Name),
             (QStringList{"Scheda_Veicolo_3.jpg", "Scheda_Veicolo_3.jpg.~rev02b"}));
    QCOMPARE(QDir(elsewhere.path()).entryList(files, QDir::Name), elsewhereNames);

    QStringList programFiles;
    for (const platform::SafeWriteTargets& targets : app::safeWriteTargets())
        if (targets.subfolder.isEmpty())
            programFiles = targets.names;
    int exports = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (const auto* list = qobject_cast<common::ExportWindow*>(window)) {
            QVERIFY2(programFiles.contains(list->layout().fileName), qPrintable(list->layout().fileName));
            ++exports;
        }
    }
    QCOMPARE(exports, 7);
    common::WindowRegistry::instance().destroyAll();
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestStart test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_start.moc"

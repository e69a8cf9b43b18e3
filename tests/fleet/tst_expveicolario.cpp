#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "SmallDisk.h"
#include "TestFolder.h"
#include "common/ExportWindow.h"
#include "common/TfrmGuida.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "platform/Shell.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <QHash>
#include <QImage>

#include <cmath>
#include <memory>
#include <optional>

using testsupport::ModalAnswerer;
using namespace fleet::SchedaVeicolo;

using testsupport::child;

namespace {

const QString kAskExport =
    QString::fromUtf8("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda "
                      "del numero di schede presenti in archivio.\r\n\r\n"
                      "Si vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                        "Si vuole aprire il file di Excel?");
const QString kFailed = QString::fromUtf8("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                          "Accertarsi che il file di Excel non sia già aperto.");
const QString kXls = QStringLiteral("Parco_Automezzi.xls");

// The contrast ratio of two colours, 1 (the same) to 21 (black and white), as accessibility guides count it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QByteArray dataCell(const QByteArray& text) {
    return "<td style=\"text-align: left;\">" + text + "</td>";
}

void addVehicle(const QList<QPair<int, QString>>& values) {
    common::ArchiveFile archive = fleet::openVehicleArchive();
    common::Record r(layout());
    for (const auto& [field, text] : values)
        r.set(field, text);
    archive.append(r);
}

} // namespace

class TestExpVeicolario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowAsCreated();
    void columns();
    void emptyArchive();
    void rowsFromArchive();
    void editReachesFileNotArchive();
    void editOpenWhenExporting();
    void noAtFirstQuestionWritesNothing();
    void yesAtSecondQuestionOpensFile();
    void help();
    void failureMessage();
    void fullDiskLeavesOldFile_data();
    void fullDiskLeavesOldFile();
    void hints();
    void enterAndEscapeDoNotClose();
    void commandReadableUnderMouse_data();
    void commandReadableUnderMouse();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    std::unique_ptr<TfrmExpVeicolario> window;
    QList<QUrl> opened;
    QTableView* grid() { return child<QTableView>(window.get(), "grdRecords"); }
    void open() {
        window = std::make_unique<TfrmExpVeicolario>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void clickExport() { QTest::mouseClick(child<QToolButton>(window.get(), "cmdEsporta"), Qt::LeftButton); }
};

void TestExpVeicolario::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    opened.clear();
    platform::setShellOpenRecorder([this](const QUrl& url) { opened.append(url); });
}

void TestExpVeicolario::cleanup() {
    platform::setShellOpenRecorder({});
    window.reset();
    folder.reset();
}

void TestExpVeicolario::windowAsCreated() {
    open();
    QCOMPARE(window->objectName(), QStringLiteral("frmExpVeicolario"));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Esportazione archivio veicoli in Microsoft Excel"));
    QCOMPARE(child<QLabel>(window.get(), "panInfo")->text(),
             QStringLiteral("Esportazione archivio in Microsoft Excel."));
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(grid()->alternatingRowColors());
    QCOMPARE(grid()->verticalHeader()->defaultSectionSize(), 21);
    // Opening a missing archive creates it empty.
    QCOMPARE(folder->read(QString::fromLatin1(fleet::kVehicleArchive)).size(), 0);
    QVERIFY(folder->exists(QString::fromLatin1(fleet::kVehicleArchive)));
}

void TestExpVeicolario::columns() {
    open();
    const QStringList titles = {"N.",
                                "Tipo veicolo",
                                "Destinazione ed uso",
                                "Marca",
                                "Modello",
                                "Targa",
                                "Immatricolazione",
                                "Colore",
                                "Telaio",
                                "Pneumatici",
                                "Stato veicolo",
                                "Km percorsi",
                                "Alimentazione",
                                "Cilindrata",
                                "kW",
                                QString::fromUtf8("Compatibilità ambientale"),
                                "Proprietario",
                                "Autista",
                                "Tel. autista",
                                "Meccanico",
                                "Tel. meccanico",
                                "Scad. revisione",
                                "Scad. tagliando",
                                "Scad. assicurazione",
                                "Scad. bollo",
                                "Note"};
    const QList<int> widths = {60,  200, 200, 200, 200, 160, 160, 200, 200, 250, 200, 180, 180,
                               180, 160, 200, 250, 200, 160, 200, 160, 160, 160, 160, 160, 350};
    const QList<int> readOnly = {0, 1, 2, 3, 8, 9, 11, 12, 13, 15, 17};
    addVehicle({{Tipo, "x"}});
    window->fillGrid();
    QAbstractItemModel* model = grid()->model();
    QCOMPARE(model->columnCount(), 26);
    for (int c = 0; c < 26; ++c) {
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), titles[c]);
        QCOMPARE(grid()->columnWidth(c), widths[c]);
        QCOMPARE(bool(model->flags(model->index(0, c)) & Qt::ItemIsEditable), !readOnly.contains(c));
    }
}

void TestExpVeicolario::emptyArchive() {
    open();
    QCOMPARE(grid()->model()->rowCount(), 0);
    ModalAnswerer answers({"Sì", "No"});
    clickExport();
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(answers.seen[0].text, kAskExport);
    QCOMPARE(answers.seen[0].icon, QMessageBox::Question);
    QCOMPARE(answers.seen[0].buttons, QStringList({"Sì", "No"}));
    QCOMPARE(answers.seen[1].text, kAskOpen);
    const QByteArray file = folder->read(kXls);
    QCOMPARE(file.size(), 2616);
    QVERIFY(file.startsWith("<html xmlns:o="));
    QVERIFY(file.contains("<x:Name>Parco Automezzi</x:Name>"));
    QVERIFY(file.contains("width=250>Compatibilit\xe0 ambientale</td>"));
    QVERIFY(file.endsWith("width=400>Note</td></tr></table></body></html>"));
    QVERIFY(!file.contains('\n') && !file.contains('\r'));
    QVERIFY(opened.isEmpty());
}

void TestExpVeicolario::rowsFromArchive() {
    addVehicle({{Tipo, "Autovettura"}, {Marca, "Fiat"}, {Modello, "Panda"}, {Targa, "AB123CD"}});
    addVehicle({{Tipo, "Furgone"},
                {Colore, "  Bianco  "},
                {Lettura, "01/02/2024"},
                {Incidenti, "uno"},
                {Note, "Nota <b>grassetto</b> & c."},
                {ScadenzaBollo, "31/12/2026"},
                {File01, "a.pdf"}});
    open();
    QAbstractItemModel* model = grid()->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("2"));
    QCOMPARE(model->index(0, 4).data().toString(), QStringLiteral("Panda"));
    QCOMPARE(model->index(1, 7).data().toString(), QStringLiteral("Bianco"));
    QCOMPARE(model->index(1, 24).data().toString(), QStringLiteral("31/12/2026"));

    ModalAnswerer answers({"Sì", "No"});
    clickExport();
    const QByteArray file = folder->read(kXls);
    QByteArray row2 = "<tr>" + dataCell("Furgone") + dataCell("") + dataCell("") + dataCell("") +
                      dataCell("") + dataCell("") + dataCell("Bianco");
    for (int i = 0; i < 16; ++i)
        row2 += dataCell("");
    row2 += dataCell("31/12/2026") + dataCell("Nota &lt;b&gt;grassetto&lt;/b&gt; &amp; c.") + "</tr>";
    QVERIFY(file.endsWith(row2 + "</table></body></html>"));
    QVERIFY(file.contains("<tr>" + dataCell("Autovettura") + dataCell("") + dataCell("Fiat") +
                          dataCell("Panda") + dataCell("AB123CD")));
    // Not exported: the reading date, the accidents, the attachments.
    QVERIFY(!file.contains("01/02/2024") && !file.contains(">uno<") && !file.contains("a.pdf"));
    QCOMPARE(file.count("<tr>"), 3);
}

void TestExpVeicolario::editReachesFileNotArchive() {
    addVehicle({{Tipo, "Autovettura"}, {Marca, "Fiat"}, {Modello, "Panda"}, {Targa, "AB123CD"}});
    const QByteArray archiveBefore = folder->read(QString::fromLatin1(fleet::kVehicleArchive));
    open();
    QTableView* view = grid();
    // An editable column: "Targa".
    const QModelIndex targa = view->model()->index(0, 5);
    view->setCurrentIndex(targa);
    view->edit(targa);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "ZZ999ZZ");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(targa.data().toString(), QStringLiteral("ZZ999ZZ"));
    // A read-only column: "Marca" opens no editor.
    const QModelIndex marca = view->model()->index(0, 3);
    view->setCurrentIndex(marca);
    view->edit(marca);
    QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QVERIFY(!view->model()->setData(marca, "Lancia"));
    QCOMPARE(marca.data().toString(), QStringLiteral("Fiat"));

    ModalAnswerer answers({"Sì", "No"});
    clickExport();
    const QByteArray file = folder->read(kXls);
    QVERIFY(file.contains(dataCell("Panda") + dataCell("ZZ999ZZ")));
    QVERIFY(!file.contains("AB123CD"));
    QCOMPARE(folder->read(QString::fromLatin1(fleet::kVehicleArchive)), archiveBefore);
}

void TestExpVeicolario::editOpenWhenExporting() {
    addVehicle({{Tipo, "Autovettura"}, {Note, "vecchia"}});
    open();
    QTableView* view = grid();
    const QModelIndex note = view->model()->index(0, 25);
    view->setCurrentIndex(note);
    view->edit(note);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "nuova");
    ModalAnswerer answers({"Sì", "No"});
    clickExport();
    QVERIFY(folder->read(kXls).contains(dataCell("nuova")));
}

void TestExpVeicolario::noAtFirstQuestionWritesNothing() {
    open();
    {
        ModalAnswerer answers({"No"});
        clickExport();
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(!folder->exists(kXls));
    }
    folder->write(kXls, "vecchio");
    ModalAnswerer answers({"No"});
    clickExport();
    QCOMPARE(folder->read(kXls), QByteArray("vecchio"));
}

void TestExpVeicolario::yesAtSecondQuestionOpensFile() {
    open();
    ModalAnswerer answers({"Sì", "Sì"});
    clickExport();
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder->path(kXls))});
}

void TestExpVeicolario::help() {
    open();
    testsupport::SeenHelp seen;
    ModalAnswerer answers;
    testsupport::captureHelp(answers, seen);
    QTest::mouseClick(child<QToolButton>(window.get(), "cmdGuida"), Qt::LeftButton);
    const QString text = seen.text;
    QCOMPARE(seen.title, QStringLiteral("Esportazione archivio veicoli in Microsoft Excel"));
    QCOMPARE(text.count(QStringLiteral("\n\n")) + 1, 3);
    QVERIFY(text.startsWith(QStringLiteral("Questo ambiente di lavoro esporta tutti i veicoli")));
}

void TestExpVeicolario::failureMessage() {
    open();
    QVERIFY(QDir(folder->folder()).mkdir(kXls));
    ModalAnswerer answers({"Sì", ""});
    clickExport();
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(answers.seen[1].text, kFailed);
    QCOMPARE(answers.seen[1].icon, QMessageBox::NoIcon);
    QCOMPARE(answers.seen[1].buttons, QStringList{"OK"});
    QVERIFY(opened.isEmpty());
}

void TestExpVeicolario::fullDiskLeavesOldFile_data() {
    QTest::addColumn<bool>("real");
    QTest::newRow("simulated") << false;
    QTest::newRow("small real disk") << true;
}

void TestExpVeicolario::fullDiskLeavesOldFile() {
    QFETCH(bool, real);
    const QByteArray before = "<html>the previous export</html>";
    testsupport::SmallDisk disk;
    if (real) {
        SKIP_UNLESS_MOUNTED(disk);
        platform::setProgramFolderForTests(disk.folder());
    }
    for (int i = 0; i < 3; ++i)
        addVehicle({{Tipo, "Autovettura"}, {Marca, "Fiat"}, {Note, QString(200, 'n')}});
    QFile old(platform::programPath(kXls));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(before);
    old.close();
    open();
    QCOMPARE(grid()->model()->rowCount(), 3);
    std::optional<platform::FullDiskForTests> simulated;
    if (real)
        QVERIFY(disk.fill());
    else
        simulated.emplace(1000);
    ModalAnswerer answers({"Sì", ""});
    clickExport();
    QCOMPARE(answers.seen.size(), 2);
    QCOMPARE(answers.seen[1].text, kFailed);
    QVERIFY(opened.isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
    QCOMPARE(QDir(platform::programFolder()).entryList({"Parco_Automezzi.xls*"}, QDir::Files),
             QStringList{kXls});
}

void TestExpVeicolario::hints() {
    open();
    auto* info = child<QLabel>(window.get(), "panInfo");
    const QList<QPair<const char*, QString>> cases = {
        {"cmdEsporta", QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")},
    };
    for (const auto& [name, hint] : cases) {
        QTest::mouseMove(child<QToolButton>(window.get(), name));
        QTRY_COMPARE(info->text(), hint);
        QTest::mouseMove(grid()->viewport());
        QTRY_COMPARE(info->text(), QString());
    }
    QTest::mouseMove(child<QToolButton>(window.get(), "cmdEsci"));
    QTRY_VERIFY(!info->text().isEmpty());
    QTest::mouseMove(child<QWidget>(window.get(), "shpInfo"), QPoint(3, 3));
    QTRY_COMPARE(info->text(), QString());
}

void TestExpVeicolario::enterAndEscapeDoNotClose() {
    open();
    auto* grid = child<QTableView>(window.get(), "grdRecords");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(window->isVisible());
    QTest::mouseClick(child<QToolButton>(window.get(), "cmdEsci"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void TestExpVeicolario::commandReadableUnderMouse_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("export") << "cmdEsporta";
    QTest::newRow("help") << "cmdGuida";
    QTest::newRow("close") << "cmdEsci";
}

// The caption under the command's picture stands out from what is behind it while the mouse is over it.
void TestExpVeicolario::commandReadableUnderMouse() {
    QFETCH(QString, command);
    open();
    auto* button = child<QToolButton>(window.get(), command);
    QTest::mouseMove(button);
    QTRY_VERIFY(button->underMouse());
    const QImage shot = button->grab().toImage();
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
        shot.save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/" + command + "-hover.png");
    // The caption's strip, below the picture and inside the button's frame: its commonest colour is the
    // background, and the caption's colour is the one farthest from it.
    const int top = button->iconSize().height() + 8;
    const int frame = 4;
    QHash<QRgb, int> counts;
    for (int y = top; y < shot.height() - frame; ++y)
        for (int x = frame; x < shot.width() - frame; ++x)
            ++counts[shot.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(it.key()), QColor(background)));
    QVERIFY2(
        best >= 3.0,
        qPrintable(QStringLiteral("caption contrast %1 on %2").arg(best).arg(QColor(background).name())));
}

QTEST_MAIN(TestExpVeicolario)
#include "tst_expveicolario.moc"

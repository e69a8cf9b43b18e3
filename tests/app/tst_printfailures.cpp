// Every print command on a printer that fails: the user reads the program's error box in Italian, or the
// message that the vehicle sheet has of its own.
#include "Boxes.h"
#include "ModalRun.h"
#include "TestFolder.h"
#include "app/Program.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "bookingprint/TfrmStampaPlanning.h"
#include "common/Clock.h"
#include "common/ControlText.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmRiepSpese.h"
#include "fleet/DeadlineList.h"
#include "fleet/TfrmStampaAutomezzo.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"

#include <QPrinter>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kVehicleSheetFailed =
    QString::fromUtf8("Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\r"
                      "Si consiglia di ridurre le dimensioni della foto.");

// A window to print from: a shared one of the program, or one made for this use.
struct Opened {
    QWidget* window = nullptr;
    std::unique_ptr<QWidget> own;
};

using Opener = std::function<Opened()>;

Opened shared(const char* name) {
    return {common::WindowRegistry::instance().window(QLatin1String(name)), nullptr};
}

template <class W> Opened perUse() {
    auto window = std::make_unique<W>();
    QWidget* raw = window.get();
    return {raw, std::move(window)};
}

// The cost period summary of one cost, as its query window opens it.
Opened costSummary() {
    using namespace costs::SchedaCosto;
    common::Record cost(layout());
    cost.set(Data, QStringLiteral("05/03/2024"));
    cost.set(Targa, QStringLiteral("AB123CD"));
    cost.set(Importo, QStringLiteral("10,00"));
    common::ArchiveFile archive = costs::openCostArchive(costs::costFilePath(QStringLiteral("2024")));
    archive.append(cost);
    archive.close();
    QWidget* query = common::WindowRegistry::instance().window(QStringLiteral("frmMenuRiepSpese"));
    common::writeControlText(query, "lblFile", costs::costFilePath(QStringLiteral("2024")));
    common::writeControlText(query, "lblDataInizio", QStringLiteral("01/01/2024"));
    common::writeControlText(query, "lblDataFine", QStringLiteral("31/12/2024"));
    auto summary = std::make_unique<TfrmRiepSpese>();
    if (!summary->fill() || summary->lines().size() != 1)
        return {};
    QWidget* raw = summary.get();
    return {raw, std::move(summary)};
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestPrintFailures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void failingPrinter_data();
    void failingPrinter();

private:
    std::unique_ptr<testsupport::TestFolder> folder_;
};

void TestPrintFailures::initTestCase() {
    folder_ = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2024, 6, 1));
    app::startWindows();
    // The printer chosen writes into a folder that does not exist.
    platform::setPrintDialogForTests([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nessuna/cartella/stampa.pdf"));
        return true;
    });
    platform::setTextPromptAnswerForTests([](const platform::TextPrompt&) { return QString("1"); });
}

void TestPrintFailures::cleanupTestCase() {
    platform::setPrintDialogForTests({});
    platform::setTextPromptAnswerForTests({});
    common::setTodayForTests(QDate());
    common::WindowRegistry::instance().destroyAll();
    folder_.reset();
}

void TestPrintFailures::failingPrinter_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QStringList>("answers"); // the boxes before the failure
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("staysOpen");
    const QString failed = platform::kPrintFailed;
    const int error = QMessageBox::Critical;
    const QStringList ok{"OK"};
    const QString yes = QString::fromUtf8("Sì");
    QTest::newRow("list print") << Opener(perUse<TfrmScadRevisione>) << "btnStampaClick" << QStringList()
                                << failed << error << ok << true;
    QTest::newRow("booking summary print") << Opener(perUse<TfrmRiepPrenotazioni>) << "btnStampaClick"
                                           << QStringList() << failed << error << ok << true;
    QTest::newRow("cost period summary print")
        << Opener(costSummary) << "btnStampaClick" << QStringList{yes} << failed << error << ok << true;
    QTest::newRow("appointment sheet") << Opener([] { return shared("frmScadenzario"); }) << "cmdStampaClick"
                                       << QStringList() << failed << error << ok << true;
    QTest::newRow("mileage card") << Opener([] { return shared("frmChilometrico"); }) << "cmdStampaClick"
                                  << QStringList{yes} << failed << error << ok << true;
    QTest::newRow("cost card") << Opener([] { return shared("frmCosti"); }) << "cmdStampaClick"
                               << QStringList{yes} << failed << error << ok << true;
    QTest::newRow("cost chart") << Opener([] { return shared("frmStatCosti"); }) << "btnStampaClick"
                                << QStringList{yes} << failed << error << ok << true;
    QTest::newRow("planner sheet") << Opener(perUse<TfrmStampaPlanning>) << "btnStampaClick" << QStringList()
                                   << failed << error << ok << true;
    QTest::newRow("vehicle sheet") << Opener(perUse<TfrmStampaAutomezzo>) << "btnStampaClick" << QStringList()
                                   << kVehicleSheetFailed << int(QMessageBox::Warning)
                                   << QStringList{"OK", "Annulla"} << false;
}

void TestPrintFailures::failingPrinter() {
    QFETCH(Opener, open);
    QFETCH(QString, handler);
    QFETCH(QStringList, answers);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(bool, staysOpen);
    Opened opened = open();
    QVERIFY(opened.window);
    opened.window->show();
    const testsupport::ModalRun run =
        testsupport::runModal([&] { QVERIFY(QMetaObject::invokeMethod(opened.window, qPrintable(handler))); },
                              {}, answers + QStringList{buttons.first()});
    QCOMPARE(run.windows, QStringList());
    QCOMPARE(run.boxes.size(), answers.size() + 1);
    // The boxes before the failure are the command's own questions.
    QList<testsupport::SeenBox> last{run.boxes.last()};
    COMPARE_ONE_BOX(last, text, QMessageBox::Icon(icon), buttons);
    QCOMPARE(opened.window->isVisible(), staysOpen);
    opened.window->hide();
}

QTEST_MAIN(TestPrintFailures)
#include "tst_printfailures.moc"

#include "Boxes.h"
#include "Controls.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/ControlText.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicoloReport.h"
#include "fleet/TfrmAnteprimaAutomezzo.h"
#include "fleet/TfrmStampaAutomezzo.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/VehiclePhoto.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QDir>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QtTest>

#include <memory>

using testsupport::child;

using testsupport::ModalAnswerer;

namespace {

const QString kPrintFailed =
    QString::fromUtf8("Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\r"
                      "Si consiglia di ridurre le dimensioni della foto.");
const QString kPreviewFailed = QString::fromUtf8(
    "Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon "
    "fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");

const platform::ReportPicture* pictureOf(const platform::Report& report) {
    for (const platform::PreparedItem& item : report.preparedPages().constFirst().items)
        if (item.name == QLatin1String("imgLogo"))
            return dynamic_cast<const platform::ReportPicture*>(item.source);
    return nullptr;
}

} // namespace

class TestVehicleSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void dialogsAsCreated();
    void printTakesTheCardAsShown();
    void newCardPrintsEmptyBoxesAndPlaceholder();
    void cancelledPrintDialog();
    void printFailure();
    void previewShowsSheet();
    void previewFailure();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    std::unique_ptr<TfrmVeicolario> card;
    QString pdf;
    bool confirmPrint = true;
    int printDialogs = 0;
};

void TestVehicleSheet::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    card = std::make_unique<TfrmVeicolario>();
    common::WindowRegistry::instance().add(card.get());
    pdf = folder->path("scheda.pdf");
    confirmPrint = true;
    printDialogs = 0;
    platform::setPrintDialogForTests([this](QPrinter& printer) {
        ++printDialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return confirmPrint;
    });
}

void TestVehicleSheet::cleanup() {
    platform::setPrintDialogForTests({});
    card.reset();
    folder.reset();
}

void TestVehicleSheet::dialogsAsCreated() {
    TfrmStampaAutomezzo print(card.get());
    TfrmAnteprimaAutomezzo preview(card.get());
    QCOMPARE(print.objectName(), QStringLiteral("frmStampaAutomezzo"));
    QCOMPARE(print.windowTitle(), QStringLiteral(" Stampa documento"));
    QCOMPARE(child<QPushButton>(&print, "btnStampa")->text(), QStringLiteral("Stampa"));
    QCOMPARE(preview.windowTitle(), QStringLiteral(" Anteprima di stampa"));
    QCOMPARE(child<QPushButton>(&preview, "btnStampa")->text(), QStringLiteral("Mostra anteprima"));
    for (QDialog* d : {static_cast<QDialog*>(&print), static_cast<QDialog*>(&preview)}) {
        QCOMPARE(d->size(), QSize(364, 287));
        QVERIFY(d->findChild<QLabel*>("imgLogo")->isHidden());
    }
    QCOMPARE(fleet::schedaVeicoloMemos().size(), 32);
}

void TestVehicleSheet::printTakesTheCardAsShown() {
    // Every value memo takes the like-named control of the card, unsaved text included.
    const QStringList memos = fleet::schedaVeicoloMemos();
    for (int i = 0; i < memos.size(); ++i)
        common::writeControlText(card.get(), memos[i], QStringLiteral("  v%1 [x] ").arg(i));
    common::writeControlText(card.get(), "txtNote", "[DATE] pagina [PAGE#] di [TOTALPAGES#]");
    QImage photo(640, 360, QImage::Format_RGB32);
    photo.fill(Qt::red);
    card->photo().setPicture(photo);

    TfrmStampaAutomezzo dialog(card.get());
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "btnStampa"), Qt::LeftButton);
    QCOMPARE(printDialogs, 1);
    QVERIFY(!dialog.isVisible());
    const platform::Report& report = *dialog.repDocumento;
    QCOMPARE(report.preparedPages().size(), 1);
    const platform::PreparedPage& page = report.preparedPages().constFirst();
    QCOMPARE(page.orientation, QPageLayout::Portrait);
    QCOMPARE(page.paperMm, QSizeF(210, 297));
    for (int i = 0; i < memos.size(); ++i)
        if (memos[i] != QLatin1String("txtNote"))
            QCOMPARE(page.linesOf(memos[i]), QStringList{QStringLiteral("v%1 [x]").arg(i)});
    // Bracketed text prints as typed.
    QCOMPARE(page.linesOf("txtNote"), QStringList{"[DATE] pagina [PAGE#] di [TOTALPAGES#]"});
    QCOMPARE(page.linesOf("txtNome"), QStringList{"SCHEDA VEICOLO"});
    QCOMPARE(page.linesOf("capAmbiente"), QStringList{"COMPATIBILITA' AMBIENTALE"});
    const platform::ReportPicture* picture = pictureOf(report);
    QVERIFY(picture);
    QCOMPARE(picture->image.size(), photo.size());
    QCOMPARE(picture->image.pixelColor(10, 10), QColor(Qt::red));
    // The printed file exists.
    QVERIFY(QFileInfo(pdf).size() > 1000);
    // What is printed: a blue title bar across the top, the red photo, framed boxes below.
    const QImage sheet = report.renderPageImage(0, 48);
    QCOMPARE(sheet.pixelColor(sheet.width() / 2, int(10 / 25.4 * 48) + 3), QColor(65, 105, 225));
    QCOMPARE(sheet.pixelColor(sheet.width() / 2, sheet.height() / 4), QColor(Qt::red));
}

void TestVehicleSheet::newCardPrintsEmptyBoxesAndPlaceholder() {
    TfrmStampaAutomezzo dialog(card.get());
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "btnStampa"), Qt::LeftButton);
    const platform::PreparedPage& page = dialog.repDocumento->preparedPages().constFirst();
    for (const QString& name : fleet::schedaVeicoloMemos())
        QCOMPARE(page.linesOf(name), QStringList());
    QCOMPARE(page.linesOf("capTarga"), QStringList{"TARGA"});
    const platform::ReportPicture* picture = pictureOf(*dialog.repDocumento);
    QVERIFY(picture);
    QCOMPARE(picture->image.convertToFormat(QImage::Format_RGB32),
             fleet::placeholderPicture().convertToFormat(QImage::Format_RGB32));
}

void TestVehicleSheet::cancelledPrintDialog() {
    confirmPrint = false;
    TfrmStampaAutomezzo dialog(card.get());
    dialog.show();
    ModalAnswerer answers;
    QTest::mouseClick(child<QPushButton>(&dialog, "btnStampa"), Qt::LeftButton);
    QCOMPARE(printDialogs, 1);
    QVERIFY(answers.seen.isEmpty());
    QVERIFY(!dialog.isVisible());
    QVERIFY(!QFile::exists(pdf));
}

void TestVehicleSheet::printFailure() {
    // The printer's file cannot be created: a folder bears its name.
    QVERIFY(QDir().mkpath(pdf));
    TfrmStampaAutomezzo dialog(card.get());
    dialog.show();
    ModalAnswerer answers;
    QTest::mouseClick(child<QPushButton>(&dialog, "btnStampa"), Qt::LeftButton);
    COMPARE_ONE_BOX(answers.seen, kPrintFailed, QMessageBox::Warning, "OK", "Annulla");
    QVERIFY(!dialog.isVisible());
}

void TestVehicleSheet::previewShowsSheet() {
    common::writeControlText(card.get(), "txtTarga", "AB123CD");
    TfrmAnteprimaAutomezzo dialog(card.get());
    dialog.show();
    QString previewTitle;
    bool maximised = false;
    double zoom = 0;
    ModalAnswerer answers;
    answers.onOther = [&](QWidget* w) {
        if (w->objectName() != QLatin1String("frmAnteprima"))
            return false;
        previewTitle = w->windowTitle();
        // It opens as the planner sheet's preview does: maximised, at 100 %.
        maximised = w->windowState().testFlag(Qt::WindowMaximized);
        auto* view = w->findChild<QPrintPreviewWidget*>("preview");
        zoom = view ? view->zoomFactor() : 0;
        static_cast<QDialog*>(w)->reject();
        return true;
    };
    QTest::mouseClick(child<QPushButton>(&dialog, "btnStampa"), Qt::LeftButton);
    QCOMPARE(previewTitle, QStringLiteral(" Anteprima di stampa"));
    QVERIFY(maximised);
    QCOMPARE(zoom, 1.0);
    QCOMPARE(printDialogs, 0);
    QVERIFY(answers.seen.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.repDocumento->preparedPages().constFirst().linesOf("txtTarga"), QStringList{"AB123CD"});
}

void TestVehicleSheet::previewFailure() {
    // Without the vehicle card the sheet cannot be filled.
    card.reset();
    TfrmAnteprimaAutomezzo dialog;
    dialog.show();
    ModalAnswerer answers;
    QTest::mouseClick(child<QPushButton>(&dialog, "btnStampa"), Qt::LeftButton);
    COMPARE_ONE_BOX(answers.seen, kPreviewFailed, QMessageBox::Warning);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestVehicleSheet)
#include "tst_vehiclesheet.moc"

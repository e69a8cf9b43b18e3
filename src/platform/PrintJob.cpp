#include "platform/PrintJob.h"

#include "platform/Dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {

std::function<bool(QPrinter&)>& printDialogForTests() {
    static std::function<bool(QPrinter&)> dialog;
    return dialog;
}

std::function<QPaintDevice*(QPrinter&)>& printTargetForTests() {
    static std::function<QPaintDevice*(QPrinter&)> target;
    return target;
}

} // namespace

const QString kPrintFailed = QString::fromUtf8("Attenzione: la stampa non è andata a buon fine. Verificare "
                                               "che la stampante scelta sia pronta e riprovare.");
const QString kPreviewFailed =
    QString::fromUtf8("Attenzione: non è stato possibile mostrare l'anteprima di stampa del documento.");

PrintFailure::PrintFailure(const QString& text)
    : std::runtime_error(text.toStdString()) {}

QString PrintFailure::text() const {
    return QString::fromStdString(what());
}

bool guardPrint(QWidget* parent, const QString& failureText, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const PrintFailure& failure) {
        showError(parent, failure.text());
    } catch (const std::exception&) {
        showError(parent, failureText);
    }
    return false;
}

void setPrintDialogForTests(std::function<bool(QPrinter&)> dialog) {
    printDialogForTests() = std::move(dialog);
}

void setPrintTargetForTests(std::function<QPaintDevice*(QPrinter&)> target) {
    printTargetForTests() = std::move(target);
}

PrintJob::PrintJob()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintJob::~PrintJob() = default;

void PrintJob::setDocumentName(const QString& name) {
    printer_->setDocName(name);
}

void PrintJob::setPageLayout(const QPageLayout& layout) {
    printer_->setPageLayout(layout);
}

QPageLayout::Orientation PrintJob::orientation() const {
    return printer_->pageLayout().orientation();
}

void PrintJob::setCopies(int copies) {
    printer_->setCopyCount(copies);
}

int PrintJob::copies() const {
    return printer_->copyCount();
}

bool PrintJob::choosePrinter(QWidget* parent, int pageCount) {
    if (printDialogForTests())
        return printDialogForTests()(*printer_);
    QPrintDialog dialog(printer_.get(), parent);
    if (pageCount > 0) {
        dialog.setMinMax(1, pageCount);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    }
    return dialog.exec() == QDialog::Accepted;
}

QPaintDevice& PrintJob::open(QPageLayout::Orientation orientation, int dpi) {
    printer_->setPageOrientation(orientation);
    if (dpi > 0)
        printer_->setResolution(dpi);
    // Each document is one copy: the printer must not repeat it.
    printer_->setCopyCount(1);
    if (printTargetForTests())
        return *printTargetForTests()(*printer_);
    return *printer_;
}

} // namespace platform

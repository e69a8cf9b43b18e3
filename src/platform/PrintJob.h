// One print job: the printer chosen in the print dialog and the device its pages are drawn on. Every
// printout of the program opens its printer here.
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

class QPaintDevice;
class QPrinter;
class QWidget;

namespace platform {

// What the user reads when a print or a preview fails.
extern const QString kPrintFailed;
extern const QString kPreviewFailed;

// A print that the printer refused or did not finish; its text is the one the user reads.
class PrintFailure : public std::runtime_error {
public:
    explicit PrintFailure(const QString& text);
    QString text() const;
};

// Runs a print or preview command. Any failure shows the program's error box, with the text of a print
// failure or failureText for any other, and gives false.
bool guardPrint(QWidget* parent, const QString& failureText, const std::function<void()>& command);

class PrintJob {
public:
    PrintJob();
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    void setDocumentName(const QString& name);
    void setPageLayout(const QPageLayout& layout);
    QPageLayout::Orientation orientation() const;

    // The copies: the dialog's preset, then what the user left in it.
    void setCopies(int copies);
    int copies() const;

    // The print dialog as preset (a range of pages 1..pageCount offered when above 0); the job keeps what
    // the user chose. False when the user cancels.
    bool choosePrinter(QWidget* parent, int pageCount = 0);

    // The device a caller draws its documents on, each begun and ended on its own and printed once: the
    // printer turned to orientation at dpi dots per inch (0 keeps its resolution), or the tests' device.
    QPaintDevice& open(QPageLayout::Orientation orientation, int dpi = 0);

    // The printer itself, for the report engine that lays pages out on it one by one.
    QPrinter& printer() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
};

// Tests only: stands in for the print dialog. It receives the printer (to send it to a PDF file, set copies)
// and returns false for Cancel. An empty function restores the real dialog.
void setPrintDialogForTests(std::function<bool(QPrinter&)> dialog);

// Tests only: open() hands out the device that target returns (it sees the printer as set up) instead of
// the printer; an empty function restores the printer.
void setPrintTargetForTests(std::function<QPaintDevice*(QPrinter&)> target);

} // namespace platform

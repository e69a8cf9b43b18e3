// File open and save dialogs; tests answer them without a real dialog.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;        // Qt form: "Name (*.a *.b);;Other (*.c)"
    QString defaultSuffix; // added to a chosen name without a suffix (save dialogs)
    QString fileName;      // the name the dialog starts with
};

// The chosen file's path, or an empty text when the user cancels. A save dialog asks before overwriting.
QString askFileName(QWidget* parent, const FileDialogRequest& request);

// Tests only: answers every dialog with the path that answer returns (empty: cancel); an empty function
// restores the real dialogs.
void setFileDialogAnswerForTests(std::function<QString(const FileDialogRequest&)> answer);

} // namespace platform

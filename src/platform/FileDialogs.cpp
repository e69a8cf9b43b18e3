#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {
std::function<QString(const FileDialogRequest&)>& testAnswer() {
    static std::function<QString(const FileDialogRequest&)> answer;
    return answer;
}
} // namespace

void setFileDialogAnswerForTests(std::function<QString(const FileDialogRequest&)> answer) {
    testAnswer() = std::move(answer);
}

QString askFileName(QWidget* parent, const FileDialogRequest& request) {
    QString chosen;
    if (testAnswer()) {
        chosen = testAnswer()(request);
    } else {
        QFileDialog dialog(parent, request.title, QString(), request.filter);
        dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AcceptSave
                                                                           : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.kind == FileDialogRequest::Kind::Save ? QFileDialog::AnyFile
                                                                         : QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        dialog.setSizeGripEnabled(true);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return QString();
    if (request.kind == FileDialogRequest::Kind::Save && !request.defaultSuffix.isEmpty() &&
        QFileInfo(chosen).suffix().isEmpty())
        chosen += QLatin1Char('.') + request.defaultSuffix;
    return chosen;
}

} // namespace platform

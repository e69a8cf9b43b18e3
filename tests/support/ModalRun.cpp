#include "ModalRun.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace testsupport {

ModalRun runModal(const std::function<void()>& step, const std::function<void(QWidget*)>& inspect,
                  const QStringList& answers) {
    ModalRun run;
    QStringList queue = answers;
    QList<QPointer<QWidget>> handled;
    const auto alive = std::make_shared<bool>(true);
    // Each window is inspected from a timer of its own, so that the poll keeps answering the boxes and
    // windows that the inspector itself opens.
    auto inspectAndClose = [&, alive](QPointer<QWidget> window) {
        if (!*alive || !window)
            return;
        if (inspect)
            inspect(window); // a failed expectation returns here early
        if (!window || window->isHidden())
            return;
        if (auto* dialog = qobject_cast<QDialog*>(window.data()))
            dialog->reject();
        else
            window->close();
        if (window && !window->isHidden())
            window->hide();
    };
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            run.boxes.append(answerBox(box, queue.isEmpty() ? QString() : queue.takeFirst()));
            return;
        }
        for (const QPointer<QWidget>& seen : handled)
            if (seen == modal)
                return; // being inspected, or closing
        handled.append(modal);
        run.windows.append(modal->objectName());
        QTimer::singleShot(0, modal,
                           [inspectAndClose, window = QPointer<QWidget>(modal)] { inspectAndClose(window); });
    });
    poll.start();
    step();
    *alive = false;
    return run;
}

} // namespace testsupport

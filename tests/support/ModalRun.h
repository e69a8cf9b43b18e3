// Runs a step that opens modal windows or boxes, and always closes what it opened, so that a failed
// expectation fails the test instead of leaving a modal loop waiting for ever.
//
// Usage:
//     const testsupport::ModalRun run = testsupport::runModal(
//         [&] { card->findChild<QAbstractButton*>("cmdTrova")->click(); },
//         [&](QWidget* modal) {            // each modal window that is not a message box, once
//             auto* search = qobject_cast<TfrmTrovaAutomezzi*>(modal);
//             QVERIFY(search);             // on failure the window is still closed
//             ...drive it...
//         });
//     QCOMPARE(run.windows, QStringList{"frmTrovaAutomezzi"}); // what opened, by objectName
//     COMPARE_ONE_BOX(run.boxes, text, QMessageBox::Information);  // see Boxes.h
// Message boxes are recorded and answered as ModalAnswerer does (answers: button texts, "" = the first).
// A window the inspector left open is closed (rejected, for a dialog) once the inspector returns.
#pragma once

#include "ModalAnswerer.h"

#include <QList>
#include <QStringList>

#include <functional>

class QWidget;

namespace testsupport {

struct ModalRun {
    QStringList windows;  // objectNames of the modal windows handed to the inspector, in order
    QList<SeenBox> boxes; // the message boxes, in order
};

ModalRun runModal(const std::function<void()>& step, const std::function<void(QWidget*)>& inspect = {},
                  const QStringList& answers = {});

} // namespace testsupport

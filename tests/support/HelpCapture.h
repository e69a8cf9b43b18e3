// Records what the help window showed when a help command opened it, then closes it.
#pragma once

#include "Controls.h"
#include "ModalAnswerer.h"
#include "common/TfrmGuida.h"

namespace testsupport {

struct SeenHelp {
    QString title;
    QString text;
    QWidget* owner = nullptr;
};

// Reads and closes w when it is a help window; false otherwise.
inline bool takeHelp(QWidget* w, SeenHelp& seen) {
    auto* help = qobject_cast<TfrmGuida*>(w);
    if (!help)
        return false;
    seen.title = child<QLabel>(help, "lblTitolo")->text();
    seen.text = child<QPlainTextEdit>(help, "txtGuida")->toPlainText();
    seen.owner = help->parentWidget();
    child<QPushButton>(help, "btnChiudi")->click();
    return true;
}

inline void captureHelp(ModalAnswerer& answerer, SeenHelp& seen) {
    answerer.onOther = [&seen](QWidget* w) { return takeHelp(w, seen); };
}

} // namespace testsupport

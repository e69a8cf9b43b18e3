// Records what the help window showed when a help command opened it, then closes it.
#pragma once

#include "ModalAnswerer.h"
#include "common/TfrmGuida.h"
#include "ui_TfrmGuida.h"

namespace testsupport {

struct SeenHelp {
    QString title;
    QString text;
    QWidget* owner = nullptr;
};

inline void captureHelp(ModalAnswerer& answerer, SeenHelp& seen) {
    answerer.onOther = [&seen](QWidget* w) {
        auto* help = qobject_cast<TfrmGuida*>(w);
        if (!help)
            return false;
        seen.title = help->ui->lblTitolo->text();
        seen.text = help->ui->txtGuida->toPlainText();
        seen.owner = help->parentWidget();
        help->ui->btnChiudi->click();
        return true;
    };
}

} // namespace testsupport

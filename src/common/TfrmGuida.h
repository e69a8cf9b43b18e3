// The help window: every help command shows its title and text in it.
#pragma once

#include "common/Dialog.h"

#include <memory>

namespace Ui {
class frmGuida;
}

namespace common {
class Link;
}

class TfrmGuida : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner = nullptr);
    ~TfrmGuida() override;

    // Shows this title and text; the caller then opens the window.
    void showText(const QString& title, const QString& text);

public Q_SLOTS:
    void btnChiudiClick();
    void lnkWebClick();

private:
    std::unique_ptr<Ui::frmGuida> ui;
    common::Link* link_ = nullptr;
};

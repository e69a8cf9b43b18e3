// The about window: the program, its maker and the support mail address.
#pragma once

#include "common/Dialog.h"

#include <memory>

namespace Ui {
class frmInfo;
}

namespace common {
class Link;
}

class TfrmInfo : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner = nullptr);
    ~TfrmInfo() override;

public Q_SLOTS:
    void btnChiudiClick();
    void lnkWebClick();

private:
    std::unique_ptr<Ui::frmInfo> ui;
    common::Link* link_ = nullptr;
};

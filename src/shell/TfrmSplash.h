// The credits window: the credits picture and the maker's web address.
#pragma once

#include "common/Dialog.h"

#include <memory>

namespace Ui {
class frmSplash;
}

namespace common {
class Link;
}

class TfrmSplash : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);
    ~TfrmSplash() override;

public Q_SLOTS:
    void btnChiudiClick();
    void lnkWebClick();

private:
    std::unique_ptr<Ui::frmSplash> ui;
    common::Link* link_ = nullptr;
};

// Base of the per-use windows: created by a caller for one use, shown modally, destroyed on close.
#pragma once

#include <QDialog>

namespace common {

class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* owner = nullptr);

protected:
    // Runs each time the program shows the window (not when the window system restores it).
    virtual void FormShow() {}
    // A window without title-bar buttons. A close asked for by the window system (one that shows a close
    // button all the same, or its close keys) closes it as its own exit command does.
    void setNoTitleButtons();
    void setCentredOnScreen(bool centred) { centredOnScreen_ = centred; }
    void setCentredOnOwner(bool centred) { centredOnOwner_ = centred; }

    void showEvent(QShowEvent* event) override;
    // Enter and Escape do only what the window's own handlers say: no default button, no reject.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool centredOnScreen_ = false;
    bool centredOnOwner_ = false;
};

} // namespace common

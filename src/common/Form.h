// Base of the program's app windows: shown and hidden for the whole run, never closed for good.
#pragma once

#include <QWidget>

class QKeyEvent;

namespace common {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

protected:
    // Runs each time the program shows the window (not when the window system restores it).
    virtual void FormShow() {}
    // Runs when the window is closed; the window is then hidden.
    virtual void FormClose() {}
    // What a close asked for by the window system does in a window without title-bar buttons (a window
    // system may show a close button all the same, or close with its own keys).
    enum class SystemClose {
        AsOwnClose, // closes the window as its own exit command does
        Refused,    // nothing: the window's own commands are the only way out
    };
    void setNoTitleButtons(SystemClose close = SystemClose::AsOwnClose);
    void setCentredOnScreen(bool centred) { centred_ = centred; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool centred_ = false;
    bool refusesSystemClose_ = false;
};

// Asks the window system for a title bar with the caption and no buttons at all, the window's type kept.
void setTitleBarWithoutButtons(QWidget* window);

// Enter on a focused command button clicks it, as Space does; true when it did. A check box is left as it is.
bool clickFocusedButton(QWidget* window, QKeyEvent* event);

// Moves a top-level window to the middle of its screen.
void centreOnScreen(QWidget* window);

} // namespace common

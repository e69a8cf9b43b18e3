// The underlined link texts of the help, about and credits windows, with the icon beside each.
#pragma once

#include <QColor>
#include <QObject>

#include <functional>

class QLabel;
class QWidget;

namespace common {

inline const QColor kLinkColour = QColor::fromRgba(0xFF00008B);     // dark blue, at rest
inline const QColor kLinkDownColour = QColor::fromRgba(0xFFFFA500); // orange, while held down

// Turns text and icon into one link: orange while the mouse button is held down on either, dark blue
// again at the release wherever it happens, and onClick when the button is released over the widget
// pressed. onClick runs after the colour is back to dark blue.
class Link : public QObject {
    Q_OBJECT
public:
    Link(QLabel* text, QWidget* icon, std::function<void()> onClick);

    void setColour(const QColor& colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* text_;
    QWidget* icon_;
    std::function<void()> onClick_;
};

} // namespace common

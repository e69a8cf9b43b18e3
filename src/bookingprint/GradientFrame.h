// A rectangle shading from steel blue at the top to white at the bottom, outlined in light blue: the
// background of the booking printout and summary windows and of their find and list frames.
#pragma once

#include <QFrame>

class QPainter;

namespace bookingprint {

// The steel blue to white shading over a rectangle.
void paintSteelBlueShade(QPainter& painter, const QRect& rect);

class GradientFrame : public QFrame {
    Q_OBJECT
public:
    explicit GradientFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace bookingprint

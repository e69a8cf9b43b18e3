// A picture drawn in code at its first paint, then kept; a command when something is bound to clicked().
#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <functional>

class QPainter;

namespace planner {

class Picture : public QAbstractButton {
    Q_OBJECT
public:
    // Draws the picture for a size; pictures shared by many controls come from a cache of the maker's.
    using Maker = std::function<QPixmap(const QSize&)>;

    explicit Picture(QWidget* parent = nullptr);
    void setMaker(Maker maker);
    // Turns the picture into a command: hand cursor.
    void setCommand();

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override { return size(); }

private:
    Maker maker_;
    QPixmap pixmap_;
};

// Fills rect with a vertical shade from top to bottom, the background of the planner's windows.
void paintShade(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom);

// A rectangle of the layout: a fill (or a vertical gradient) and a border.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);
    void setFill(const QColor& fill, const QColor& stroke);
    void setGradient(const QColor& top, const QColor& bottom, const QColor& stroke = QColor());

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor top_ = Qt::white;
    QColor bottom_ = Qt::white;
    QColor stroke_;
};

} // namespace planner

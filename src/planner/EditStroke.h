// An edit frame drawn as one plain stroke of its own colour around the edit's fill. Only the drawing
// changes: every size and margin stays the program style's, and no style sheet is involved.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace planner {

class EditStroke : public QProxyStyle {
public:
    // owner deletes the style; the edits that use it must not outlive it.
    EditStroke(const QColor& stroke, QObject* owner);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    QColor stroke_;
};

} // namespace planner

#include "common/Placement.h"

#include <QEvent>
#include <QPointer>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace common {

namespace {

// One per parent: places its kept children each time the parent is resized.
class Placement : public QObject {
public:
    explicit Placement(QWidget* parent)
        : QObject(parent)
        , parent_(parent) {
        setObjectName(QStringLiteral("placement"));
        parent->installEventFilter(this);
    }

    static Placement* of(QWidget* parent) {
        auto* found = parent->findChild<Placement*>(QStringLiteral("placement"), Qt::FindDirectChildrenOnly);
        return found ? found : new Placement(parent);
    }

    void keep(QWidget* control, Qt::Edges edges, bool centred) {
        const QRect r = control->geometry();
        const QMargins gaps(r.left(), r.top(), parent_->width() - r.right() - 1,
                            parent_->height() - r.bottom() - 1);
        kept_.push_back({control, edges, gaps, centred, {}});
        place(kept_.back());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent_ && event->type() == QEvent::Resize)
            for (Kept& k : kept_)
                place(k);
        // A scrolled panel's area shows and hides with it.
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            for (const Kept& k : kept_)
                if (k.area && k.control == watched)
                    k.area->setVisible(event->type() == QEvent::ShowToParent);
        return QObject::eventFilter(watched, event);
    }

private:
    struct Kept {
        QPointer<QWidget> control;
        Qt::Edges edges;
        QMargins gaps;
        bool centred;
        QPointer<QScrollArea> area; // a centred panel's, once the parent was smaller than the panel
    };

    // Moves panel into a frameless scroll area of its parent that keeps it in its middle, in its place
    // among its siblings, as it was shown and painted.
    QScrollArea* scrollerFor(QWidget* panel) {
        const bool hidden = panel->isHidden();
        const bool filled = panel->autoFillBackground();
        // Moving a widget takes the focus from it and from its children.
        QWidget* focus = parent_->window()->focusWidget();
        if (focus && focus != panel && !panel->isAncestorOf(focus))
            focus = nullptr;
        auto* area = new QScrollArea(parent_);
        area->setObjectName(panel->objectName() + QStringLiteral("Scroller"));
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        area->setAlignment(Qt::AlignCenter);
        area->viewport()->setAutoFillBackground(false);
        area->stackUnder(panel);
        area->setWidget(panel);
        panel->setAutoFillBackground(filled);
        panel->setHidden(hidden);
        area->setHidden(hidden);
        if (focus)
            focus->setFocus();
        panel->installEventFilter(this);
        return area;
    }

    // A centred panel larger than its parent scrolls: the area is as large as the panel and the scroll
    // bars it needs, no larger than the parent, in the parent's middle.
    void placeCentred(Kept& k) {
        const QSize outer = parent_->size();
        const QSize panel = k.control->size();
        if (!k.area && panel.width() <= outer.width() && panel.height() <= outer.height()) {
            k.control->move(std::max(0, (outer.width() - panel.width()) / 2),
                            std::max(0, (outer.height() - panel.height()) / 2));
            return;
        }
        if (!k.area)
            k.area = scrollerFor(k.control);
        const int bar = k.area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, k.area);
        bool wide = panel.width() > outer.width();
        bool tall = panel.height() > outer.height();
        tall = tall || (wide && panel.height() + bar > outer.height());
        wide = wide || (tall && panel.width() + bar > outer.width());
        const QSize size(std::min(outer.width(), panel.width() + (tall ? bar : 0)),
                         std::min(outer.height(), panel.height() + (wide ? bar : 0)));
        k.area->setGeometry((outer.width() - size.width()) / 2, (outer.height() - size.height()) / 2,
                            size.width(), size.height());
    }

    void place(Kept& k) {
        if (!k.control)
            return;
        if (k.centred) {
            placeCentred(k);
            return;
        }
        const QSize outer = parent_->size();
        QRect r = k.control->geometry();
        if (k.edges & Qt::LeftEdge && k.edges & Qt::RightEdge)
            r.setWidth(std::max(0, outer.width() - k.gaps.left() - k.gaps.right()));
        else if (k.edges & Qt::RightEdge)
            r.moveLeft(outer.width() - k.gaps.right() - r.width());
        if (k.edges & Qt::TopEdge && k.edges & Qt::BottomEdge)
            r.setHeight(std::max(0, outer.height() - k.gaps.top() - k.gaps.bottom()));
        else if (k.edges & Qt::BottomEdge)
            r.moveTop(outer.height() - k.gaps.bottom() - r.height());
        k.control->setGeometry(r);
    }

    QWidget* parent_;
    std::vector<Kept> kept_;
};

} // namespace

void keepCentred(QWidget* panel) {
    Placement::of(panel->parentWidget())->keep(panel, {}, true);
}

void keepAtEdges(QWidget* control, Qt::Edges edges) {
    Placement::of(control->parentWidget())->keep(control, edges, false);
}

} // namespace common

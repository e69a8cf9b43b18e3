#include "common/Placement.h"

#include <QEvent>
#include <QPointer>
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
        kept_.push_back({control, edges, gaps, centred});
        place(kept_.back());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent_ && event->type() == QEvent::Resize)
            for (const Kept& k : kept_)
                place(k);
        return QObject::eventFilter(watched, event);
    }

private:
    struct Kept {
        QPointer<QWidget> control;
        Qt::Edges edges;
        QMargins gaps;
        bool centred;
    };

    void place(const Kept& k) const {
        if (!k.control)
            return;
        const QSize outer = parent_->size();
        QRect r = k.control->geometry();
        if (k.centred) {
            r.moveTo(std::max(0, (outer.width() - r.width()) / 2),
                     std::max(0, (outer.height() - r.height()) / 2));
        } else {
            if (k.edges & Qt::LeftEdge && k.edges & Qt::RightEdge)
                r.setWidth(std::max(0, outer.width() - k.gaps.left() - k.gaps.right()));
            else if (k.edges & Qt::RightEdge)
                r.moveLeft(outer.width() - k.gaps.right() - r.width());
            if (k.edges & Qt::TopEdge && k.edges & Qt::BottomEdge)
                r.setHeight(std::max(0, outer.height() - k.gaps.top() - k.gaps.bottom()));
            else if (k.edges & Qt::BottomEdge)
                r.moveTop(outer.height() - k.gaps.bottom() - r.height());
        }
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

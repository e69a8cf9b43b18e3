#include "common/TextFit.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextCharFormat>

#include <optional>

namespace common {

namespace {

constexpr int kSmallestPixels = 6;

// Reach the style options that the controls paint with.
struct LineEditOption : QLineEdit {
    using QLineEdit::initStyleOption;
};
struct ComboBoxOption : QComboBox {
    using QComboBox::initStyleOption;
};

// Whether text, drawn at font into rect with flags as the control draws it, keeps every bit of its glyphs
// inside room, where the control clips it; drawn by QPainter::drawText (clipped), a text whose lines do not
// fit rect is clipped to rect as well. Lines may reach past the room where their glyphs do not. On the sides
// the text is anchored to (anchors), what a glyph loses it loses in any room, so only the others count.
bool inkInside(const QWidget* control, const QFont& font, const QRect& rect, int flags, const QString& text,
               QRect room, bool clippedToRect, Qt::Alignment anchors) {
    const QFontMetrics metrics(font, control);
    const QRect lines = metrics.boundingRect(rect, flags, text);
    if (clippedToRect && !rect.contains(lines))
        room &= rect;
    // A glyph reaches past its line by less than a line: an accent over a capital, the foot of a j.
    const int slack = metrics.height();
    const QRect area = lines.adjusted(-slack, -slack, slack, slack);
    if (anchors & Qt::AlignLeft)
        room.setLeft(std::min(room.left(), area.left()));
    if (anchors & Qt::AlignRight)
        room.setRight(std::max(room.right(), area.right()));
    if (anchors & Qt::AlignTop)
        room.setTop(std::min(room.top(), area.top()));
    if (anchors & Qt::AlignBottom)
        room.setBottom(std::max(room.bottom(), area.bottom()));
    if (room.contains(lines.adjusted(-slack / 2, -slack / 2, slack / 2, slack / 2)))
        return true;
    QImage ink(area.size(), QImage::Format_ARGB32_Premultiplied);
    ink.setDotsPerMeterX(qRound(control->logicalDpiX() / 0.0254));
    ink.setDotsPerMeterY(qRound(control->logicalDpiY() / 0.0254));
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        painter.translate(-area.topLeft());
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect, flags | Qt::TextDontClip, text);
    }
    for (int y = 0; y < ink.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        for (int x = 0; x < ink.width(); ++x)
            if (qAlpha(pixels[x]) != 0 && !room.contains(area.x() + x, area.y() + y))
                return false;
    }
    return true;
}

bool isPlainText(const QLabel* label) {
    return label->textFormat() == Qt::PlainText ||
           (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

// The label draws its text in its contents less margin and indent.
bool labelWhole(const QLabel* label, const QFont& font) {
    if (label->text().isEmpty() || !isPlainText(label))
        return true;
    const int margin = label->margin();
    QRect rect = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const Qt::Alignment align = label->alignment();
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = QFontMetrics(font, label).horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + indent);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - indent);
        if (align & Qt::AlignTop)
            rect.setTop(rect.top() + indent);
        if (align & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - indent);
    }
    int flags = int(align) | Qt::TextExpandTabs;
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    if (label->buddy())
        flags |= Qt::TextShowMnemonic;
    return inkInside(label, font, rect, flags, label->text(), label->rect(), true, align);
}

// The edit lays its line out as QLineEdit::paintEvent does and clips it to its contents; the line scrolls
// sideways, so only its height counts.
bool lineEditWhole(const QLineEdit* edit, const QFont& font) {
    constexpr int kVerticalMargin = 1;
    QStyleOptionFrame option;
    void (QLineEdit::*init)(QStyleOptionFrame*) const = &LineEditOption::initStyleOption;
    (edit->*init)(&option);
    const QRect room = edit->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                           .marginsRemoved(edit->textMargins());
    const QFontMetrics metrics(font, edit);
    int top = room.y() + (room.height() - metrics.height() + 1) / 2;
    if (edit->alignment() & Qt::AlignTop)
        top = room.y() + kVerticalMargin;
    else if (edit->alignment() & Qt::AlignBottom)
        top = room.y() + room.height() - metrics.height() - kVerticalMargin;
    const QString& text = tallestLetters();
    const QRect line(room.x(), top, metrics.horizontalAdvance(text) + 1, metrics.height());
    const int slack = metrics.height();
    return inkInside(edit, font, line, Qt::AlignLeft | Qt::AlignTop, text,
                     QRect(line.left() - slack, room.y(), line.width() + 2 * slack, room.height()), false,
                     edit->alignment() & (Qt::AlignTop | Qt::AlignBottom));
}

// A drop-down without an edit draws its text centred in its edit field and clips it there.
bool comboBoxWhole(const QComboBox* combo, const QFont& font) {
    QStyleOptionComboBox option;
    void (QComboBox::*init)(QStyleOptionComboBox*) const = &ComboBoxOption::initStyleOption;
    (combo->*init)(&option);
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics metrics(font, combo);
    const QString& text = tallestLetters();
    const QRect line(field.x() + 1, field.y(), metrics.horizontalAdvance(text) + 2 * metrics.height(),
                     field.height());
    return inkInside(combo, font, line, Qt::AlignLeft | Qt::AlignVCenter, text,
                     line.adjusted(-metrics.height(), 0, metrics.height(), 0), true, Qt::AlignLeft);
}

const QTableView* calendarView(const QCalendarWidget* calendar) {
    const auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    return view && view->model() ? view : nullptr;
}

// The day names over the columns, which the calendar would cut short with an ellipsis.
bool calendarWhole(const QCalendarWidget* calendar, const QFont& font) {
    const QTableView* view = calendarView(calendar);
    if (!view || calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader)
        return true;
    const QAbstractItemModel* model = view->model();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QFontMetricsF metrics(font, view);
    for (int c = 0; c < model->columnCount(); ++c) {
        const QModelIndex header = model->index(0, c);
        const QString name = header.data(Qt::DisplayRole).toString();
        const QRect cell = view->visualRect(header);
        if (metrics.horizontalAdvance(name) + 2 * margin > cell.width() ||
            !inkInside(view->viewport(), font, cell, Qt::AlignCenter, name,
                       QRect(cell.x() - cell.width(), cell.y(), 3 * cell.width(), cell.height()), true, {}))
            return false;
    }
    return true;
}

QFont calendarHeaderFont(const QCalendarWidget* calendar) {
    const QTableView* view = calendarView(calendar);
    if (!view)
        return calendar->font();
    const QVariant shown = view->model()->index(0, view->model()->columnCount() - 1).data(Qt::FontRole);
    return shown.isValid() ? shown.value<QFont>() : view->font();
}

enum class Kind { Label, LineEdit, ComboBox, Calendar };

// What a control shows and the room it has.
struct Look {
    QSize size;
    QString text;
    QFont font;
    QList<QRect> cells;
    bool operator==(const Look&) const = default;
};

struct Control {
    QPointer<QWidget> widget;
    Kind kind = Kind::Label;
    QFont specified;        // the font the control was given, before any fitting
    bool ownFont = false;   // given to the control itself rather than taken from its parent
    QTextCharFormat header; // a calendar's own format of its day names
    bool fitted = false;    // shown smaller than specified
    Look judged;            // as last judged
};

std::optional<Kind> kindOf(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w))
        return Kind::Label;
    if (qobject_cast<const QLineEdit*>(w))
        return Kind::LineEdit;
    if (qobject_cast<const QComboBox*>(w))
        return Kind::ComboBox;
    if (qobject_cast<const QCalendarWidget*>(w))
        return Kind::Calendar;
    return std::nullopt;
}

bool whole(const Control& c, const QFont& font) {
    switch (c.kind) {
    case Kind::Label:
        return labelWhole(static_cast<const QLabel*>(c.widget.data()), font);
    case Kind::LineEdit:
        return lineEditWhole(static_cast<const QLineEdit*>(c.widget.data()), font);
    case Kind::ComboBox: {
        const auto* combo = static_cast<const QComboBox*>(c.widget.data());
        return combo->isEditable() || comboBoxWhole(combo, font); // an editable one has its own line edit
    }
    case Kind::Calendar:
        return calendarWhole(static_cast<const QCalendarWidget*>(c.widget.data()), font);
    }
    return true;
}

QFont shownFont(const Control& c) {
    return c.kind == Kind::Calendar ? calendarHeaderFont(static_cast<const QCalendarWidget*>(c.widget.data()))
                                    : c.widget->font();
}

Look lookOf(const Control& c) {
    Look look{c.widget->size(), {}, shownFont(c), {}};
    if (c.kind == Kind::Label)
        look.text = static_cast<const QLabel*>(c.widget.data())->text();
    if (c.kind == Kind::Calendar)
        if (const QTableView* view = calendarView(static_cast<const QCalendarWidget*>(c.widget.data())))
            for (int col = 0; col < view->model()->columnCount(); ++col)
                look.cells << view->visualRect(view->model()->index(0, col));
    return look;
}

// Whether the control's room comes from a layout, which gives it room by the size of its font.
bool laidOut(const QWidget* w) {
    return w->parentWidget() && w->parentWidget()->layout();
}

const QString kFitterName = QStringLiteral("qt_textfit");

// Watches a shown window's controls and judges each again after a change of its room, text or font, once the
// layouts have run.
class TextFitter : public QObject {
public:
    explicit TextFitter(QWidget* window)
        : QObject(window)
        , window_(window) {
        setObjectName(kFitterName);
        window->installEventFilter(this);
    }

    // The window is shown: its controls are judged again, the laid-out ones at their own size.
    void windowShown() {
        rescan_ = true;
        restoreLaidOut();
        refitSoon();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Resize:
            if (watched == window_)
                restoreLaidOut();
            refitSoon();
            break;
        case QEvent::Show:
            if (auto found = controls_.find(watched);
                found != controls_.end() && found->fitted && laidOut(found->widget))
                show(*found, found->specified);
            refitSoon();
            break;
        case QEvent::LayoutRequest: // a text changed, or a control was laid out
            refitSoon();
            break;
        case QEvent::ChildAdded:
            rescan_ = true;
            refitSoon();
            break;
        case QEvent::FontChange:
            if (!applying_)
                if (auto found = controls_.find(watched); found != controls_.end())
                    takeSpecified(*found);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void refitSoon() {
        if (pending_)
            return;
        pending_ = true;
        QMetaObject::invokeMethod(
            this, [this] { refit(); }, Qt::QueuedConnection);
    }

    void refit() {
        pending_ = false;
        if (rescan_)
            findControls();
        for (Control& c : controls_) {
            if (!c.widget || !c.widget->isVisible())
                continue;
            if (lookOf(c) == c.judged)
                continue;
            judge(c);
            c.judged = lookOf(c);
        }
    }

    void findControls() {
        rescan_ = false;
        controls_.removeIf([](QHash<QObject*, Control>::iterator c) { return c->widget.isNull(); });
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            const std::optional<Kind> kind = kindOf(w);
            if (!kind || w->window() != window_ || controls_.contains(w))
                continue;
            Control c;
            c.widget = w;
            c.kind = *kind;
            takeSpecified(c);
            controls_.insert(w, c);
            w->installEventFilter(this);
            if (QWidget* parent = w->parentWidget(); parent && parent != window_)
                parent->installEventFilter(this);
            if (c.kind == Kind::Calendar)
                if (const QTableView* view = calendarView(static_cast<QCalendarWidget*>(w)))
                    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this,
                            [this] { refitSoon(); });
        }
    }

    void takeSpecified(Control& c) {
        if (c.kind == Kind::Calendar) {
            c.header = static_cast<const QCalendarWidget*>(c.widget.data())->headerTextFormat();
        } else {
            c.ownFont = c.widget->testAttribute(Qt::WA_SetFont);
        }
        c.specified = shownFont(c);
        c.fitted = false;
        c.judged = {};
        refitSoon();
    }

    void judge(Control& c) {
        if (whole(c, c.specified)) {
            if (c.fitted)
                show(c, c.specified);
            return;
        }
        QFont font(c.specified, c.widget);
        for (int pixels = QFontInfo(font).pixelSize() - 1; pixels >= kSmallestPixels; --pixels) {
            font.setPixelSize(pixels);
            if (whole(c, font))
                break;
        }
        if (!c.fitted || shownFont(c) != font)
            show(c, font);
    }

    void show(Control& c, const QFont& font) {
        const bool own = font == c.specified;
        applying_ = true;
        if (c.kind == Kind::Calendar) {
            QTextCharFormat header = c.header;
            if (!own)
                header.setFont(font);
            static_cast<QCalendarWidget*>(c.widget.data())->setHeaderTextFormat(header);
        } else if (own) {
            c.widget->setFont(c.ownFont ? c.specified : QFont());
        } else {
            c.widget->setFont(font);
        }
        applying_ = false;
        c.fitted = !own;
    }

    void restoreLaidOut() {
        for (Control& c : controls_)
            if (c.fitted && c.widget && laidOut(c.widget))
                show(c, c.specified);
    }

    QWidget* window_;
    QHash<QObject*, Control> controls_;
    bool pending_ = false;
    bool rescan_ = true;
    bool applying_ = false;
};

} // namespace

const QString& tallestLetters() {
    static const QString letters = QStringLiteral("ÀÈÉÌÒÙMbdfhklgjpqy");
    return letters;
}

void fitTexts(QWidget* window) {
    auto* fitter =
        static_cast<TextFitter*>(window->findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly));
    if (!fitter)
        fitter = new TextFitter(window);
    fitter->windowShown();
}

} // namespace common

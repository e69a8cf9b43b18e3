#include "common/TextFit.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextCharFormat>

#include <functional>

namespace common {

namespace {

constexpr int kSmallestPixels = 6;
// A line edit keeps a pixel clear above and below its text, as its own size hint counts.
constexpr int kLineMargins = 2;

using Fits = std::function<bool(const QFont&)>;

// The largest font, font itself or smaller by whole pixels, for which fits holds.
QFont largestFitting(QFont font, const Fits& fits) {
    if (fits(font))
        return font;
    for (int pixels = QFontInfo(font).pixelSize() - 1; pixels >= kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font))
            break;
    }
    return font;
}

void fitFont(QWidget* control, const Fits& fits) {
    const QFont fitted = largestFitting(control->font(), fits);
    if (fitted != control->font())
        control->setFont(fitted);
}

// Reaches the style option that QLineEdit paints with.
struct LineEditOption : QLineEdit {
    using QLineEdit::initStyleOption;
};

// The height of the strip in which the edit draws and clips its text.
int lineRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    void (QLineEdit::*init)(QStyleOptionFrame*) const = &LineEditOption::initStyleOption;
    (edit->*init)(&option);
    return edit->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
        .marginsRemoved(edit->textMargins())
        .height();
}

void fitLineEdit(QLineEdit* edit) {
    const int room = lineRoom(edit);
    // The edit lays its line out as high as its text needs; the text may yet change, so the tallest
    // ordinary letters count as well.
    const QString text = QStringLiteral("Mgjpqy") + edit->text();
    fitFont(edit, [&](const QFont& font) {
        const QFontMetrics m(font);
        return std::max(m.height(), m.boundingRect(text).height()) + kLineMargins <= room;
    });
}

// A drop-down without an edit draws its text in its edit field.
void fitComboBox(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    const int room = combo->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                         .height();
    fitFont(combo, [&](const QFont& font) { return QFontMetrics(font).height() + kLineMargins <= room; });
}

bool isRichText(const QLabel* label) {
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

void fitLabel(QLabel* label) {
    if (label->text().isEmpty() || !label->pixmap().isNull() || isRichText(label))
        return;
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const bool indented = label->alignment() & (Qt::AlignLeft | Qt::AlignRight);
    const int flags = Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
    fitFont(label, [&](const QFont& font) {
        const QFontMetrics m(font);
        int indent = label->indent();
        if (indent < 0 && label->frameWidth() > 0)
            indent = m.horizontalAdvance(QLatin1Char('x')) / 2;
        const int width = room.width() - (indented ? std::max(indent, 0) : 0);
        const QRect bound(0, 0, label->wordWrap() ? width : QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QSize needed = m.boundingRect(bound, flags, label->text()).size();
        return needed.width() <= width && needed.height() <= room.height();
    });
}

// The day names over the columns, which the calendar would cut short with an ellipsis.
void fitCalendar(QCalendarWidget* calendar) {
    if (calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader)
        return;
    const auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (!view || !view->model())
        return;
    const QAbstractItemModel* model = view->model();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QVariant shown = model->index(0, model->columnCount() - 1).data(Qt::FontRole);
    const QFont font = shown.isValid() ? shown.value<QFont>() : view->font();
    const QFont fitted = largestFitting(font, [&](const QFont& candidate) {
        const QFontMetricsF m(candidate);
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex header = model->index(0, c);
            const QRect cell = view->visualRect(header);
            if (m.horizontalAdvance(header.data(Qt::DisplayRole).toString()) + 2 * margin > cell.width() ||
                m.height() > cell.height())
                return false;
        }
        return true;
    });
    if (fitted == font)
        return;
    QTextCharFormat header = calendar->headerTextFormat();
    header.setFont(fitted);
    calendar->setHeaderTextFormat(header);
}

} // namespace

void fitTexts(QWidget* window) {
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        fitLineEdit(edit);
    for (QComboBox* combo : window->findChildren<QComboBox*>())
        if (!combo->isEditable())
            fitComboBox(combo);
    for (QLabel* label : window->findChildren<QLabel*>())
        if (!label->isHidden())
            fitLabel(label);
    for (QCalendarWidget* calendar : window->findChildren<QCalendarWidget*>())
        fitCalendar(calendar);
}

} // namespace common

#include "ScreenFit.h"

#include "TestFolder.h"
#include "common/Clock.h"
#include "platform/Application.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

namespace testsupport {

namespace {

// Whether w is drawn inside a scrolled viewport, where scrolling reaches it.
bool scrolled(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
            area && area->viewport() == p)
            return true;
    return false;
}

QString named(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
            return p == w ? p->objectName()
                          : QStringLiteral("%1 in %2")
                                .arg(QLatin1String(w->metaObject()->className()), p->objectName());
    return QLatin1String(w->metaObject()->className());
}

QString clipped(const QWidget* w, const QString& text, QSize needed, QSize room) {
    return QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
        .arg(named(w), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The text a button or label shows, without the & of a mnemonic.
QString shownText(QString text) {
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Reaches QLineEdit's own style option, which the edit paints with.
struct LineEditOption : QLineEdit {
    using QLineEdit::initStyleOption;
};

// A line's room, as QLineEdit::paintEvent clips it; the line needs the font's full height and the edit's
// own margin of a pixel above and below, as its size hint counts them.
void checkLineEdit(const QLineEdit* edit, QStringList& cut) {
    QStyleOptionFrame option;
    void (QLineEdit::*init)(QStyleOptionFrame*) const = &LineEditOption::initStyleOption;
    (edit->*init)(&option);
    const QRect room = edit->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                           .marginsRemoved(edit->textMargins());
    const QFontMetrics metrics = edit->fontMetrics();
    const int needed = std::max(metrics.height(), metrics.boundingRect(edit->text()).height()) + 2;
    if (needed > room.height())
        cut << clipped(edit, edit->text(), {0, needed}, room.size());
}

void checkComboBox(const QComboBox* combo, QStringList& cut) {
    if (combo->isEditable())
        return; // its line edit is checked as one
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    const QRect room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const int needed = combo->fontMetrics().height() + 2;
    if (needed > room.height())
        cut << clipped(combo, combo->currentText(), {0, needed}, room.size());
}

void checkLabel(const QLabel* label, QStringList& cut) {
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return;
    QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QFontMetrics metrics = label->fontMetrics();
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = metrics.horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0 && (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        room.setWidth(room.width() - indent);
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    QSize needed;
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = document.size().toSize();
    } else {
        const int flags = Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect bound(0, 0, label->wordWrap() ? room.width() : QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        needed = metrics.boundingRect(bound, flags, label->text()).size();
    }
    if (needed.width() > room.width() || needed.height() > room.height())
        cut << clipped(label, label->text(), needed, room.size());
}

void checkButton(const QAbstractButton* button, QStringList& cut) {
    const QString text = shownText(button->text());
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = button->fontMetrics();
    const QSize needed(metrics.horizontalAdvance(text), metrics.height());
    QRect room = button->rect();
    if (auto* check = qobject_cast<const QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        room = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    } else if (auto* radio = qobject_cast<const QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    } else if (auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        if (tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
            room.setHeight(room.height() - tool->iconSize().height());
        else if (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
            room.setWidth(room.width() - tool->iconSize().width());
    } else if (qobject_cast<const QPushButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (!button->icon().isNull())
            room.setWidth(room.width() - button->iconSize().width() - 4);
    }
    if (needed.width() > room.width() || needed.height() > room.height())
        cut << clipped(button, text, needed, room.size());
}

void checkGroupBox(const QGroupBox* box, QStringList& cut) {
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::Alignment(box->alignment());
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (!box->rect().contains(title))
        cut << clipped(box, box->title(), title.size(), box->size());
}

// The day names over a calendar's columns, which the calendar cuts short with an ellipsis.
void checkCalendar(const QCalendarWidget* calendar, QStringList& cut) {
    if (calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader)
        return;
    const auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (!view || !view->model())
        return;
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        const QModelIndex header = view->model()->index(0, c);
        const QString name = header.data(Qt::DisplayRole).toString();
        const QVariant font = header.data(Qt::FontRole);
        const QFontMetricsF metrics(font.isValid() ? font.value<QFont>() : view->font());
        // The cell less the grid line, as the view paints it.
        const QSize room = view->visualRect(header).size();
        const QSizeF needed(metrics.horizontalAdvance(name) + 2 * margin, metrics.height());
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << clipped(calendar, name, needed.toSize(), room);
    }
}

} // namespace

QString frameOutsideScreen(const QWidget* window) {
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (area.contains(frame))
        return {};
    return QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(area.width())
        .arg(area.height());
}

QStringList cutControls(const QWidget* window) {
    QStringList cut;
    for (const QScrollArea* area : window->findChildren<QScrollArea*>()) {
        const QWidget* panel = area->widget();
        if (area->isVisible() && panel &&
            (panel->width() > area->viewport()->width() + area->horizontalScrollBar()->maximum() ||
             panel->height() > area->viewport()->height() + area->verticalScrollBar()->maximum()))
            cut << panel->objectName();
    }
    const QRect shown = window->rect();
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            scrolled(w, window))
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!shown.contains(r))
            cut << w->objectName();
    }
    return cut;
}

QStringList clippedTexts(const QWidget* window) {
    QStringList cut;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            checkLineEdit(edit, cut);
        else if (auto* combo = qobject_cast<const QComboBox*>(w))
            checkComboBox(combo, cut);
        else if (auto* label = qobject_cast<const QLabel*>(w))
            checkLabel(label, cut);
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            checkButton(button, cut);
        else if (auto* box = qobject_cast<const QGroupBox*>(w))
            checkGroupBox(box, cut);
        else if (auto* calendar = qobject_cast<const QCalendarWidget*>(w))
            checkCalendar(calendar, cut);
    }
    return cut;
}

void lookAtWindow(QWidget* window, const QString& name) {
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
        window->grab().toImage().save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/" + name + ".png");
}

void checkFitsScreen(QWidget* window, const std::function<void(QWidget*)>& shown) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (shown)
        shown(window);
    QCoreApplication::processEvents();
    lookAtWindow(window, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(frameOutsideScreen(window), QString());
    QCOMPARE(cutControls(window), QStringList());
    const QStringList clippedText = clippedTexts(window);
    QVERIFY2(clippedText.isEmpty(), qPrintable(clippedText.join(QLatin1String("; "))));
}

ScreenFitTest::ScreenFitTest(QList<ScreenRow> rows, std::function<void()> prepare)
    : rows_(std::move(rows))
    , prepare_(std::move(prepare)) {}

void ScreenFitTest::init() {
    common::setTodayForTests(QDate(2024, 6, 15));
}

void ScreenFitTest::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
}

void ScreenFitTest::windowFitsTheScreen_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < rows_.size(); ++i)
        QTest::newRow(rows_.at(i).name) << i;
}

void ScreenFitTest::windowFitsTheScreen() {
    QFETCH(int, row);
    TestFolder folder;
    if (prepare_)
        prepare_();
    checkFitsScreen(rows_.at(row).make(), rows_.at(row).shown);
}

int runScreenFit(int argc, char** argv, QList<ScreenRow> rows, std::function<void()> prepare) {
    // The program's application object, style and language: Italian day names, say, are wider.
    platform::Application application(argc, argv);
    platform::useItalian();
    ScreenFitTest test(std::move(rows), std::move(prepare));
    return QTest::qExec(&test, argc, argv);
}

} // namespace testsupport

#include "ScreenFit.h"

#include "TestFolder.h"
#include "common/Clock.h"
#include "common/TextFit.h"
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
#include <QToolButton>
#include <QtTest>

#include <memory>

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

// A control like control, at font, with its text or with none, for textCutAt to draw. It is made hidden
// beside the control, so a style sheet of the window reaches it as it reaches the control.
std::unique_ptr<QWidget> twinOf(const QWidget* control, const QFont& font, bool withText) {
    std::unique_ptr<QWidget> twin;
    QWidget* parent = control->parentWidget();
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        auto* l = new QLabel(parent);
        twin.reset(l);
        l->setFrameShape(label->frameShape());
        l->setFrameShadow(label->frameShadow());
        l->setLineWidth(label->lineWidth());
        l->setMidLineWidth(label->midLineWidth());
        l->setContentsMargins(label->contentsMargins());
        l->setTextFormat(label->textFormat());
        l->setAlignment(label->alignment());
        l->setWordWrap(label->wordWrap());
        l->setMargin(label->margin());
        l->setIndent(label->indent());
        l->setTextInteractionFlags(label->textInteractionFlags());
        if (label->buddy())
            l->setBuddy(l);
        l->setText(withText ? label->text() : QString());
    } else if (auto* edit = qobject_cast<const QLineEdit*>(control)) {
        auto* e = new QLineEdit(parent);
        twin.reset(e);
        e->setFrame(edit->hasFrame());
        e->setAlignment(edit->alignment());
        e->setTextMargins(edit->textMargins());
        e->setEchoMode(edit->echoMode());
        e->setText(withText ? edit->text() + common::tallestLetters() : QString());
    } else if (auto* combo = qobject_cast<const QComboBox*>(control)) {
        auto* c = new QComboBox(parent);
        twin.reset(c);
        c->setFrame(combo->hasFrame());
        c->addItem(withText ? combo->currentText() + common::tallestLetters() : QString());
    } else {
        return twin;
    }
    for (const QByteArray& name : control->dynamicPropertyNames())
        twin->setProperty(name.constData(), control->property(name.constData()));
    twin->setPalette(control->palette());
    twin->setAutoFillBackground(control->autoFillBackground());
    twin->setFont(font);
    return twin;
}

// How much the text changes the twin's picture at size: the sum of the colour changes it makes.
qint64 textInk(const QWidget* control, const QFont& font, QSize size) {
    QImage drawn[2];
    for (const bool withText : {false, true}) {
        const std::unique_ptr<QWidget> twin = twinOf(control, font, withText);
        twin->resize(size);
        QImage& image = drawn[withText];
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        twin->render(&image);
    }
    qint64 ink = 0;
    for (int y = 0; y < size.height(); ++y) {
        const auto* with = reinterpret_cast<const QRgb*>(drawn[1].constScanLine(y));
        const auto* without = reinterpret_cast<const QRgb*>(drawn[0].constScanLine(y));
        for (int x = 0; x < size.width(); ++x)
            ink +=
                std::abs(qRed(with[x]) - qRed(without[x])) + std::abs(qGreen(with[x]) - qGreen(without[x])) +
                std::abs(qBlue(with[x]) - qBlue(without[x])) + std::abs(qAlpha(with[x]) - qAlpha(without[x]));
    }
    return ink;
}

} // namespace

bool textCutAt(const QWidget* control, const QFont& font) {
    const std::unique_ptr<QWidget> twin = twinOf(control, font, true);
    if (!twin)
        return false;
    // Room enough around the text for all of it, grown evenly, so the text is drawn in the same place
    // within the control's room, to the pixel.
    const QSize room = control->size();
    const QSize needed = twin->sizeHint().expandedTo(QSize(0, twin->heightForWidth(room.width())));
    const int pad = 2 * QFontMetrics(font).height();
    const bool sideways =
        qobject_cast<const QLabel*>(control) && !static_cast<const QLabel*>(control)->wordWrap();
    const QSize larger = room + QSize(sideways ? 2 * (needed.width() + pad) : 0, 2 * (needed.height() + pad));
    return textInk(control, font, room) < textInk(control, font, larger);
}

namespace {

void checkText(const QWidget* control, QStringList& cut) {
    if (auto* combo = qobject_cast<const QComboBox*>(control); combo && combo->isEditable())
        return; // its line edit is checked as one
    if (textCutAt(control, control->font())) {
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(control))
            text = label->text();
        else if (auto* edit = qobject_cast<const QLineEdit*>(control))
            text = edit->text();
        else if (auto* combo = qobject_cast<const QComboBox*>(control))
            text = combo->currentText();
        cut << QStringLiteral("%1 \"%2\" loses glyphs at %3 px in %4x%5")
                   .arg(named(control), text)
                   .arg(QFontInfo(control->font()).pixelSize())
                   .arg(control->width())
                   .arg(control->height());
    }
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
        if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QLabel*>(w))
            checkText(w, cut);
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

#include "common/CardFields.h"

#include "common/Look.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace common {

namespace {
const char* const kColourProperty = "fieldBackground";
const char* const kFieldProperty = "cardField=\"true\"";
} // namespace

DateKey dateFieldKey(int key, bool enterMovesOn) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return DateKey::Pass;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return DateKey::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return enterMovesOn ? DateKey::Next : DateKey::Picker;
    default:
        return DateKey::Picker;
    }
}

CardFields::CardFields(QWidget* window)
    : QObject(window)
    , window_(window) {
    // The sheet is set once, when the window is polished (before its first show): setting it re-polishes
    // every control, so doing it per colour or rule while the window is built is slow.
    window->installEventFilter(this);
}

void CardFields::updateStyle() {
    // One sheet for the whole window (a sheet per field is slow to create); the focus rule comes last so
    // that it wins over the fields' own colours.
    // Every rule names the card's own fields by their colour property, so the windows the card owns (file
    // dialog, search, attachments, date picker) keep their own look.
    QString rules = windowRules_;
    if (!colours_.isEmpty()) {
        const QString field = QStringLiteral("QLineEdit[%1]").arg(QLatin1String(kFieldProperty));
        rules +=
            QStringLiteral("%1 { border: 1px solid %2; padding: 1px 2px; }\n").arg(field, kFieldFrame.name());
        for (const QColor& colour : colours_)
            rules += QStringLiteral("QLineEdit[%1=\"%2\"] { background-color: %2; }\n")
                         .arg(QLatin1String(kColourProperty), colour.name());
        rules += QStringLiteral("%1:focus { background-color: %2; }\n").arg(field, kFieldFocus.name());
    }
    if (rules == applied_)
        return;
    // Whatever else the window's sheet holds stays before these rules.
    QString sheet = window_->styleSheet();
    if (!applied_.isEmpty() && sheet.endsWith(applied_))
        sheet.chop(applied_.size());
    applied_ = rules;
    window_->setStyleSheet(sheet + rules);
}

void CardFields::addStyle(const QString& rules) {
    windowRules_ += rules;
    if (window_->testAttribute(Qt::WA_WState_Polished))
        updateStyle();
}

void CardFields::add(QLineEdit* field, const QColor& background) {
    order_.append(field);
    backgrounds_.insert(field, background);
    field->setProperty(kColourProperty, background.name());
    field->setProperty("cardField", true);
    if (!colours_.contains(background)) {
        colours_.append(background);
        if (window_->testAttribute(Qt::WA_WState_Polished))
            updateStyle();
    }
    field->installEventFilter(this);
}

void CardFields::addDate(QLineEdit* field, const QColor& background, const QString& tag) {
    add(field, background);
    setDate(field, tag);
}

void CardFields::setDate(QLineEdit* field, const QString& tag) {
    field->setReadOnly(true);
    dateTags_.insert(field, tag);
}

void CardFields::addRun(const QList<QWidget*>& fields, std::optional<QColor> background,
                        QObject* cardFilter) {
    for (QWidget* field : fields) {
        const QString name = QStringLiteral("eff") + field->objectName().mid(3);
        auto* highlight = window_->findChild<QWidget*>(name);
        if (!highlight)
            qFatal("highlight %s missing in %s", qPrintable(name), qPrintable(window_->objectName()));
        markFocusRectangle(highlight);
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (background && edit) {
            add(edit, *background);
        } else {
            order_.append(field);
            field->installEventFilter(this);
        }
        highlights_.insert(field, highlight);
        if (cardFilter)
            field->installEventFilter(cardFilter);
    }
}

void CardFields::addHighlighted(QWidget* field, QWidget* highlight) {
    order_.append(field);
    highlights_.insert(field, highlight);
    highlight->hide();
    field->installEventFilter(this);
}

void CardFields::setOnEnter(QLineEdit* field, std::function<void()> handler) {
    onEnter_.insert(field, std::move(handler));
}

QWidget* CardFields::next(QWidget* field) const {
    const qsizetype i = order_.indexOf(field);
    if (i < 0 || order_.isEmpty())
        return nullptr;
    return order_.at((i + 1) % order_.size());
}

bool CardFields::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Polish)
            updateStyle();
        return QObject::eventFilter(watched, event);
    }
    auto* field = qobject_cast<QWidget*>(watched); // null while the field is being destroyed
    if (!field || !order_.contains(field))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (QWidget* highlight = highlights_.value(field))
            highlight->setVisible(event->type() == QEvent::FocusIn);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit && dateTags_.contains(edit)) {
            switch (dateFieldKey(key, dateEnterMovesOn)) {
            case DateKey::Pass:
                return false;
            case DateKey::Clear:
                edit->clear();
                return true;
            case DateKey::Next:
                break; // moves on below
            case DateKey::Picker:
                if (openPicker)
                    openPicker(dateTags_.value(edit));
                return true;
            }
        }
        if (enter) {
            if (const auto it = onEnter_.constFind(qobject_cast<QLineEdit*>(field));
                it != onEnter_.constEnd())
                (*it)();
            else if (QWidget* to = next(field))
                to->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace common

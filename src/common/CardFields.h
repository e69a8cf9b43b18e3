// The fields of a data-entry card: background colour, yellow while focused, a fixed Enter order, and the
// keys of the date fields that take no typing.
#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace common {

inline const QColor kAliceBlue{0xF0, 0xF8, 0xFF};
inline const QColor kFieldFocus{0xFF, 0xFF, 0x00};
inline const QColor kFieldFrame{0x87, 0xCE, 0xEB}; // SkyBlue
inline const QColor kPaleBlueBox{0xE0, 0xE9, 0xF1};

// What a key does in a date field.
enum class DateKey {
    Pass,   // handled as usual: Tab and Shift+Tab move on; a modifier alone does nothing
    Clear,  // Backspace, Delete: the field is emptied
    Next,   // Enter, where it moves on
    Picker, // any other key opens the date picker
};
DateKey dateFieldKey(int key, bool enterMovesOn);

class CardFields : public QObject {
    Q_OBJECT
public:
    // One style sheet on window draws the fields' frames and fills, the focused one yellow.
    explicit CardFields(QWidget* window);

    // Adds a field with its own background colour; the Enter order is the order of adding, the last
    // field leading back to the first.
    void add(QLineEdit* field, const QColor& background);
    // A date field: read-only; openPicker runs with the field's tag for the keys that open the picker.
    void addDate(QLineEdit* field, const QColor& background, const QString& tag);
    // A field of any kind marked by a highlight shown while it has the focus, in place of the focus
    // colour; it joins the Enter order like the others.
    void addHighlighted(QWidget* field, QWidget* highlight);
    // A card's fields in Enter order, each marked by the frame named after it ("effX" for the field "txtX"),
    // yellow and shown while the field has the focus. With a background the line edits of the run also take
    // it, the focus colour while focused. The card's own filter, when given, is installed on each field after
    // the run's, so it sees the keys first.
    void addRun(const QList<QWidget*>& fields, std::optional<QColor> background = std::nullopt,
                QObject* cardFilter = nullptr);
    // Makes a field already added a date field: read-only; openPicker runs with the tag.
    void setDate(QLineEdit* field, const QString& tag);
    // Style rules of the window's own, set in the same one sheet as the fields' when the window is
    // polished.
    void addStyle(const QString& rules);
    // A field where Enter does something else: the handler runs instead of moving on.
    void setOnEnter(QLineEdit* field, std::function<void()> handler);

    std::function<void(const QString& tag)> openPicker;
    bool dateEnterMovesOn = true;

    QColor background(QLineEdit* field) const { return backgrounds_.value(field); }
    // The field that Enter in field moves to.
    QWidget* next(QWidget* field) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateStyle();
    QWidget* window_;
    QString windowRules_; // the window's own, from addStyle
    QString applied_;     // the rules last added to the window's sheet
    QList<QColor> colours_;
    QList<QWidget*> order_;
    QHash<QWidget*, QWidget*> highlights_;
    QHash<QLineEdit*, QColor> backgrounds_;
    QHash<QLineEdit*, QString> dateTags_;
    QHash<QLineEdit*, std::function<void()>> onEnter_;
};

} // namespace common

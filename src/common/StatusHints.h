// The one-line status hint of a window: the mouse over a command writes its text, over the background clears
// it.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace common {

class StatusHints : public QObject {
    Q_OBJECT
public:
    explicit StatusHints(QLabel* panInfo, QObject* parent = nullptr);

    // The mouse over widget shows text.
    void add(QWidget* widget, const QString& text);
    // The mouse over widget clears the hint; so does the mouse over any of its children not added here.
    void addBackground(QWidget* widget);
    // The mouse over widget leaves the hint as it was (fields have no hint of their own).
    void addQuiet(QWidget* widget);
    // Every widget of root's tree not added yet becomes background: a widget that ignores moves would
    // otherwise keep them from the background behind it.
    void addBackgroundTree(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget, const QString& text);
    QPointer<QLabel> panInfo_;
    QHash<QObject*, QString> texts_; // a null text: quiet
};

} // namespace common

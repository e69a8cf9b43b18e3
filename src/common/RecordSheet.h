// Record sheets: a report layout whose value memos take the texts of the like-named controls of a card.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {
class Report;
}

namespace common {

// The text a control of window shows: edits, drop-down edits, labels, memos. Throws Failure when the window
// has no such control.
QString controlText(const QWidget* window, const QString& name);

// A memo of a sheet with the text composed for it.
struct SheetText {
    QString memo;
    QString text;
};

// Fills a record sheet with composed texts and prepares it afresh: the first page portrait, each memo its
// text as given. Throws Failure when a memo is missing.
void fillComposedSheet(platform::Report& report, const QList<SheetText>& texts);

// Fills a record sheet from the card on show, saved or not, and prepares it afresh: the first page portrait,
// the picture view pictureName (none when empty) given picture, each memo of memoNames the trimmed text of
// the card's control of the same name. Throws Failure when an object or a control is missing.
void fillRecordSheet(platform::Report& report, const QWidget* card, const QStringList& memoNames,
                     const QString& pictureName = {}, const QImage& picture = {});

} // namespace common

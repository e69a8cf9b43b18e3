// The help texts of the program, kept once for the help windows and the manual: one file per help
// command, docs/help/NN-key.txt (NN orders the manual), compiled into the program.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace common {

struct HelpText {
    QString key;     // the name the help command asks for
    QString chapter; // the manual's chapter (one per app)
    QString title;
    QStringList paragraphs;
};

// Every help text, in the manual's order.
QList<HelpText> allHelpTexts();
// The help text with that key; an empty one when there is none.
HelpText helpText(const QString& key);
// Reads one help text file: "Capitolo:" and "Titolo:" lines, an empty line, then paragraphs separated
// by empty lines (the lines of a paragraph are joined with a blank).
HelpText parseHelpText(const QString& key, const QString& source);

// The help text as the help window shows it: paragraphs joined by CR LF CR LF, no trailing break.
QString joinHelpParagraphs(const QStringList& paragraphs);

// The help command: a help window owned by owner, with the title and the paragraphs, shown modally and
// destroyed when closed.
void showHelp(QWidget* owner, const QString& title, const QStringList& paragraphs);
void showHelp(QWidget* owner, const HelpText& text);
void showHelp(QWidget* owner, const QString& key);

} // namespace common

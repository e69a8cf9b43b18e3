// A window's commands, declared once as a table {control, picture, hint, handler}; the buttons' pictures,
// their status hints and their connections are all made from it.
//
// Usage, in the window's constructor after ui->setupUi(this):
//     static const common::CommandTable<TfrmX> kCommands{
//         {"cmdNuovo", common::commandPicture(common::Command::New, 26), "Prepara la schermata...",
//          &TfrmX::cmdNuovoClick},
//         {"cmdEsci", common::commandPicture(common::Command::Exit, 26), "Esci da questa schermata.",
//          &TfrmX::cmdEsciClick},
//     };
//     common::installCommands(this, kCommands, hints_); // hints_: the window's StatusHints, or nullptr
// A control is found by its objectName. A button runs its handler on clicked(); any other widget (a picture
// label) on a left click released over it. Pictures are drawn when the window is first shown, so creating the
// window stays cheap; a row with no picture or no hint ("" or nullptr) leaves that part alone.
#pragma once

#include "common/CommandPictures.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

namespace common {

class StatusHints;

// Dresses a control with its picture; it gets the control itself, so it may draw to its size.
using CommandPicture = std::function<void(QWidget* control)>;

// A tool button's command picture, at side x side pixels.
CommandPicture commandPicture(Command command, int side);

// Dresses control with picture when its window is first shown (at once when it shows already), so that a
// window's creation draws nothing.
void drawOnFirstShow(QWidget* control, CommandPicture picture);

template <class W> struct CommandRow {
    const char* control; // objectName
    CommandPicture picture;
    const char* hint; // UTF-8; nullptr or "" for none
    // A member of W or of one of its bases (the card handlers of CardForm).
    std::function<void(W*)> handler;
};

template <class W> using CommandTable = std::vector<CommandRow<W>>;

namespace detail {
struct CommandSpec {
    const char* control;
    CommandPicture picture;
    const char* hint;
    std::function<void()> run;
};
void installCommands(QWidget* window, const std::vector<CommandSpec>& specs, StatusHints* hints);
} // namespace detail

template <class W>
void installCommands(W* window, const CommandTable<W>& table, StatusHints* hints = nullptr) {
    std::vector<detail::CommandSpec> specs;
    specs.reserve(table.size());
    for (const CommandRow<W>& row : table)
        specs.push_back({row.control, row.picture, row.hint, [window, h = row.handler] { h(window); }});
    detail::installCommands(window, specs, hints);
}

} // namespace common

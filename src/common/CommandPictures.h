// The pictures of the card windows' commands, drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace common {

enum class Command {
    New,
    Duplicate,
    Save,
    Find,
    Attach,
    Preview,
    Print,
    First,
    Previous,
    Next,
    Last,
    Export,
    SlideShow,
    Import,
    Pending, // payments to settle
    Help,
    Exit,
    Today,     // writes today's date
    CheckCode, // checks a fiscal code or VAT number
    Overdue,   // list of work overdue
    ToDo,      // list of work to do
    Done,      // list of work done
};

QIcon commandIcon(Command command, int side = 32);
// A hand pointing to the left, drawn as the command pictures are.
QPixmap pointingHand(int side);

} // namespace common

// A record card printed directly on the printer: a title and a column of labelled values in a fixed-pitch
// font at 1200 dots per inch, one print document per copy.
#pragma once

#include <QString>

#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;
class QWidget;

namespace platform {
class PrintJob;
}

namespace common {

struct CardPrintRow {
    QString label;
    QString value;
};

struct CardPrintContent {
    QString title;
    std::vector<CardPrintRow> rows;
};

inline constexpr int kCardPrintDpi = 1200;

// The copies that a prompt answer asks for: 1 when it is blank, holds anything but digits (a blank
// around the digits included) or is too large for an int.
int copiesFromAnswer(const QString& answer);

// The question (Yes/No), the copies prompt and the print dialog preset with those copies. The copies the
// user left in the dialog, the job's printer set up as chosen; nothing when the user stopped at any step.
std::optional<int> askPrintCopies(QWidget* parent, const QString& question, platform::PrintJob& job);

// One copy of the card on a painter already begun on a device of kCardPrintDpi, with its footer text.
void drawCard(QPainter& painter, const CardPrintContent& card, const QString& footer);

// copies documents on device, each begun and ended on its own, each with the time it was printed.
void printCardDocuments(QPaintDevice& device, int copies, const CardPrintContent& card);

// A card's print command: asks, then prints the copies chosen; the printer's own copy count stays 1. A
// failure shows the program's error box.
void printCard(QWidget* parent, const QString& question, const CardPrintContent& card);

} // namespace common

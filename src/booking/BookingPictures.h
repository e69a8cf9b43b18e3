// The booking dialogs' pictures, drawn in code.
#pragma once

#include <QPixmap>
#include <QStringList>

namespace booking {

// Dark text on white, one line per entry.
QPixmap instructionsPicture(const QStringList& lines, const QSize& size);
// A calendar sheet with a red top and an empty grid; one day circled in red when booked.
QPixmap calendarSheetPicture(bool booked, const QSize& size);
// A blue pill-shaped plate reading DISPONIBILE in green, or PRENOTATO in red.
QPixmap statusPlatePicture(bool booked, const QSize& size);
// The copy command: two overlapping sheets; the clear command: an eraser.
QPixmap copyIconPicture(const QSize& size);
QPixmap eraserIconPicture(const QSize& size);

} // namespace booking

// The planner's pictures, drawn in code: the day cells, the month titles, the toolbar and the header.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace planner {

// The picture of a day cell: the day number in dark blue on a light violet tile (free) or in white on a
// red tile (booked). Drawn once per day, state and size, then shared.
QPixmap dayPicture(int day, bool booked, const QSize& size);
// A month's title: its Italian name in capitals, a blank and a colon, white on blue.
QPixmap monthTitlePicture(int month, const QSize& size);
// A pill shading from top to bottom inside a thin border, with its caption centred in bold letters.
QPixmap pillPicture(const QString& caption, const QColor& top, const QColor& bottom, const QColor& border,
                    const QColor& text, const QSize& size);
// A toolbar command: a pill shading from orange to red with its caption in white bold letters.
QPixmap commandBarPicture(const QString& caption, const QSize& size);
// The planner's title, "PLANNER".
QPixmap plannerTitlePicture(const QSize& size);
// The year's picture, "ANNO :" on its left part; the year is written over its right part.
QPixmap yearPicture(const QSize& size);

// The entry window's pictures: its title, the information and key pictures of the title band, the help
// and exit commands, and the small hand shown once a vehicle is chosen.
QPixmap entryTitlePicture(const QSize& size);
QPixmap infoPicture(const QSize& size);
QPixmap keyPicture(const QSize& size);
QPixmap entryCommandPicture(const QString& caption, bool exit, const QSize& size);
QPixmap handPicture(const QSize& size);

} // namespace planner

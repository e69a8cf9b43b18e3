// The program's pictures, drawn in code: the logo, the tiles of the start menu and the small icons.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace common {

enum class Icon { Info, Help, Credits, Exit, Pdf, Mail, Web };

// The program's logo: a vehicle and the name "Veicolario".
QPixmap logoPicture(const QSize& size);
// A square icon.
QPixmap iconPicture(Icon icon, int side);
// A start-menu tile: a coloured panel with a vehicle and the app's name.
QPixmap tilePicture(const QSize& size, const QColor& colour, const QString& caption);
// The button-like strip under a tile.
QPixmap buttonPicture(const QSize& size, const QColor& colour, const QString& caption);
// An invoice: a sheet with its lines, its total and the euro sign.
QPixmap invoicePicture(const QSize& size);
// The banner with the maker's web address.
QPixmap bannerPicture(const QSize& size, const QString& text);

} // namespace common

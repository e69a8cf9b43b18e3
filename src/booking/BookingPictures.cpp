#include "booking/BookingPictures.h"

#include "planner/PlannerPictures.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace booking {

namespace {

QPixmap blank(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QFont verdana(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setBold(bold);
    font.setPixelSize(std::max(6, pixelSize));
    return font;
}

} // namespace

QPixmap instructionsPicture(const QStringList& lines, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    // The largest letters up to 11 pixels with which every line fits the picture's width.
    const int room = size.width() - 4;
    int pixels = 11;
    for (; pixels > 6; --pixels) {
        const QFontMetrics metrics(verdana(pixels, false));
        if (std::all_of(lines.begin(), lines.end(),
                        [&](const QString& line) { return metrics.horizontalAdvance(line) <= room; }))
            break;
    }
    p.setFont(verdana(pixels, false));
    p.setPen(QColor(0x20, 0x20, 0x20));
    const int step = size.height() / std::max<int>(1, int(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRect(2, i * step, size.width() - 4, step), Qt::AlignVCenter | Qt::AlignLeft, lines.at(i));
    return pixmap;
}

QPixmap calendarSheetPicture(bool booked, const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet = QRectF(0, 0, size.width(), size.height()).adjusted(3, 5, -3, -3);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 4, 4);
    const QRectF top(sheet.left(), sheet.top(), sheet.width(), sheet.height() * 0.22);
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    p.drawRoundedRect(top, 4, 4);
    // The rings that hold the sheet.
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
    for (const qreal x : {0.3, 0.7})
        p.drawLine(QPointF(sheet.left() + sheet.width() * x, sheet.top() - 4),
                   QPointF(sheet.left() + sheet.width() * x, sheet.top() + 5));
    // A grid of 4 rows of 5 days.
    const QRectF grid = QRectF(sheet.left(), top.bottom(), sheet.width(), sheet.bottom() - top.bottom())
                            .adjusted(6, 5, -6, -5);
    const qreal cw = grid.width() / 5, ch = grid.height() / 4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0xC4, 0xDE));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            p.drawRect(QRectF(grid.left() + c * cw + 1.5, grid.top() + r * ch + 1.5, cw - 3, ch - 3));
    if (booked) {
        p.setPen(QPen(QColor(0xE0, 0x10, 0x10), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(grid.left() + 2 * cw - 3, grid.top() + 1 * ch - 3, cw + 6, ch + 6));
    }
    return pixmap;
}

QPixmap statusPlatePicture(bool booked, const QSize& size) {
    return planner::pillPicture(booked ? QStringLiteral("PRENOTATO") : QStringLiteral("DISPONIBILE"),
                                QColor(0x30, 0x60, 0xC0), QColor(0x10, 0x30, 0x80), QColor(0x10, 0x20, 0x60),
                                booked ? QColor(0xFF, 0x40, 0x40) : QColor(0x40, 0xE0, 0x60), size);
}

QPixmap copyIconPicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(QColor(0x30, 0x30, 0x60), 1.2));
    p.setBrush(QColor(0xE8, 0xEE, 0xFF));
    p.drawRect(QRectF(w * 0.08, h * 0.08, w * 0.55, h * 0.62));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.37, h * 0.3, w * 0.55, h * 0.62));
    return pixmap;
}

QPixmap eraserIconPicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.translate(w / 2, h / 2);
    p.rotate(-35);
    p.setPen(QPen(QColor(0x60, 0x20, 0x20), 1));
    p.setBrush(QColor(0xF0, 0x80, 0x90));
    p.drawRoundedRect(QRectF(-w * 0.45, -h * 0.2, w * 0.5, h * 0.4), 2, 2);
    p.setBrush(QColor(0x40, 0x70, 0xD0));
    p.drawRoundedRect(QRectF(0.05 * w, -h * 0.2, w * 0.4, h * 0.4), 2, 2);
    return pixmap;
}

} // namespace booking

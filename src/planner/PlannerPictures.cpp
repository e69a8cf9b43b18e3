#include "planner/PlannerPictures.h"

#include "common/CommandPictures.h"
#include "planner/DayCalendar.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>

namespace planner {

namespace {

const QColor kDarkBlue(0x19, 0x19, 0x70);
const QColor kViolet(0xE6, 0xDC, 0xF8);
const QColor kRed(0xD0, 0x20, 0x20);
const QColor kTitleBlue(0x42, 0x7A, 0xA8);

QPixmap blank(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QFont boldFont(int pixelSize, const QString& family = QStringLiteral("Verdana")) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(std::max(6, pixelSize));
    return font;
}

// A rounded tile filling the picture, with a thin darker border.
void tile(QPainter& p, const QRectF& r, const QColor& fill, qreal radius) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace

QPixmap dayPicture(int day, bool booked, const QSize& size) {
    static QHash<quint64, QPixmap> cache;
    const quint64 key = (quint64(size.width()) << 40) | (quint64(size.height()) << 20) | (day << 1) | booked;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const QRectF all(0, 0, size.width(), size.height());
    tile(p, all, booked ? kRed : kViolet, 4);
    p.setFont(boldFont(size.height() * 2 / 5));
    p.setPen(booked ? QColor(Qt::white) : kDarkBlue);
    p.drawText(all, Qt::AlignCenter, QString::number(day));
    p.end();
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap monthTitlePicture(int month, const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const QRectF all(0, 0, size.width(), size.height());
    tile(p, all, kTitleBlue.darker(115), 4);
    p.setFont(boldFont(size.height() * 2 / 5));
    p.setPen(Qt::white);
    p.drawText(all.adjusted(8, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
               monthName(month).toUpper() + QStringLiteral(" :"));
    return pixmap;
}

QPixmap pillPicture(const QString& caption, const QColor& top, const QColor& bottom, const QColor& border,
                    const QColor& text, const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    QLinearGradient gradient(all.topLeft(), all.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(gradient);
    p.drawRoundedRect(all, all.height() / 2, all.height() / 2);
    p.setFont(boldFont(size.height() * 2 / 5));
    p.setPen(text);
    p.drawText(all, Qt::AlignCenter, caption);
    return pixmap;
}

QPixmap commandBarPicture(const QString& caption, const QSize& size) {
    return pillPicture(caption, QColor(0xFF, 0xA5, 0x00), QColor(0xD0, 0x20, 0x10), QColor(0xA0, 0x20, 0x10),
                       Qt::white, size);
}

QPixmap plannerTitlePicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const QRectF all(0, 0, size.width(), size.height());
    p.setFont(boldFont(size.height() * 3 / 4));
    p.setPen(kTitleBlue.darker(140));
    p.drawText(all, Qt::AlignCenter, QStringLiteral("PLANNER"));
    return pixmap;
}

QPixmap yearPicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const QRectF all(0, 0, size.width(), size.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kTitleBlue.darker(150));
    p.drawRect(all);
    p.setFont(boldFont(size.height() / 3));
    p.setPen(Qt::white);
    p.drawText(all.adjusted(10, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ANNO :"));
    return pixmap;
}

QPixmap entryTitlePicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const QRectF all(0, 0, size.width(), size.height());
    p.setFont(boldFont(size.height() / 2));
    p.setPen(QColor(0x28, 0x53, 0xA2));
    p.drawText(all, Qt::AlignCenter, QStringLiteral("Planner Prenotazioni"));
    return pixmap;
}

QPixmap infoPicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height()) - 2;
    const QRectF circle((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    p.setPen(QPen(QColor(0x10, 0x50, 0xA0), 1.5));
    p.setBrush(QColor(0x30, 0x80, 0xD0));
    p.drawEllipse(circle);
    p.setFont(boldFont(int(side * 0.65), QStringLiteral("Times New Roman")));
    p.setPen(Qt::white);
    p.drawText(circle, Qt::AlignCenter, QStringLiteral("i"));
    return pixmap;
}

QPixmap keyPicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), 2));
    p.setBrush(QColor(0xF0, 0xC0, 0x20));
    const qreal ring = std::min(w, h) * 0.45;
    p.drawEllipse(QRectF(w * 0.1, (h - ring) / 2, ring, ring));
    p.drawRect(QRectF(w * 0.1 + ring, h / 2 - h * 0.06, w * 0.75 - ring, h * 0.12));
    p.drawRect(QRectF(w * 0.72, h / 2, w * 0.07, h * 0.18));
    p.drawRect(QRectF(w * 0.58, h / 2, w * 0.07, h * 0.14));
    return pixmap;
}

QPixmap entryCommandPicture(const QString& caption, bool exit, const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(0x28, 0x53, 0xA2), 1.5));
    p.setBrush(QColor(0xF4, 0xF8, 0xFC));
    p.drawRoundedRect(all, 10, 10);
    const int side = int(all.height() * 0.7);
    const QPixmap icon =
        common::commandIcon(exit ? common::Command::Exit : common::Command::Help, side).pixmap(side, side);
    p.drawPixmap(QPointF(all.left() + 8, all.center().y() - side / 2.0), icon);
    p.setFont(boldFont(int(all.height() / 3)));
    p.setPen(QColor(0x28, 0x53, 0xA2));
    p.drawText(all.adjusted(side + 12, 0, -4, 0), Qt::AlignCenter, caption);
    return pixmap;
}

QPixmap handPicture(const QSize& size) {
    // The program's pointing hand, at the left of the box, pointing at the chosen vehicle's "Apri".
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const int side = std::min(size.width(), size.height());
    p.drawPixmap(0, (size.height() - side) / 2, common::pointingHand(side));
    return pixmap;
}

} // namespace planner

#include "common/CommandPictures.h"

#include "common/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace common {

namespace {

const QColor kInk(0x2F, 0x4F, 0x7F);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kAccent(0x2E, 0x8B, 0x57);

void sheet(QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

void triangle(QPainter& p, qreal x, qreal y, qreal size, bool right) {
    QPolygonF t;
    if (right)
        t << QPointF(x, y) << QPointF(x + size, y + size) << QPointF(x, y + 2 * size);
    else
        t << QPointF(x + size, y) << QPointF(x, y + size) << QPointF(x + size, y + 2 * size);
    p.setBrush(kInk);
    p.drawPolygon(t);
}

QPixmap draw(Command command, int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (command) {
    case Command::New:
        sheet(p, QRectF(7, 4, 18, 24));
        p.setPen(QPen(kAccent, 3));
        p.drawLine(QPointF(16, 12), QPointF(16, 22));
        p.drawLine(QPointF(11, 17), QPointF(21, 17));
        break;
    case Command::Duplicate:
        sheet(p, QRectF(4, 3, 16, 21));
        sheet(p, QRectF(12, 9, 16, 21));
        break;
    case Command::Save:
        p.setBrush(kInk);
        p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(10, 5, 12, 8));
        p.drawRect(QRectF(9, 17, 14, 10));
        break;
    case Command::Find:
        p.setPen(QPen(kInk, 3));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(13, 13), 8, 8);
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        break;
    case Command::Attach: {
        QPainterPath clip;
        clip.moveTo(20, 9);
        clip.lineTo(20, 22);
        clip.arcTo(QRectF(10, 17, 10, 10), 0, -180);
        clip.lineTo(10, 7);
        clip.arcTo(QRectF(10, 2, 14, 10), 180, -180);
        clip.lineTo(24, 20);
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(clip);
        break;
    }
    case Command::Preview:
        sheet(p, QRectF(5, 3, 16, 22));
        p.setPen(QPen(kInk, 3));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(19, 18), 6, 6);
        p.drawLine(QPointF(23, 22), QPointF(29, 28));
        break;
    case Command::Print:
        sheet(p, QRectF(9, 3, 14, 10));
        p.setBrush(kInk);
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 20, 14, 9));
        break;
    case Command::First:
        p.setBrush(kInk);
        p.drawRect(QRectF(6, 8, 2, 16));
        triangle(p, 11, 8, 8, false);
        triangle(p, 19, 8, 8, false);
        break;
    case Command::Previous:
        triangle(p, 11, 8, 8, false);
        break;
    case Command::Next:
        triangle(p, 13, 8, 8, true);
        break;
    case Command::Last:
        triangle(p, 5, 8, 8, true);
        triangle(p, 13, 8, 8, true);
        p.setBrush(kInk);
        p.drawRect(QRectF(24, 8, 2, 16));
        break;
    case Command::Export:
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 5, 20, 22));
        p.drawLine(QPointF(4, 12), QPointF(24, 12));
        p.drawLine(QPointF(4, 19), QPointF(24, 19));
        p.drawLine(QPointF(12, 5), QPointF(12, 27));
        p.setPen(QPen(kAccent, 3));
        p.drawLine(QPointF(18, 22), QPointF(29, 22));
        p.drawLine(QPointF(25, 18), QPointF(29, 22));
        p.drawLine(QPointF(25, 26), QPointF(29, 22));
        break;
    case Command::SlideShow:
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 6, 26, 20), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawPolygon(QPolygonF() << QPointF(13, 11) << QPointF(21, 16) << QPointF(13, 21));
        break;
    case Command::Import:
        p.setBrush(kPaper);
        p.drawRect(QRectF(12, 4, 16, 24));
        p.setPen(QPen(kAccent, 3));
        p.drawLine(QPointF(3, 16), QPointF(18, 16));
        p.drawLine(QPointF(13, 11), QPointF(18, 16));
        p.drawLine(QPointF(13, 21), QPointF(18, 16));
        break;
    case Command::Pending:
        sheet(p, QRectF(4, 4, 18, 24));
        p.drawLine(QPointF(8, 11), QPointF(17, 11));
        p.drawLine(QPointF(8, 16), QPointF(14, 16));
        p.setBrush(kPaper);
        p.setPen(QPen(QColor(0xB2, 0x22, 0x22), 2));
        p.drawEllipse(QPointF(22, 22), 7, 7);
        p.drawLine(QPointF(22, 22), QPointF(22, 17.5));
        p.drawLine(QPointF(22, 22), QPointF(25.5, 22));
        break;
    case Command::Today:
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(5, 6, 22, 21), 2, 2);
        p.setBrush(kInk);
        p.drawRect(QRectF(5, 6, 22, 6));
        p.drawLine(QPointF(11, 3), QPointF(11, 8));
        p.drawLine(QPointF(21, 3), QPointF(21, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRect(QRectF(17, 18, 6, 5));
        break;
    case Command::CheckCode:
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 7, 26, 18), 2, 2);
        p.drawLine(QPointF(7, 13), QPointF(17, 13));
        p.drawLine(QPointF(7, 19), QPointF(13, 19));
        p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF() << QPointF(17, 19) << QPointF(20, 22) << QPointF(27, 14));
        break;
    case Command::Overdue:
    case Command::ToDo:
    case Command::Done:
        sheet(p, QRectF(6, 3, 18, 26));
        for (const qreal y : {11.0, 16.0, 21.0})
            p.drawLine(QPointF(10, y), QPointF(19, y));
        if (command == Command::Overdue) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xC0, 0x20, 0x20));
            p.drawEllipse(QPointF(24, 23), 6, 6);
            p.setBrush(kPaper);
            p.drawRect(QRectF(23, 19, 2, 5));
            p.drawRect(QRectF(23, 25, 2, 2));
        } else if (command == Command::Done) {
            p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF() << QPointF(17, 23) << QPointF(21, 27) << QPointF(29, 17));
        } else {
            p.setPen(QPen(kAccent, 2.5));
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(24, 23), 6, 6);
            p.drawLine(QPointF(24, 23), QPointF(24, 19));
            p.drawLine(QPointF(24, 23), QPointF(27, 23));
        }
        break;
    case Command::Help:
    case Command::Exit:
        break;
    }
    return pixmap;
}

} // namespace

QIcon commandIcon(Command command, int side) {
    if (command == Command::Help)
        return QIcon(iconPicture(Icon::Help, side));
    if (command == Command::Exit)
        return QIcon(iconPicture(Icon::Exit, side));
    return QIcon(draw(command, side));
}

QPixmap pointingHand(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaper);
    // The cuff, the back of the hand, three folded fingers, the thumb and the pointing finger.
    p.drawRect(QRectF(26, 11, 4, 13));
    p.drawRoundedRect(QRectF(15, 10, 12, 15), 3, 3);
    for (int k = 0; k < 3; ++k)
        p.drawRoundedRect(QRectF(11, 15.5 + k * 3.2, 7, 3.2), 1.5, 1.5);
    p.drawRoundedRect(QRectF(14, 7, 9, 4), 2, 2);
    p.drawRoundedRect(QRectF(2, 11, 18, 4.5), 2.2, 2.2);
    return pixmap;
}

} // namespace common

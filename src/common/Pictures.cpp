#include "common/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace common {

namespace {

// A side view of a small van inside the rectangle r.
void drawVehicle(QPainter& p, const QRectF& r, const QColor& body) {
    const qreal w = r.width();
    const qreal h = r.height();
    QPainterPath shape;
    shape.moveTo(r.left(), r.top() + h * 0.75);
    shape.lineTo(r.left(), r.top() + h * 0.30);
    shape.lineTo(r.left() + w * 0.60, r.top() + h * 0.30);
    shape.lineTo(r.left() + w * 0.78, r.top() + h * 0.50);
    shape.lineTo(r.right(), r.top() + h * 0.55);
    shape.lineTo(r.right(), r.top() + h * 0.75);
    shape.closeSubpath();
    p.setPen(QPen(Qt::black, qMax<qreal>(1.0, w / 80)));
    p.setBrush(body);
    p.drawPath(shape);
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRectF(r.left() + w * 0.62, r.top() + h * 0.35, w * 0.12, h * 0.14));
    p.setBrush(QColor(60, 60, 60));
    const qreal wheel = h * 0.25;
    for (qreal x : {0.22, 0.78})
        p.drawEllipse(QPointF(r.left() + w * x, r.top() + h * 0.77), wheel / 2, wheel / 2);
}

QPixmap blank(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap logoPicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 139));
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 12, 12);
    const qreal side = size.height() * 0.6;
    drawVehicle(p, QRectF(size.width() * 0.05, (size.height() - side) / 2, side * 1.4, side),
                QColor(255, 165, 0));
    const QRectF textArea = all.adjusted(size.width() * 0.05 + side * 1.5, 0, -size.width() * 0.04, 0);
    const QString name = QStringLiteral("Veicolario");
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    // The name fits the logo whatever its proportions: the largest size up to a quarter of the height
    // (at least 8 pixels) that fits. Each size tried loads a font, so the first guess scales the width
    // measured at the largest size.
    const int largest = qMax(8, size.height() / 4);
    auto width = [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetricsF(font).horizontalAdvance(name);
    };
    int pixels = largest;
    if (const qreal wide = width(largest); wide > textArea.width()) {
        pixels = qMax(8, qMin(largest - 1, int(largest * textArea.width() / wide)));
        while (pixels > 8 && width(pixels) > textArea.width())
            --pixels;
        while (pixels + 1 < largest && width(pixels + 1) <= textArea.width())
            ++pixels;
    }
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, name);
    return pixmap;
}

QPixmap iconPicture(Icon icon, int side) {
    QPixmap pixmap = blank(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(side * 0.06, side * 0.06, side * 0.88, side * 0.88);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(qMax(6, side / 2));
    p.setFont(font);
    auto disc = [&](const QColor& colour, const QString& mark) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(r);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, mark);
    };
    switch (icon) {
    case Icon::Info:
        disc(QColor(0, 0, 139), QStringLiteral("i"));
        break;
    case Icon::Help:
        disc(QColor(0, 128, 0), QStringLiteral("?"));
        break;
    case Icon::Credits:
        disc(QColor(255, 165, 0), QStringLiteral("★"));
        break;
    case Icon::Exit:
        disc(QColor(200, 0, 0), QStringLiteral("X"));
        break;
    case Icon::Pdf: {
        p.setPen(QPen(Qt::black, qMax(1, side / 40)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(side * 0.18, side * 0.06, side * 0.64, side * 0.88));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 0, 0));
        p.drawRect(QRectF(side * 0.10, side * 0.52, side * 0.80, side * 0.30));
        font.setPixelSize(qMax(6, side / 4));
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(side * 0.10, side * 0.52, side * 0.80, side * 0.30), Qt::AlignCenter,
                   QStringLiteral("PDF"));
        break;
    }
    case Icon::Mail: {
        const QRectF env(side * 0.08, side * 0.22, side * 0.84, side * 0.56);
        p.setPen(QPen(QColor(0, 0, 139), qMax(1, side / 20)));
        p.setBrush(Qt::white);
        p.drawRect(env);
        p.drawLine(env.topLeft(), env.center());
        p.drawLine(env.topRight(), env.center());
        break;
    }
    case Icon::Web:
        p.setPen(QPen(QColor(0, 0, 139), qMax(1, side / 20)));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(r);
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        p.drawEllipse(QRectF(r.center().x() - r.width() / 5, r.top(), r.width() * 0.4, r.height()));
        break;
    }
    return pixmap;
}

QPixmap tilePicture(const QSize& size, const QColor& colour, const QString& caption) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 14, 14);
    const qreal h = size.height() * 0.45;
    drawVehicle(p, QRectF((size.width() - h * 1.6) / 2, size.height() * 0.1, h * 1.6, h), Qt::white);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(qMax(8, size.height() / 11));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(all.adjusted(8, size.height() * 0.6, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, caption);
    return pixmap;
}

QPixmap buttonPicture(const QSize& size, const QColor& colour, const QString& caption) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());
    p.setPen(QPen(colour.darker(150), 2));
    p.setBrush(colour.lighter(130));
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 8, 8);
    QFont font(QStringLiteral("Tahoma"));
    font.setBold(true);
    font.setPixelSize(qMax(8, size.height() / 2));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(all, Qt::AlignCenter, caption);
    return pixmap;
}

QPixmap invoicePicture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a square of 64, centred in the picture.
    const qreal side = qMin(size.width(), size.height());
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    p.scale(side / 64, side / 64);
    const QColor ink(0x2F, 0x4F, 0x7F);
    // The sheet with its corner folded.
    QPainterPath sheet;
    sheet.moveTo(10, 3);
    sheet.lineTo(42, 3);
    sheet.lineTo(54, 15);
    sheet.lineTo(54, 61);
    sheet.lineTo(10, 61);
    sheet.closeSubpath();
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(0xDC, 0xE4, 0xEE));
    p.drawPolygon(QPolygonF() << QPointF(42, 3) << QPointF(42, 15) << QPointF(54, 15));
    // The heading, the lines and the total.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(16, 10, 18, 4));
    p.setPen(QPen(QColor(0x8F, 0xA8, 0xC8), 2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {22.0, 28.0, 34.0})
        p.drawLine(QPointF(16, y), QPointF(48, y));
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 41), QPointF(48, 41));
    // The euro sign in a green coin over the sheet's foot.
    const QRectF coin(30, 40, 22, 22);
    p.setPen(QPen(QColor(0x1F, 0x6B, 0x3F), 1.5));
    p.setBrush(QColor(0x2E, 0x8B, 0x57));
    p.drawEllipse(coin);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(coin, Qt::AlignCenter, QString(QChar(0x20AC)));
    return pixmap;
}

QPixmap bannerPicture(const QSize& size, const QString& text) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 139));
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 8, 8);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(qMax(8, size.height() / 2));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(all, Qt::AlignCenter, text);
    return pixmap;
}

} // namespace common

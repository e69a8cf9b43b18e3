#include "common/CardPrint.h"

#include "common/Clock.h"
#include "common/Text.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace common {

namespace {

constexpr int kBottomGap = 200;  // dots kept free below the text rectangles
constexpr int kValueColumn = 15; // values start at 15 units from the left

QFont cardFont(int points, bool bold, bool underline) {
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// The height of text in the painter's font, in whole dots, halves to the even number.
int textHeight(const QPainter& painter, const QString& text) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    return int(std::nearbyint(metrics.size(Qt::TextSingleLine, text).height()));
}

} // namespace

int copiesFromAnswer(const QString& answer) {
    if (Trim(answer).isEmpty() || !IsNumeric(answer))
        return 1;
    bool ok = false;
    const int copies = answer.toInt(&ok);
    return ok ? copies : 1;
}

std::optional<int> askPrintCopies(QWidget* parent, const QString& question, platform::PrintJob& job) {
    if (!platform::askYesNo(parent, question))
        return std::nullopt;
    const std::optional<QString> answer = platform::askText(
        parent, {QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), QStringLiteral("1")});
    if (!answer)
        return std::nullopt;
    job.setCopies(copiesFromAnswer(*answer));
    if (!job.choosePrinter(parent))
        return std::nullopt;
    return job.copies();
}

void drawCard(QPainter& painter, const CardPrintContent& card, const QString& footer) {
    const int width = painter.device()->width();
    const int height = painter.device()->height();
    painter.setPen(QColor(Qt::black));

    painter.setFont(cardFont(14, true, true));
    const int u = textHeight(painter, QStringLiteral("X"));
    const int L = textHeight(painter, QStringLiteral("Y"));
    const auto box = [&](int left, int top) {
        return QRectF(QPointF(left, top), QPointF(width - u, height - kBottomGap));
    };

    int y = L;
    painter.drawText(box(u, y), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, card.title);
    y += 2 * L;

    const QFont label = cardFont(12, false, false);
    const QFont value = cardFont(12, true, false);
    for (const CardPrintRow& row : card.rows) {
        painter.setFont(label);
        painter.drawText(box(u, y), Qt::AlignLeft | Qt::AlignTop, row.label);
        painter.setFont(value);
        painter.drawText(box(kValueColumn * u, y), Qt::AlignLeft | Qt::AlignTop, row.value);
        y += 2 * L;
    }

    painter.setFont(cardFont(12, true, true));
    painter.drawText(box(u, y), Qt::AlignLeft | Qt::AlignTop, footer);
}

void printCardDocuments(QPaintDevice& device, int copies, const CardPrintContent& card) {
    for (int copy = 0; copy < copies; ++copy) {
        QPainter painter;
        if (!painter.begin(&device))
            throw platform::PrintFailure(platform::kPrintFailed);
        drawCard(painter, card, printedOnText());
        if (!painter.end())
            throw platform::PrintFailure(platform::kPrintFailed);
    }
}

void printCard(QWidget* parent, const QString& question, const CardPrintContent& card) {
    platform::PrintJob job;
    const std::optional<int> copies = askPrintCopies(parent, question, job);
    if (!copies || *copies < 1)
        return;
    platform::guardPrint(parent, platform::kPrintFailed, [&] {
        printCardDocuments(job.open(job.orientation(), kCardPrintDpi), *copies, card);
    });
}

} // namespace common

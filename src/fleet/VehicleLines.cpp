#include "fleet/VehicleLines.h"

#include "common/Text.h"
#include "fleet/SchedaVeicolo.h"

#include <algorithm>

namespace fleet {

using namespace SchedaVeicolo;

namespace {

// Appends s padded with blanks or cut to n characters, without a temporary.
void appendPadCut(QString& out, const QString& s, int n) {
    const qsizetype used = std::min<qsizetype>(s.size(), n);
    out.append(QStringView(s).left(used));
    out.resize(out.size() + (n - used), QLatin1Char(' '));
}

void appendMakeAndModel(QString& out, const common::Record& v) {
    appendPadCut(out, v.get(Marca) + QLatin1Char(' ') + v.get(Modello), 30);
}

// Reads up to max digits; -1 when there is none.
int readNumber(QStringView text, qsizetype& at, int max) {
    int value = 0;
    int digits = 0;
    while (at < text.size() && digits < max && text[at] >= u'0' && text[at] <= u'9') {
        value = value * 10 + (text[at].unicode() - u'0');
        ++at;
        ++digits;
    }
    return digits ? value : -1;
}

} // namespace

QString vehicleLine(const common::Record& v) {
    QString line;
    line.reserve(160);
    appendPadCut(line, v.get(Tipo), 20);
    line.append(QLatin1String("  "));
    appendMakeAndModel(line, v);
    line.append(QLatin1String("  Targa: "));
    appendPadCut(line, v.get(Targa), 12);
    line.append(QLatin1String("  Titolare: "));
    appendPadCut(line, v.get(Proprietario), 30);
    line.append(QLatin1String("  Anno: "));
    appendPadCut(line, v.get(Immatricolazione), 10);
    line.append(QLatin1String("  Km: "));
    line.append(v.get(Chilometri));
    return line;
}

QString deadlineLine(const common::Record& v, int dueField) {
    QString line;
    line.reserve(160);
    appendPadCut(line, v.get(Tipo), 20);
    line.append(QLatin1String("  "));
    appendMakeAndModel(line, v);
    line.append(QLatin1String("  Targa: "));
    appendPadCut(line, v.get(Targa), 12);
    line.append(QLatin1String("  Scad. "));
    appendPadCut(line, v.get(dueField), 10);
    line.append(QLatin1String("  Km: "));
    appendPadCut(line, v.get(Chilometri), 10);
    line.append(QLatin1String("  Titolare: "));
    line.append(v.get(Proprietario));
    return line;
}

QDate readDueDate(const QString& text) {
    // Day and month of one or two digits, a four-digit year, separated by '/'; nothing else.
    const QString t = common::Trim(text);
    qsizetype at = 0;
    const int day = readNumber(t, at, 2);
    if (day < 0 || at >= t.size() || t[at++] != u'/')
        return QDate();
    const int month = readNumber(t, at, 2);
    if (month < 0 || at >= t.size() || t[at++] != u'/')
        return QDate();
    const qsizetype yearStart = at;
    const int year = readNumber(t, at, 4);
    if (year < 0 || at - yearStart != 4 || at != t.size())
        return QDate();
    return QDate(year, month, day); // invalid for a day the month does not have
}

bool isDueWithinWeek(const QDate& due, const QDate& today) {
    return due.addDays(-7) <= today;
}

void collectDeadlines(common::ArchiveFile& archive, int dueField, const QDate& today, QStringList& lines) {
    archive.forEach([&](qint64, const common::Record& vehicle) {
        const QString due = vehicle.get(dueField);
        if (due.isEmpty())
            return;
        const QDate date = readDueDate(due);
        if (date.isValid() && isDueWithinWeek(date, today))
            lines.append(deadlineLine(vehicle, dueField));
    });
}

} // namespace fleet

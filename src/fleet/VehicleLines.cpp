#include "fleet/VehicleLines.h"

#include "common/Text.h"
#include "fleet/SchedaVeicolo.h"
#include "platform/Ansi.h"

#include <algorithm>
#include <array>

namespace fleet {

using namespace SchedaVeicolo;

namespace {

// A list line put together in place and made a QString once. Fixed texts and fields of at most 255
// characters each never fill it.
class LineBuilder {
public:
    void text(QLatin1StringView s) {
        for (char c : s)
            buffer_[size_++] = char16_t(static_cast<unsigned char>(c));
    }
    void field(const common::Record& v, int field) {
        const QByteArrayView stored = v.stored(field);
        platform::fromAnsi(stored.data(), stored.size(), buffer_.data() + size_);
        size_ += stored.size();
    }
    // Pads with blanks or cuts what was built from start to n characters.
    void padCutFrom(qsizetype start, qsizetype n) {
        while (size_ < start + n)
            buffer_[size_++] = u' ';
        size_ = start + n;
    }
    void fieldPadCut(const common::Record& v, int f, qsizetype n) {
        const qsizetype start = size_;
        field(v, f);
        padCutFrom(start, n);
    }
    void makeAndModel(const common::Record& v) {
        const qsizetype start = size_;
        field(v, Marca);
        text(QLatin1StringView(" "));
        field(v, Modello);
        padCutFrom(start, 30);
    }
    QString line() const { return QString(reinterpret_cast<const QChar*>(buffer_.data()), size_); }

private:
    std::array<char16_t, 2048> buffer_;
    qsizetype size_ = 0;
};

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

// Type, make and model, and plate: how both lines begin.
void vehicleHead(LineBuilder& line, const common::Record& v) {
    line.fieldPadCut(v, Tipo, 20);
    line.text(QLatin1StringView("  "));
    line.makeAndModel(v);
    line.text(QLatin1StringView("  Targa: "));
    line.fieldPadCut(v, Targa, 12);
}

} // namespace

QString vehicleLine(const common::Record& v) {
    LineBuilder line;
    vehicleHead(line, v);
    line.text(QLatin1StringView("  Titolare: "));
    line.fieldPadCut(v, Proprietario, 30);
    line.text(QLatin1StringView("  Anno: "));
    line.fieldPadCut(v, Immatricolazione, 10);
    line.text(QLatin1StringView("  Km: "));
    line.field(v, Chilometri);
    return line.line();
}

QString deadlineLine(const common::Record& v, int dueField) {
    LineBuilder line;
    vehicleHead(line, v);
    line.text(QLatin1StringView("  Scad. "));
    line.fieldPadCut(v, dueField, 10);
    line.text(QLatin1StringView("  Km: "));
    line.fieldPadCut(v, Chilometri, 10);
    line.text(QLatin1StringView("  Titolare: "));
    line.field(v, Proprietario);
    return line.line();
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

#include "fleet/VehicleLines.h"

#include "common/Text.h"
#include "fleet/SchedaVeicolo.h"

namespace fleet {

using common::PadCut;
using namespace SchedaVeicolo;

namespace {
QString makeAndModel(const common::Record& v) {
    return PadCut(v.get(Marca) + QLatin1Char(' ') + v.get(Modello), 30);
}
} // namespace

QString vehicleLine(const common::Record& v) {
    return PadCut(v.get(Tipo), 20) + QLatin1String("  ") + makeAndModel(v) + QLatin1String("  Targa: ") +
           PadCut(v.get(Targa), 12) + QLatin1String("  Titolare: ") + PadCut(v.get(Proprietario), 30) +
           QLatin1String("  Anno: ") + PadCut(v.get(Immatricolazione), 10) + QLatin1String("  Km: ") +
           v.get(Chilometri);
}

QString deadlineLine(const common::Record& v, int dueField) {
    return PadCut(v.get(Tipo), 20) + QLatin1String("  ") + makeAndModel(v) + QLatin1String("  Targa: ") +
           PadCut(v.get(Targa), 12) + QLatin1String("  Scad. ") + PadCut(v.get(dueField), 10) +
           QLatin1String("  Km: ") + PadCut(v.get(Chilometri), 10) + QLatin1String("  Titolare: ") +
           v.get(Proprietario);
}

QDate readDueDate(const QString& text) {
    return QDate::fromString(common::Trim(text), QStringLiteral("d/M/yyyy"));
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

#include "planner/VehicleChoice.h"

#include "common/Text.h"
#include "fleet/SchedaVeicolo.h"

namespace planner {

namespace {
namespace SV = fleet::SchedaVeicolo;
// Wider than the 12 characters of a plate, so a plate is never cut.
constexpr int kPlateWidth = 14;
} // namespace

QString plannerVehicleLine(const common::Record& vehicle) {
    using common::PadCut;
    QString line;
    line.reserve(160);
    line += PadCut(vehicle.get(SV::Tipo), 20);
    line += QLatin1String("  ");
    line += PadCut(vehicle.get(SV::Marca) + QLatin1Char(' ') + vehicle.get(SV::Modello), 30);
    line += QLatin1String("  Targa: ");
    line += PadCut(vehicle.get(SV::Targa), kPlateWidth);
    line += QLatin1String("  Posti: ");
    line += PadCut(vehicle.get(SV::Posti), 12);
    line += QLatin1String("  Alim. ");
    line += vehicle.get(SV::Alimentazione);
    return line;
}

void collectVehicleLines(common::ArchiveFile& archive, QStringList& lines) {
    archive.forEach([&lines](qint64, const common::Record& vehicle) {
        if (!vehicle.stored(SV::Targa).isEmpty())
            lines.append(plannerVehicleLine(vehicle));
    });
}

bool findVehicle(common::ArchiveFile& archive, const QString& chosen, PlannerHeader& found) {
    const QString wanted = common::Trim(chosen);
    bool any = false;
    archive.forEach([&](qint64, const common::Record& vehicle) {
        // A plate is never cut in its line, so only a record whose plate occurs in the chosen line can
        // give that line: the others are passed over without rebuilding theirs.
        if (!wanted.contains(vehicle.get(SV::Targa)) || common::Trim(plannerVehicleLine(vehicle)) != wanted)
            return;
        found = {vehicle.get(SV::Tipo), vehicle.get(SV::Marca), vehicle.get(SV::Modello),
                 vehicle.get(SV::Targa)};
        any = true;
    });
    return any;
}

} // namespace planner

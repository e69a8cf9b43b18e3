// The planner's vehicle list: one line per vehicle with a plate, and the vehicle chosen by a line.
#pragma once

#include "common/Archive.h"
#include "planner/SchedaPlanning.h"

#include <QStringList>

namespace planner {

// Type (20), two blanks, make and model (30), "  Targa: ", plate (14), "  Posti: ", seats (12), "  Alim. ",
// fuel: trimmed values padded with blanks or cut to their widths, the fuel neither padded nor cut.
QString plannerVehicleLine(const common::Record& vehicle);
// The lines of the vehicles whose plate is not empty, in file order. Lines read before a failure stay
// in lines.
void collectVehicleLines(common::ArchiveFile& archive, QStringList& lines);
// Finds the vehicles whose rebuilt line equals chosen (both trimmed); the last one in the file is
// written into found. False when none is.
bool findVehicle(common::ArchiveFile& archive, const QString& chosen, PlannerHeader& found);

} // namespace planner

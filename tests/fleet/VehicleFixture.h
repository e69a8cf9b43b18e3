// Vehicle records for the tests, written into the test's own program folder.
#pragma once

#include "fleet/SchedaVeicolo.h"

#include <QMap>

namespace testsupport {

using VehicleFields = QMap<fleet::SchedaVeicolo::Field, QString>;

inline common::Record vehicle(const VehicleFields& fields) {
    common::Record record(fleet::SchedaVeicolo::layout());
    for (auto it = fields.begin(); it != fields.end(); ++it)
        record.set(it.key(), it.value());
    return record;
}

inline void writeVehicles(const QList<VehicleFields>& vehicles) {
    common::ArchiveFile archive = fleet::openVehicleArchive();
    for (const VehicleFields& v : vehicles)
        archive.append(vehicle(v));
}

} // namespace testsupport

// The report layout "Scheda Veicolo": the vehicle card printed as a one-page sheet.
#pragma once

#include <QStringList>

#include <memory>

namespace platform {
class Report;
}

namespace fleet {

// The 32 value memos, each named after the card's edit whose text it takes, in the order of the sheet.
const QStringList& schedaVeicoloMemos();
std::unique_ptr<platform::Report> makeSchedaVeicolo();

} // namespace fleet

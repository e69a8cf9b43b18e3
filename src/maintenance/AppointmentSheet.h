// The appointment sheet "Scheda informativa": one A4 page with the appointment's twenty rows.
#pragma once

#include <QStringList>

#include <memory>

class QWidget;

namespace platform {
class Report;
}

namespace maintenance {

// The layout, with its objects named as the sheet fills them.
std::unique_ptr<platform::Report> makeSchedaInformativa();
// The labels of rows 1 to 20.
const QStringList& sheetLabels();
// Fills the sheet with the twenty values of the card (the other rows a blank), the title and the footer of
// the moment, and prepares it. Throws Failure when the layout lacks an object.
void fillSchedaInformativa(platform::Report& report, const QStringList& values);

} // namespace maintenance

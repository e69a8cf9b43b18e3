// The help text of the vehicle card.
#pragma once

#include <QString>
#include <QStringList>

namespace fleet {

QString veicolarioHelpTitle();
QStringList veicolarioHelpParagraphs();

} // namespace fleet

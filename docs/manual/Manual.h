// The manual "Guida.pdf": a title page and one chapter per app, made from the help texts.
#pragma once

#include "common/Help.h"

#include <QString>

namespace manual {

// The manual as a rich-text document: help texts grouped by chapter in their order, a text repeated
// inside its chapter only once.
QString manualHtml(const QList<common::HelpText>& texts);

// Writes the manual of every help text as a PDF file; false when the file could not be written.
bool writeManual(const QString& path);

} // namespace manual

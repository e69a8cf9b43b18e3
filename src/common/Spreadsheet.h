// The spreadsheet files of the export windows: one table in the office-suite HTML dialect, on one line.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace common {

struct SpreadsheetColumn {
    QString title;
    int width = 0; // the width written in the file, not the grid's width on screen
};

// The text of one data cell, row and column from 0.
using SpreadsheetCell = std::function<QString(qsizetype row, int column)>;

// The whole file in Windows-1252, in memory. Cell texts are trimmed; &, < and > are written as entities, a
// line break inside a cell as a blank, so the table stays whole and the file stays one line.
QByteArray spreadsheetContent(const QString& sheetName, const QList<SpreadsheetColumn>& columns,
                              qsizetype rowCount, const SpreadsheetCell& cell);

// Writes the same content to path through the platform's safe write, a piece at a time as it is built,
// so the memory it takes stays small whatever the number of rows. Throws common::Failure when it cannot;
// the file at path is then as it was.
void writeSpreadsheet(const QString& path, const QString& sheetName, const QList<SpreadsheetColumn>& columns,
                      qsizetype rowCount, const SpreadsheetCell& cell);

} // namespace common

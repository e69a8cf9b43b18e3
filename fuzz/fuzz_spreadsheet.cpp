// Arbitrary cell texts through the spreadsheet writer: the file is one line, holds exactly the rows given,
// and the file written through the safe write is the content built in memory.
#include "common/Failure.h"
#include "common/Spreadsheet.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString& sheetPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Parco_Automezzi.xls"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // UTF-16 text: rows split at U+000C, cells at U+0009; the first row names the columns.
    const QString text(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    QList<QStringList> rows;
    for (const QString& line : text.split(QChar(0x0C)))
        rows.append(line.split(QChar(0x09)));
    QList<common::SpreadsheetColumn> columns;
    for (const QString& title : rows.takeFirst())
        columns.append({title, int(title.size()) * 10});
    const auto cell = [&](qsizetype r, int c) { return c < rows[r].size() ? rows[r][c] : QString(); };
    const QByteArray content =
        common::spreadsheetContent(QStringLiteral("Foglio"), columns, rows.size(), cell);
    if (content.contains('\n') || content.contains('\r') || !content.endsWith("</table></body></html>"))
        __builtin_trap();
    if (content.count("<tr>") != rows.size() + 1 ||
        content.count("<td ") != (rows.size() + 1) * columns.size())
        __builtin_trap();
    try {
        common::writeSpreadsheet(sheetPath(), QStringLiteral("Foglio"), columns, rows.size(), cell);
    } catch (const common::Failure&) {
        __builtin_trap(); // a writable folder always takes the file
    }
    QFile file(sheetPath());
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != content)
        __builtin_trap();
    return 0;
}

#include "common/Spreadsheet.h"

#include "common/Failure.h"
#include "common/Text.h"
#include "platform/Ansi.h"
#include "platform/SafeFile.h"

namespace common {

namespace {

constexpr QByteArrayView
    kHead("<head>"
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
          "<!--[if gte mso 9]><xml>"
          "<x:ExcelWorkbook>"
          "<x:ExcelWorksheets>"
          "<x:ExcelWorksheet>"
          "<x:Name>");

constexpr QByteArrayView kAfterName("</x:Name>"
                                    "<x:WorksheetOptions>"
                                    "<x:Selected/>"
                                    "<x:Panes>"
                                    "<x:Pane>"
                                    "<x:Number>1</x:Number>"
                                    "<x:ActiveRow>3</x:ActiveRow>"
                                    "</x:Pane>"
                                    "</x:Panes>"
                                    "<x:ProtectContents>False</x:ProtectContents>"
                                    "<x:ProtectObjects>False</x:ProtectObjects>"
                                    "<x:ProtectScenarios>False</x:ProtectScenarios>"
                                    "</x:WorksheetOptions>"
                                    "</x:ExcelWorksheet>"
                                    "</x:ExcelWorksheets>"
                                    "</x:ExcelWorkbook>"
                                    "</xml><![endif]-->"
                                    "</head>"
                                    "<body>"
                                    "<table x:str>");

constexpr QByteArrayView kRoot("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                               "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                               "xmlns=\"http://www.w3.org/TR/REC-html40\">");

constexpr QByteArrayView kHeaderCell("<td style=\"text-align: left; font-weight: bold;\" width=");
constexpr QByteArrayView kDataCell("<td style=\"text-align: left;\">");

// Straight into Windows-1252, escaping as it goes: the grid of a large archive is written in one pass.
void appendCellText(QByteArray& out, const QString& text) {
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i].unicode();
        switch (u) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\r':
        case '\n':
            out += ' ';
            break;
        default:
            if (u < 0x80) {
                out += char(u);
            } else {
                // A surrogate pair is one character outside the code page.
                if (p[i].isHighSurrogate() && i + 1 < n && p[i + 1].isLowSurrogate())
                    ++i;
                out += platform::toAnsiChar(QChar(u));
            }
        }
    }
}

// Builds the file in order; whenever more than a chunk is held, spill takes it (and empties it).
void generate(QByteArray& out, const std::function<void(QByteArray&)>& spill, const QString& sheetName,
              const QList<SpreadsheetColumn>& columns, qsizetype rowCount, const SpreadsheetCell& cell) {
    constexpr qsizetype kChunk = 256 * 1024;
    out += kRoot;
    out += kHead;
    appendCellText(out, sheetName);
    out += kAfterName;
    out += "<tr>";
    for (const SpreadsheetColumn& c : columns) {
        out += kHeaderCell;
        out += QByteArray::number(c.width);
        out += '>';
        appendCellText(out, c.title);
        out += "</td>";
    }
    out += "</tr>";
    for (qsizetype row = 0; row < rowCount; ++row) {
        out += "<tr>";
        for (int column = 0; column < columns.size(); ++column) {
            out += kDataCell;
            appendCellText(out, Trim(cell(row, column)));
            out += "</td>";
        }
        out += "</tr>";
        if (spill && out.size() >= kChunk)
            spill(out);
    }
    out += "</table></body></html>";
}

} // namespace

QByteArray spreadsheetContent(const QString& sheetName, const QList<SpreadsheetColumn>& columns,
                              qsizetype rowCount, const SpreadsheetCell& cell) {
    QByteArray out;
    out.reserve(2048 + rowCount * (9 + columns.size() * 48));
    generate(out, {}, sheetName, columns, rowCount, cell);
    return out;
}

void writeSpreadsheet(const QString& path, const QString& sheetName, const QList<SpreadsheetColumn>& columns,
                      qsizetype rowCount, const SpreadsheetCell& cell) {
    platform::SafeFile file(path);
    // A folder without write permission, or a name that is not a regular file, fails here.
    if (!file.open())
        throw Failure("cannot create " + file.errorString().toStdString());
    QByteArray chunk;
    chunk.reserve(320 * 1024);
    const auto spill = [&](QByteArray& out) {
        if (!file.write(out))
            throw Failure("cannot write " + file.errorString().toStdString());
        out.clear(); // keeps its capacity
    };
    generate(chunk, spill, sheetName, columns, rowCount, cell);
    spill(chunk);
    if (!file.commit())
        throw Failure("cannot save " + file.errorString().toStdString());
}

} // namespace common

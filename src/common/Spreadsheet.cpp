#include "common/Spreadsheet.h"

#include "common/Failure.h"
#include "common/Text.h"
#include "platform/Ansi.h"

#include <QSaveFile>

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

} // namespace

QByteArray spreadsheetContent(const QString& sheetName, const QList<SpreadsheetColumn>& columns,
                              qsizetype rowCount, const SpreadsheetCell& cell) {
    QByteArray out;
    out.reserve(2048 + rowCount * (9 + columns.size() * 48));
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
    }
    out += "</table></body></html>";
    return out;
}

void writeSpreadsheet(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    // A file that another program holds open or a folder without write permission must fail here, not
    // leave a second copy beside the first.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure("cannot create " + path.toStdString() + ": " + file.errorString().toStdString());
    if (file.write(content) != content.size())
        throw Failure("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    if (!file.commit())
        throw Failure("cannot save " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace common

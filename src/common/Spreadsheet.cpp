#include "common/Spreadsheet.h"

#include "common/Failure.h"
#include "common/Text.h"
#include "platform/Ansi.h"

#include <QSaveFile>

namespace common {

namespace {

const QLatin1String kHead("<head>"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                          "<!--[if gte mso 9]><xml>"
                          "<x:ExcelWorkbook>"
                          "<x:ExcelWorksheets>"
                          "<x:ExcelWorksheet>"
                          "<x:Name>");

const QLatin1String kAfterName("</x:Name>"
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

const QLatin1String kRoot("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                          "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                          "xmlns=\"http://www.w3.org/TR/REC-html40\">");

const QLatin1String kHeaderCell("<td style=\"text-align: left; font-weight: bold;\" width=");
const QLatin1String kDataCell("<td style=\"text-align: left;\">");

void appendCellText(QString& out, const QString& text) {
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '\r':
        case '\n':
            out += QLatin1Char(' ');
            break;
        default:
            out += ch;
        }
    }
}

} // namespace

QByteArray spreadsheetContent(const QString& sheetName, const QList<SpreadsheetColumn>& columns,
                              qsizetype rowCount, const SpreadsheetCell& cell) {
    QString out;
    out.reserve(2048 + rowCount * columns.size() * 48);
    out += kRoot;
    out += kHead;
    appendCellText(out, sheetName);
    out += kAfterName;
    out += QLatin1String("<tr>");
    for (const SpreadsheetColumn& c : columns) {
        out += kHeaderCell;
        out += QString::number(c.width);
        out += QLatin1Char('>');
        appendCellText(out, c.title);
        out += QLatin1String("</td>");
    }
    out += QLatin1String("</tr>");
    for (qsizetype row = 0; row < rowCount; ++row) {
        out += QLatin1String("<tr>");
        for (int column = 0; column < columns.size(); ++column) {
            out += kDataCell;
            appendCellText(out, Trim(cell(row, column)));
            out += QLatin1String("</td>");
        }
        out += QLatin1String("</tr>");
    }
    out += QLatin1String("</table></body></html>");
    return platform::toAnsi(out);
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

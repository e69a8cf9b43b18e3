#include "common/Help.h"

#include "common/Text.h"
#include "common/TfrmGuida.h"

#include <QDir>
#include <QFile>

namespace common {

namespace {

// Help files are "NN-key.txt": NN orders the manual.
constexpr auto kHelpFolder = ":/help";

QString keyOfFile(const QString& fileName) {
    QString base = fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
    const int dash = base.indexOf(QLatin1Char('-'));
    return dash >= 0 ? base.mid(dash + 1) : base;
}

} // namespace

HelpText parseHelpText(const QString& key, const QString& source) {
    HelpText text;
    text.key = key;
    QString source2 = source;
    source2.remove(QLatin1Char('\r'));
    const QStringList lines = source2.split(QLatin1Char('\n'));
    int i = 0;
    for (; i < lines.size(); ++i) {
        const QString line = Trim(lines.at(i));
        if (line.isEmpty())
            break;
        const int colon = line.indexOf(QLatin1Char(':'));
        const QString name = line.left(colon);
        const QString value = Trim(line.mid(colon + 1));
        if (name == QLatin1String("Capitolo"))
            text.chapter = value;
        else if (name == QLatin1String("Titolo"))
            text.title = value;
    }
    QString paragraph;
    for (; i < lines.size(); ++i) {
        const QString line = Trim(lines.at(i));
        if (line.isEmpty()) {
            if (!paragraph.isEmpty())
                text.paragraphs.append(paragraph);
            paragraph.clear();
        } else {
            paragraph += paragraph.isEmpty() ? line : QLatin1Char(' ') + line;
        }
    }
    if (!paragraph.isEmpty())
        text.paragraphs.append(paragraph);
    return text;
}

QList<HelpText> allHelpTexts() {
    QList<HelpText> texts;
    const QDir folder{QString::fromLatin1(kHelpFolder)};
    for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        texts.append(parseHelpText(keyOfFile(name), QString::fromUtf8(file.readAll())));
    }
    return texts;
}

HelpText helpText(const QString& key) {
    for (const HelpText& text : allHelpTexts())
        if (text.key == key)
            return text;
    return {};
}

QString joinHelpParagraphs(const QStringList& paragraphs) {
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

void showHelp(QWidget* owner, const QString& title, const QStringList& paragraphs) {
    TfrmGuida help(owner);
    help.showText(title, joinHelpParagraphs(paragraphs));
    help.exec();
}

void showHelp(QWidget* owner, const HelpText& text) {
    showHelp(owner, text.title, text.paragraphs);
}

void showHelp(QWidget* owner, const QString& key) {
    showHelp(owner, helpText(key));
}

} // namespace common

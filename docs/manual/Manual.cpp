#include "manual/Manual.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace manual {

namespace {

struct Chapter {
    QString name;
    QList<common::HelpText> texts;
};

QString esc(const QString& s) {
    return s.toHtmlEscaped();
}

} // namespace

QString manualHtml(const QList<common::HelpText>& texts) {
    QList<Chapter> chapters;
    for (const common::HelpText& text : texts) {
        auto it = std::find_if(chapters.begin(), chapters.end(),
                               [&](const Chapter& c) { return c.name == text.chapter; });
        if (it == chapters.end()) {
            chapters.append({text.chapter, {}});
            it = chapters.end() - 1;
        }
        const bool repeated =
            std::any_of(it->texts.cbegin(), it->texts.cend(), [&](const common::HelpText& t) {
                return t.title == text.title && t.paragraphs == text.paragraphs;
            });
        if (!repeated)
            it->texts.append(text);
    }

    QString html =
        QStringLiteral("<html><body style=\"font-family: 'Verdana', 'DejaVu Sans'; font-size: 11pt;\">");
    // The title page: name, subtitle and the list of chapters.
    html +=
        QStringLiteral("<p style=\"font-size: 36pt; font-weight: bold; color: #00008B; margin-top: 250px;\" "
                       "align=\"center\">Veicolario</p>"
                       "<p style=\"font-size: 18pt; margin-bottom: 60px;\" align=\"center\">"
                       "Guida all'utilizzo del software</p>");
    for (int i = 0; i < chapters.size(); ++i)
        html += QStringLiteral("<p style=\"font-size: 13pt;%1\" align=\"center\">%2. %3</p>")
                    .arg(i + 1 == chapters.size() ? QStringLiteral(" page-break-after: always;") : QString())
                    .arg(i + 1)
                    .arg(esc(chapters[i].name));
    for (int i = 0; i < chapters.size(); ++i) {
        const Chapter& chapter = chapters[i];
        html += QStringLiteral("<h1 style=\"color: #00008B;%1\">%2. %3</h1>")
                    .arg(i > 0 ? QStringLiteral(" page-break-before: always;") : QString())
                    .arg(i + 1)
                    .arg(esc(chapter.name));
        for (const common::HelpText& text : chapter.texts) {
            html +=
                QStringLiteral("<h2 style=\"color: #DC143C;\">") + esc(text.title) + QStringLiteral("</h2>");
            for (const QString& paragraph : text.paragraphs)
                html += QStringLiteral("<p>") + esc(paragraph) + QStringLiteral("</p>");
        }
    }
    html += QStringLiteral("</body></html>");
    return html;
}

bool writeManual(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Veicolario - Guida all'utilizzo del software"));
        writer.setCreator(QStringLiteral("Veicolario"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        QTextDocument document;
        document.setHtml(manualHtml(common::allHelpTexts()));
        document.print(&writer);
    }
    return file.commit();
}

} // namespace manual

#include "common/RecordSheet.h"

#include "common/Failure.h"
#include "common/Text.h"
#include "platform/Report.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace common {

QString controlText(const QWidget* window, const QString& name) {
    const auto* control = window ? window->findChild<QWidget*>(name) : nullptr;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->toPlainText();
    if (const auto* memo = qobject_cast<const QTextEdit*>(control))
        return memo->toPlainText();
    throw Failure("no text control named " + name.toStdString());
}

void fillComposedSheet(platform::Report& report, const QList<SheetText>& texts) {
    if (report.pages().empty())
        throw Failure("the report has no page");
    report.pages().front()->orientation = QPageLayout::Portrait;
    for (const SheetText& t : texts) {
        platform::ReportMemo* memo = report.findMemo(t.memo);
        if (!memo)
            throw Failure("no memo named " + t.memo.toStdString());
        memo->setText(t.text);
    }
    report.prepare();
}

void fillRecordSheet(platform::Report& report, const QWidget* card, const QStringList& memoNames,
                     const QString& pictureName, const QImage& picture) {
    if (!pictureName.isEmpty()) {
        platform::ReportPicture* view = report.findPicture(pictureName);
        if (!view)
            throw Failure("no picture view named " + pictureName.toStdString());
        view->image = picture;
    }
    QList<SheetText> texts;
    for (const QString& name : memoNames)
        texts.append({name, Trim(controlText(card, name))});
    fillComposedSheet(report, texts);
}

} // namespace common

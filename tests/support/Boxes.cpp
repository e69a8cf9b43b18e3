#include "Boxes.h"

#include <QtTest>

namespace testsupport {

namespace {

QString describe(const QList<SeenBox>& seen) {
    QStringList shown;
    for (const SeenBox& box : seen)
        shown.append(
            QStringLiteral("[icon %1] %2 (%3)").arg(int(box.icon)).arg(box.text, box.buttons.join('/')));
    return shown.isEmpty() ? QStringLiteral("no box") : shown.join(QStringLiteral("; "));
}

} // namespace

bool compareOneBox(const QList<SeenBox>& seen, const QString& text, QMessageBox::Icon icon,
                   const QStringList& buttons, const char* file, int line) {
    if (seen.size() != 1) {
        QTest::qFail(qPrintable(QStringLiteral("expected one box \"%1\", saw %2").arg(text, describe(seen))),
                     file, line);
        return false;
    }
    const SeenBox& box = seen.first();
    if (!QTest::qCompare(box.text, text, "box text", "expected text", file, line))
        return false;
    if (!QTest::qCompare(int(box.icon), int(icon), "box icon", "expected icon", file, line))
        return false;
    if (!buttons.isEmpty() &&
        !QTest::qCompare(box.buttons, buttons, "box buttons", "expected buttons", file, line))
        return false;
    return true;
}

} // namespace testsupport

// Checks that a step showed exactly one message box, with this text, icon and (when given) buttons.
//
// Usage, on what a ModalAnswerer or runModal recorded:
//     COMPARE_ONE_BOX(answerer.seen, common::kSavedOver, QMessageBox::Information);
//     COMPARE_ONE_BOX(run.boxes, text, QMessageBox::Critical, QStringList({"OK", "Annulla"}));
// On a mismatch the test function fails at the caller's line and returns, as QCOMPARE does.
#pragma once

#include "ModalAnswerer.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace testsupport {

// Records a failure at file:line and returns false when seen is not one box like this; buttons empty: any.
bool compareOneBox(const QList<SeenBox>& seen, const QString& text, QMessageBox::Icon icon,
                   const QStringList& buttons, const char* file, int line);

} // namespace testsupport

#define COMPARE_ONE_BOX(seen, text, icon, ...)                                                               \
    do {                                                                                                     \
        if (!testsupport::compareOneBox((seen), (text), (icon), QStringList{__VA_ARGS__}, __FILE__,          \
                                        __LINE__))                                                           \
            return;                                                                                          \
    } while (false)

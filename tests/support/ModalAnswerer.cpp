#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>

namespace testsupport {

ModalAnswerer::ModalAnswerer(QStringList answers)
    : answers_(std::move(answers)) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

ModalAnswerer::~ModalAnswerer() = default;

SeenBox answerBox(QMessageBox* box, const QString& wanted) {
    SeenBox s;
    s.text = box->text();
    s.icon = box->icon();
    const auto buttons = box->buttons();
    // QMessageBox keeps its buttons in layout order, which is what the user sees.
    QList<QAbstractButton*> ordered(buttons.begin(), buttons.end());
    std::sort(ordered.begin(), ordered.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    // As the user reads them: without the mnemonic marks.
    for (QAbstractButton* b : ordered)
        s.buttons.append(QString(b->text()).remove(QLatin1Char('&')));
    QAbstractButton* press = ordered.isEmpty() ? nullptr : ordered.first();
    for (QAbstractButton* b : ordered)
        if (!wanted.isEmpty() && QString(b->text()).remove(QLatin1Char('&')) == wanted)
            press = b;
    if (press)
        press->click();
    else
        box->done(0);
    return s;
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        if (onOther)
            onOther(modal);
        return;
    }
    seen.append(answerBox(box, answers_.isEmpty() ? QString() : answers_.takeFirst()));
}

} // namespace testsupport

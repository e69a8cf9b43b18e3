// Answers the modal boxes that a step opens, recording what each showed.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace testsupport {

struct SeenBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // in the box's order, as their texts
};

// Records what box shows and presses the button with text buttonText ("" or none such: the first).
SeenBox answerBox(QMessageBox* box, const QString& buttonText);

// While alive, polls the active modal widget; each QMessageBox found is recorded and answered with the
// next button of the queue (by its text; "" = the first button). Any other modal widget is handed to
// onOther, when set, and otherwise left alone.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    explicit ModalAnswerer(QStringList answers = {});
    ~ModalAnswerer() override;

    QList<SeenBox> seen;
    std::function<bool(QWidget*)> onOther; // returns true when it handled (closed) the widget

    void answer(const QString& buttonText) { answers_.append(buttonText); }

private:
    void poll();
    QStringList answers_;
    QTimer timer_;
};

} // namespace testsupport

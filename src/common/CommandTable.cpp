#include "common/CommandTable.h"

#include "common/StatusHints.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace common {

CommandPicture commandPicture(Command command, int side) {
    return [command, side](QWidget* control) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setIcon(commandIcon(command, side));
            button->setIconSize(QSize(side, side));
        }
    };
}

namespace {

// Runs a picture label's command on a left click released over it.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* control, std::function<void()> run)
        : QObject(control)
        , run_(std::move(run)) {
        control->setCursor(Qt::PointingHandCursor);
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
                run_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> run_;
};

// Draws the pictures once, when the window is first shown.
class FirstShowPictures : public QObject {
public:
    FirstShowPictures(QWidget* window, std::vector<std::pair<QPointer<QWidget>, CommandPicture>> pictures)
        : QObject(window)
        , pictures_(std::move(pictures)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            watched->removeEventFilter(this);
            for (const auto& [control, picture] : pictures_)
                if (control)
                    picture(control);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<std::pair<QPointer<QWidget>, CommandPicture>> pictures_;
};

} // namespace

void drawOnFirstShow(QWidget* control, CommandPicture picture) {
    QWidget* window = control->window();
    if (window->isVisible())
        picture(control);
    else
        new FirstShowPictures(window, {{control, std::move(picture)}});
}

void detail::installCommands(QWidget* window, const std::vector<CommandSpec>& specs, StatusHints* hints) {
    std::vector<std::pair<QPointer<QWidget>, CommandPicture>> pictures;
    for (const CommandSpec& spec : specs) {
        const QString name = QString::fromLatin1(spec.control);
        QWidget* control = window->findChild<QWidget*>(name);
        if (!control)
            qFatal("command control %s missing in %s", spec.control, qPrintable(window->objectName()));
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(button, &QAbstractButton::clicked, window, [run = spec.run] { run(); });
        else
            new ClickFilter(control, spec.run);
        if (hints && spec.hint && *spec.hint)
            hints->add(control, QString::fromUtf8(spec.hint));
        if (spec.picture)
            pictures.emplace_back(control, spec.picture);
    }
    if (pictures.empty())
        return;
    if (window->isVisible()) {
        for (const auto& [control, picture] : pictures)
            picture(control);
        return;
    }
    new FirstShowPictures(window, std::move(pictures));
}

} // namespace common

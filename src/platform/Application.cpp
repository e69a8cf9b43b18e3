#include "platform/Application.h"

#include "platform/Dialogs.h"

#include <QIconEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QTranslator>
#include <QWidget>

#include <exception>
#include <functional>

namespace platform {

namespace {

// An icon made when it is first needed: Qt's standard icons are read from picture files the moment they
// are asked for, and controls ask for theirs as they are created (the calendar its arrows).
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make)
        : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    QIcon& icon() {
        if (make_) {
            icon_ = make_();
            make_ = nullptr;
        }
        return icon_;
    }
    std::function<QIcon()> make_;
    QIcon icon_;
};

// The platform's own style, whose standard icons are read when first drawn.
class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (option)
            return QProxyStyle::standardIcon(icon, option, widget);
        return QIcon(new DeferredIcon(
            [style = QPointer<const ProgramStyle>(this), icon, widget = QPointer<const QWidget>(widget)] {
                if (!style)
                    return QApplication::style()->standardIcon(icon, nullptr, widget.data());
                return style->QProxyStyle::standardIcon(icon, nullptr, widget.data());
            }));
    }
};

bool plainLoopAsked = false;

// Qt's own event loop rather than GLib's, unless the environment says otherwise: GLib's wakes itself with a
// system call for every event posted, and every control made posts one. The switch is read as the
// application object starts, then taken back so that programs started from here do not inherit it.
int& withPlainEventLoop(int& argc) {
    plainLoopAsked = !qEnvironmentVariableIsSet("QT_NO_GLIB");
    if (plainLoopAsked)
        qputenv("QT_NO_GLIB", "1");
    return argc;
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(withPlainEventLoop(argc), argv) {
    if (plainLoopAsked)
        qunsetenv("QT_NO_GLIB");
    setStyle(new ProgramStyle);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showUnexpectedFailure(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showUnexpectedFailure(QStringLiteral("Errore imprevisto."));
    }
    return false;
}

bool useItalian() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // One translator for the application object's life.
    static QPointer<QTranslator> translator;
    if (translator)
        return true;
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete loaded;
        return false;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
    return true;
}

void showUnexpectedFailure(const QString& text) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    showError(parent, text);
}

} // namespace platform

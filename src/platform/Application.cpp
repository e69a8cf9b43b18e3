#include "platform/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>

#include <exception>

namespace platform {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {}

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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Veicolario"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace platform

// The program's application object: Qt's own windows in Italian, standard icons read from their files only
// when first drawn, and one error box for a failure that no handler caught.
#pragma once

#include <QApplication>

namespace platform {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // A failure that leaves a handler is shown in an error box with its text; the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// Loads Qt's Italian translations and makes Italian the default locale, whatever the machine's language;
// false when the translations are not installed (the locale is set all the same).
bool useItalian();

// The error box of a failure that reached the event delivery: its text, an error icon and OK alone.
void showUnexpectedFailure(const QString& text);

} // namespace platform

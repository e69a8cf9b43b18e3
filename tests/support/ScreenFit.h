// Whether a window is usable on a small screen: its frame inside the screen's free area, and none of its
// visible controls past the window's edges or beyond what scrolling reaches.
#pragma once

#include "common/WindowRegistry.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace testsupport {

// Makes a window for a table of cases (one row per window); the test owns what it makes through the
// window registry or deletes it.
using WindowMaker = std::function<QWidget*()>;

// A maker of a W held by the window registry, as the program holds its windows.
template <class W> WindowMaker registered() {
    return [] {
        auto* window = new W;
        common::WindowRegistry::instance().add(window);
        return static_cast<QWidget*>(window);
    };
}

// How the window's frame leaves the screen's free area ("frame x,y wxh on wxh"), or an empty text when it
// fits.
QString frameOutsideScreen(const QWidget* window);

// The visible controls that reach past the window's edges, and the scrolled panels that scrolling does not
// reach to the end, by name.
QStringList cutControls(const QWidget* window);

// Whether the control's text loses part of its glyphs when the control draws it at font in the room it has:
// a label's text, or the text of an entry field or a drop-down with the tallest letters it may show. Twins of
// the control draw it in that room and in a larger one, and the pictures tell.
bool textCutAt(const QWidget* control, const QFont& font);

// The visible texts that their controls cut, by name with the room they have: labels, line edits and
// drop-downs (whose glyphs lose a part), buttons, group box titles and the calendars' day names.
QStringList clippedTexts(const QWidget* window);

// Saves a picture of the window for a person to look at, when VEICOLARIO_LOOK names a folder.
void lookAtWindow(QWidget* window, const QString& name);

// Shows the window, runs shown (a panel opened, say) once it is on screen, saves its picture under the
// current data tag, and fails the current test when its frame leaves the screen, a control is cut or a
// text does not fit its control.
void checkFitsScreen(QWidget* window, const std::function<void(QWidget*)>& shown = {});

// One window of a folder's screen test: its name, its maker, and a step once it shows (a second panel
// opened, say).
struct ScreenRow {
    const char* name;
    WindowMaker make;
    std::function<void(QWidget*)> shown = {};
};

// A folder's windows on a small screen, one row each: every window is made in a fresh program folder on the
// same day, after prepare (the files its windows read), and held to checkFitsScreen.
class ScreenFitTest : public QObject {
    Q_OBJECT
public:
    ScreenFitTest(QList<ScreenRow> rows, std::function<void()> prepare);

private Q_SLOTS:
    void init();
    void cleanup();
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();

private:
    QList<ScreenRow> rows_;
    std::function<void()> prepare_;
};

// The main of a folder's screen test.
int runScreenFit(int argc, char** argv, QList<ScreenRow> rows, std::function<void()> prepare = {});

} // namespace testsupport

Q_DECLARE_METATYPE(testsupport::WindowMaker)

// Base of the list windows: records as fixed-width lines in a sorted list, find in list, list print, and
// load from list.
#pragma once

#include "common/Archive.h"
#include "common/Dialog.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace platform {
class Report;
}

namespace common {

// Sorts lines with the program's comparison (a-z folded, then character codes, a prefix first).
void sortLines(QStringList& lines);

// Find in list over lines: returns the line to select, or -1 when the list is empty. selected is the line
// selected now (-1 for none); lastSearch is the window kind's last find text, updated here.
int findInList(const QStringList& lines, int selected, const QString& typed, QString& lastSearch);

// The layout "Riepilogo dati" of every list print.
std::unique_ptr<platform::Report> makeRiepilogoDati();
// Puts the title and the lines into a "Riepilogo dati" report and sets the memo and band heights.
void fillRiepilogoDati(platform::Report& report, const QString& title, const QStringList& lines);

// Scans an archive for the records whose rebuilt line equals the chosen one (both trimmed), among the
// listed record numbers only (ascending), and hands the last of them in file order to load. Returns
// false when none matches.
bool loadMatchingRecords(ArchiveFile& archive, const QString& chosen, const std::vector<qint64>& listed,
                         const std::function<QString(const Record&)>& lineOf,
                         const std::function<void(qint64 number, const Record&)>& load);

// Stops the program: form has no control of that name, so the form and its code disagree.
[[noreturn]] void missingControl(const QWidget* form, const char* name);
// A control of form by its objectName.
template <class T> T* requiredControl(const QWidget* form, const char* name) {
    T* control = form->findChild<T*>(QLatin1String(name));
    if (!control)
        missingControl(form, name);
    return control;
}

class ListWindow : public Dialog {
    Q_OBJECT
public:
    explicit ListWindow(QWidget* parent = nullptr);
    ~ListWindow() override;

    // The lines as shown, in list order.
    const QStringList& lines() const { return lines_; }
    int selectedIndex() const;
    void selectIndex(int index);
    platform::Report& frxReport() { return *report_; }

public Q_SLOTS:
    void btnTrovaClick();
    virtual void btnStampaClick(); // a list with its own print overrides it
    void btnChiudiClick();
    void lstRecordsDblClick();

protected:
    // Binds the controls of the window's form; find and its button may be absent.
    void bindList(QListView* list, QPushButton* print, QPushButton* closeButton, QLineEdit* find = nullptr,
                  QPushButton* findButton = nullptr, QWidget* findMark = nullptr);
    // The same by the controls' names: lstRecords, btnStampa and btnChiudi, and txtTrova, btnTrova and
    // effTrova where the form has them.
    void bindListByName();
    // Shows the lines, sorted unless the window keeps its own order; one fill, not one line at a time.
    // numbers are the records listed, in file order; a load from the list considers only those.
    void setLines(QStringList lines, std::vector<qint64> numbers = {});
    const std::vector<qint64>& listedNumbers() const { return numbers_; }
    void clearLines();
    void setSorted(bool sorted) { sorted_ = sorted; }
    // The width of every line in the list, wider than the box so long lines scroll sideways.
    void setItemWidth(int width);

    // Runs when the window closes, before the lines are removed.
    virtual void FormClose() {}
    // The find text of this window kind, kept for the run; nullptr for a window without find.
    virtual QString* UltimaRicerca() { return nullptr; }
    virtual QString printTitle() const = 0;
    // Whether a double-click loads the chosen line's record into a card; a window without it ignores
    // double-clicks. Each list window says which it is.
    virtual bool hasLoadFromList() const = 0;
    // Loads the record of the chosen line (trimmed); throws on failure. The window closes afterwards.
    virtual void loadChosen(const QString& chosen) { Q_UNUSED(chosen); }
    // Empties the find text and the selection; windows with find in list call it when shown.
    void resetFind();

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Load from list on line index (-1: no line chosen), then close; nothing without load from list.
    void loadFromLine(int index);

    QListView* list_ = nullptr;
    QStringListModel* model_ = nullptr;
    QLineEdit* find_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QWidget* findMark_ = nullptr;
    QStringList lines_;
    std::vector<qint64> numbers_;
    bool sorted_ = true;
    int itemWidth_ = 1600;
    std::unique_ptr<platform::Report> report_;
};

} // namespace common

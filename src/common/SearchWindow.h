// Base of the search windows: ten filters over one archive, the results shown as a list window.
#pragma once

#include "common/ListWindow.h"

#include <QList>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace common {

// A filter counts when its trimmed text is not empty.
int countFilters(const QStringList& filters);
// The filters that occur, as typed and with a-z/A-Z folded, in their values. A filter that does not count
// (empty or blanks only) never hits.
int countHits(const QStringList& filters, const QStringList& values);

// The controls of a search window's form, in the order of the filters' Enter chain.
struct SearchControls {
    QList<QLineEdit*> filters;
    QList<QWidget*> highlights; // one per filter
    QPushButton* btnCerca = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblConta = nullptr;
    QLabel* lblAttendere = nullptr;
    QLabel* lblTrovate = nullptr;
    QWidget* panAvvio = nullptr;
    QWidget* panContainer = nullptr;
    QLineEdit* txtTrova = nullptr;
    QWidget* effTrova = nullptr; // the find box's frame, shown while it has the focus
    QPushButton* btnTrova = nullptr;
};

class SearchWindow : public ListWindow {
    Q_OBJECT
public:
    explicit SearchWindow(QWidget* parent = nullptr);

public Q_SLOTS:
    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();

protected:
    // Binds the form: the filters with their highlights, in the order of their Enter chain; the other
    // controls are found by their names (btnCerca, btnAnnulla, lblConta, lblAttendere, lblTrovate, panAvvio,
    // panContainer, lstRecords, btnStampa, btnChiudi, txtTrova, btnTrova, and effTrova where the form has
    // it).
    void bindSearch(const QList<QLineEdit*>& filters, const QList<QWidget*>& highlights);
    // The same with every control given.
    void bindSearch(const SearchControls& controls, QListView* list, QPushButton* print,
                    QPushButton* closeButton);

    virtual ArchiveFile openArchive() = 0;
    // The field that each filter searches, in filter order.
    virtual QList<int> filterFields() const = 0;
    virtual QString lineOf(const Record& record) const = 0;
    virtual QString countText(int count) const = 0;
    // A record picked from the list; called for every record whose line equals the chosen one.
    virtual void pick(qint64 number, const Record& record) = 0;

    void FormShow() override;
    void FormClose() override;
    bool hasLoadFromList() const override { return true; }
    void loadChosen(const QString& chosen) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SearchControls c_;
};

} // namespace common

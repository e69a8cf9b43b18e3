// Base of the search windows: ten filters over one archive, the results shown as a list window.
#pragma once

#include "common/ListWindow.h"

#include <QList>

#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class SearchResults;
}

namespace common {

// A filter counts when its trimmed text is not empty.
int countFilters(const QStringList& filters);
// The filters that occur, as typed and with a-z/A-Z folded, in their values. A filter that does not count
// (empty or blanks only) never hits.
int countHits(const QStringList& filters, const QStringList& values);

// The controls of a search window's filter page, the filters in the order of their Enter chain.
struct SearchControls {
    QList<QLineEdit*> filters;
    QList<QWidget*> highlights; // one per filter
    QPushButton* btnCerca = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblConta = nullptr;
    QLabel* lblAttendere = nullptr;
    QWidget* panAvvio = nullptr;
    QFrame* panContainer = nullptr; // the results page
};

class SearchWindow : public ListWindow {
    Q_OBJECT
public:
    explicit SearchWindow(QWidget* parent = nullptr);
    ~SearchWindow() override;

    // Whether the results page has the yellow frame effTrova behind its find box.
    enum class FindFrame { Without, With };

public Q_SLOTS:
    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();

protected:
    // Builds the results page, the same in every search window, into the form's empty panContainer and
    // binds the form: the filters with their highlights, in the order of their Enter chain; the filter
    // page's other controls are found by their names (btnCerca, btnAnnulla, lblConta, lblAttendere,
    // panAvvio). The window keeps the size of its form.
    void bindSearch(const QList<QLineEdit*>& filters, const QList<QWidget*>& highlights, FindFrame frame);

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
    std::unique_ptr<Ui::SearchResults> results_;
};

} // namespace common

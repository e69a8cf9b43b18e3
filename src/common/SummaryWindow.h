// A list of the records of one archive that a rule selects, one line each, with find and print; a
// double-click loads the chosen record into its card. Each kind of summary is one table row.
#pragma once

#include "common/ListWindow.h"

#include <QString>

#include <functional>

namespace common {

// What sets one summary apart from the others.
struct SummaryKind {
    const char* instanceName;
    const char* caption;    // UTF-8; the title label shows it trimmed
    const char* printTitle; // UTF-8
    std::function<bool(const Record&)> selects;
    QString (*lineOf)(const Record& record);
    QString* lastFind; // the find text of this kind, kept for the run
};

class SummaryWindow : public ListWindow {
    Q_OBJECT
public:
    SummaryWindow(const SummaryKind& kind, QWidget* parent);

protected:
    // After the form is set up: names, captions and binds the window; the form's controls are found by
    // their names (lblTitolo, lstRecords, btnStampa, btnChiudi, txtTrova, btnTrova, effTrova).
    void bindSummary();
    // The archive listed, opened.
    virtual ArchiveFile openArchive() = 0;
    // Puts a chosen record into its card; throws when that fails.
    virtual void loadIntoCard(qint64 number, const Record& record) = 0;

    void FormShow() override;
    QString printTitle() const override;
    QString* UltimaRicerca() override { return kind_.lastFind; }
    bool hasLoadFromList() const override { return true; }
    void loadChosen(const QString& chosen) override;
    const SummaryKind& kind() const { return kind_; }

private:
    const SummaryKind& kind_;
};

} // namespace common

// The schedule's summaries (work to do, work done, appointments to confirm) and its search, each listing
// appointments of the opened year and loading one into the appointment card.
#pragma once

#include "common/SearchWindow.h"
#include "common/SummaryWindow.h"

#include <memory>

class TfrmScadenzario;

namespace Ui {
class frmRiepilogo;
class frmTrovaScadenzario;
} // namespace Ui

namespace maintenance {

// The schedule window that owns a list: its owner when it is one, the program's one otherwise.
TfrmScadenzario* scheduleWindow(QWidget* owner);

class ScheduleSummary : public common::SummaryWindow {
    Q_OBJECT
public:
    ScheduleSummary(const common::SummaryKind& kind, QWidget* parent);
    ~ScheduleSummary() override;

protected:
    common::ArchiveFile openArchive() override;
    void loadIntoCard(qint64 number, const common::Record& record) override;

private:
    std::unique_ptr<Ui::frmRiepilogo> ui;
};

} // namespace maintenance

class TfrmConfermati : public maintenance::ScheduleSummary {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget* parent = nullptr);
};

class TfrmNonConfermati : public maintenance::ScheduleSummary {
    Q_OBJECT
public:
    explicit TfrmNonConfermati(QWidget* parent = nullptr);
};

class TfrmDaConfermare : public maintenance::ScheduleSummary {
    Q_OBJECT
public:
    explicit TfrmDaConfermare(QWidget* parent = nullptr);
};

class TfrmTrovaScadenzario : public common::SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenzario(QWidget* parent = nullptr);
    ~TfrmTrovaScadenzario() override;

    // Who opened the search: "Scadenzario" lets a double-click load the card.
    void setCallerTag(const QString& tag);

protected:
    common::ArchiveFile openArchive() override;
    QList<int> filterFields() const override;
    QString lineOf(const common::Record& record) const override;
    QString countText(int count) const override;
    QString printTitle() const override;
    QString* UltimaRicerca() override;
    void pick(qint64 number, const common::Record& record) override;

private:
    std::unique_ptr<Ui::frmTrovaScadenzario> ui;
};

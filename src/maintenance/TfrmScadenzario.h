// The maintenance schedule: a start panel with the imminence alarm and the calendar, and the card of
// one appointment of the opened year.
#pragma once

#include "common/CardForm.h"
#include "common/Form.h"
#include "common/VehicleReceiver.h"

#include <QDate>
#include <QList>

#include <memory>

class QComboBox;

namespace Ui {
class frmScadenzario;
}
namespace common {
class CardFields;
class StatusHints;
} // namespace common
namespace platform {
class MediaPlayer;
class Report;
} // namespace platform

class TfrmScadenzario : public common::Form, public common::CardForm, public common::VehicleReceiver {
    Q_OBJECT
public:
    explicit TfrmScadenzario(QWidget* parent = nullptr);
    ~TfrmScadenzario() override;

    // The opened year's file (lblFile), trimmed; empty before a year is opened.
    QString yearFile() const;
    // The day chosen on the calendar.
    QDate calendarDate() const;
    void setVehicle(const common::PickedVehicle& vehicle) override;
    // The twenty values of the appointment sheet, from the card as it stands (saved or not).
    QStringList sheetValues() const;
    // The card's controls of the record's 23 text fields, in record order.
    QList<QWidget*> recordControls() const { return controls_; }

public Q_SLOTS:
    void btnApriClick();
    void btnOKClick();
    void btnGiornoClick();
    void btnMeseClick();
    void imgGuidaClick();
    void imgEsciClick();
    void cmdImportaClick();
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdDaConfermareClick();
    void cmdDaEffettuareClick();
    void cmdEffettuateClick();
    void cmdEsciClick();
    void btnCodFiscClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    common::ArchiveFile openArchive() override;
    void clearFields() override;
    QWidget* firstField() const override;
    void recordToFields(const common::Record& record) override;
    void fieldsToRecord(common::Record& record) const override;
    void beforeSave() override;
    bool checkBeforeSave() override;
    bool duplicateOpensArchive() const override { return true; }
    void duplicateFields() override;

private:
    void scanImminent();
    void resetDateTime();
    void fieldExit(QWidget* field);
    std::unique_ptr<Ui::frmScadenzario> ui;
    QList<QWidget*> controls_;
    QList<QComboBox*> lists_;
    common::CardFields* fields_ = nullptr;
    common::StatusHints* hints_ = nullptr;
    platform::MediaPlayer* player_ = nullptr;
    std::unique_ptr<platform::Report> sheet_; // made on the first print
};

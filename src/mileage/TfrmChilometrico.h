// The mileage card: one maintenance due at a given mileage at a time, its due mileage and status, and the
// windows about the mileage schedule.
#pragma once

#include "common/CardForm.h"
#include "common/Form.h"
#include "common/VehicleReceiver.h"

#include <QList>

#include <memory>

class QLineEdit;

namespace Ui {
class frmChilometrico;
}
namespace common {
class CardFields;
class StatusHints;
struct CardPrintContent;
} // namespace common

class TfrmChilometrico : public common::Form, public common::CardForm, public common::VehicleReceiver {
    Q_OBJECT
public:
    explicit TfrmChilometrico(QWidget* parent = nullptr);
    ~TfrmChilometrico() override;

    // The vehicle chosen in the vehicle picker.
    void setVehicle(const common::PickedVehicle& vehicle) override;
    // What the card print prints: the card on show, as the fields show it.
    common::CardPrintContent printContent() const;

public Q_SLOTS:
    void cmdImportaClick();
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdScaduteClick();
    void cmdDaEffettuareClick();
    void cmdEffettuateClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCalcolaClick();
    void btnControllaClick();
    void btnDataRilClick();
    void impDataIntClick();
    void impDataAttClick();
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
    QList<common::RequiredField> requiredFields() const override;
    bool duplicateOpensArchive() const override { return true; }
    void duplicateFields() override;

private:
    // The status rule after the due-mileage rule; false when the status part failed.
    bool statusPart();
    void apriCalendario(const QString& tag);
    QLineEdit* edit(int field) const { return edits_.at(field); }

    std::unique_ptr<Ui::frmChilometrico> ui;
    // The edit of each record field, by field number; null for the status and the done flag.
    QList<QLineEdit*> edits_;
    QList<QLineEdit*> kmFields_;
    common::CardFields* fields_ = nullptr;
    common::StatusHints* hints_ = nullptr;
    bool decorated_ = false;
};

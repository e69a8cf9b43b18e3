// The cost card: one cost of a costs year file at a time, and the windows about the year's costs.
#pragma once

#include "common/CardForm.h"
#include "common/Form.h"
#include "common/VehicleReceiver.h"

#include <QList>

#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class frmCosti;
}
namespace common {
class CardFields;
class StatusHints;
} // namespace common

class TfrmCosti : public common::Form, public common::CardForm, public common::VehicleReceiver {
    Q_OBJECT
public:
    explicit TfrmCosti(QWidget* parent = nullptr);
    ~TfrmCosti() override;

    // The costs menu hands over the year: the file, the caption and the year label.
    void openYear(const QString& file, const QString& caption, const QString& year);
    // The path of the costs year file open in the card.
    QString costFile() const;
    // The controls of the 24 record fields, in record order.
    QList<QWidget*> recordControls() const { return controls_; }
    void setVehicle(const common::PickedVehicle& vehicle) override;

    // The title and rows of the card print: label and value, from the texts on show.
    static QString printTitle();
    QList<std::pair<QString, QString>> printRows() const;

public Q_SLOTS:
    void cmdTrovaClick();
    void cmdImportaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdSospeseClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void txtTargaChange(const QString& text);

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
    void duplicateFields() override {}

private:
    bool refuse(QWidget* field, const QString& warning);
    void clearListSelections(std::initializer_list<QComboBox*> lists);
    std::unique_ptr<Ui::frmCosti> ui;
    QList<QWidget*> controls_;
    QList<QWidget*> enterOrder_; // the fields, in their Enter order
    common::CardFields* fields_ = nullptr;
    common::StatusHints* hints_ = nullptr;
};

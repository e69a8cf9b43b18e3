// The vehicle card: one record of the vehicle archive at a time, its photo, and the windows about it.
#pragma once

#include "common/CardForm.h"
#include "common/Form.h"
#include "fleet/VehiclePhoto.h"

#include <QList>

#include <memory>

class QLineEdit;

namespace Ui {
class frmVeicolario;
}
namespace common {
class CardFields;
class StatusHints;
} // namespace common

class TfrmVeicolario : public common::Form, public common::CardForm {
    Q_OBJECT
public:
    explicit TfrmVeicolario(QWidget* parent = nullptr);
    ~TfrmVeicolario() override;

    // The attachments window's apply: the three attached file names and their descriptions.
    void applyAttachments(const QStringList& files, const QStringList& descriptions);

    // The photo box, for the windows that read or fill the card's picture.
    fleet::PhotoBox& photo() { return *photo_; }
    // Loads the photo of the number on show; the placeholder when there is none.
    void ApriFotoScheda();
    // Saves the photo box under the number on show; false when it did not reach the disk, the picture then
    // stays on show.
    bool SalvaFotoScheda();
    // The controls of the 38 record fields, in record order: 32 edits, then the six hidden labels.
    QList<QWidget*> recordControls() const { return controls_; }

public Q_SLOTS:
    void cmdTrovaClick();
    void cmdFileClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdSlideshowClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCaricaFotoClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnZoomFotoClick();
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
    void afterLoad(qint64 number) override;
    void beforeSave() override;
    QList<common::RequiredField> requiredFields() const override;
    void afterSave(qint64 number) override;
    void duplicateFields() override;

private:
    std::unique_ptr<Ui::frmVeicolario> ui;
    void apriCalendario(const QString& tag);
    QList<QWidget*> controls_;
    std::unique_ptr<fleet::PhotoBox> photo_;
    common::CardFields* fields_ = nullptr;
    common::StatusHints* hints_ = nullptr;
};

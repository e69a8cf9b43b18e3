// The documents attached to a vehicle card: three files copied into "Documenti_Allegati", each with a
// description, handed back to the card on apply.
#pragma once

#include "common/Dialog.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class frmAllegaCartella;
}
namespace fleet {
// The folder of the attached documents, without a trailing separator.
QString attachmentsFolder();
} // namespace fleet

class TfrmAllegaCartella : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* owner = nullptr);
    ~TfrmAllegaCartella() override;

    // Opens on the caller's tag (lblMemory) and its three attachments, file names and descriptions.
    void showSlots(const QString& callerTag, const QStringList& files, const QStringList& descriptions);

public Q_SLOTS:
    void btnSfoglia01Click() { sfoglia(0); }
    void btnSfoglia02Click() { sfoglia(1); }
    void btnSfoglia03Click() { sfoglia(2); }
    void btnApri01Click() { apri(0); }
    void btnApri02Click() { apri(1); }
    void btnApri03Click() { apri(2); }
    void imgCancella01Click() { cancella(0); }
    void imgCancella02Click() { cancella(1); }
    void imgCancella03Click() { cancella(2); }
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    std::unique_ptr<Ui::frmAllegaCartella> ui;
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* apri;
    };
    void sfoglia(int slot);
    void apri(int slot);
    void cancella(int slot);
    Slot slots_[3];
};

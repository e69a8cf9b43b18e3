#include "fleet/TfrmAllegaCartella.h"

#include "common/CommandTable.h"
#include "common/Misc.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "fleet/TfrmVeicolario.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "ui_TfrmAllegaCartella.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

using common::Trim;

namespace {

const QString kAskOverwrite = QString::fromUtf8(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");
const QString kCopyFailed = QString::fromUtf8(
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti allegati.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

QString attachmentPath(const QString& name) {
    return fleet::attachmentsFolder() + QLatin1Char('/') + name;
}

} // namespace

namespace fleet {

QString attachmentsFolder() {
    return platform::programPath(QStringLiteral("Documenti_Allegati"));
}

} // namespace fleet

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmAllegaCartella>()) {
    ui->setupUi(this);
    setFixedSize(size());
    setCentredOnOwner(true);
    slots_[0] = {ui->txtFile01, ui->txtDesc01, ui->btnApri01};
    slots_[1] = {ui->txtFile02, ui->txtDesc02, ui->btnApri02};
    slots_[2] = {ui->txtFile03, ui->txtDesc03, ui->btnApri03};
    for (const Slot& slot : slots_) {
        QPushButton* apri = slot.apri;
        connect(slot.file, &QLineEdit::textChanged, apri,
                [apri](const QString& name) { apri->setEnabled(!Trim(name).isEmpty()); });
    }
    for (QToolButton* b : {ui->imgCancella01, ui->imgCancella02, ui->imgCancella03})
        common::drawOnFirstShow(b, [](QWidget* button) {
            static_cast<QToolButton*>(button)->setIcon(
                button->style()->standardIcon(QStyle::SP_DialogDiscardButton));
        });
    connect(ui->btnSfoglia01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia01Click);
    connect(ui->btnSfoglia02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia02Click);
    connect(ui->btnSfoglia03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia03Click);
    connect(ui->btnApri01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri01Click);
    connect(ui->btnApri02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri02Click);
    connect(ui->btnApri03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri03Click);
    connect(ui->imgCancella01, &QToolButton::clicked, this, &TfrmAllegaCartella::imgCancella01Click);
    connect(ui->imgCancella02, &QToolButton::clicked, this, &TfrmAllegaCartella::imgCancella02Click);
    connect(ui->imgCancella03, &QToolButton::clicked, this, &TfrmAllegaCartella::imgCancella03Click);
    connect(ui->btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
}

TfrmAllegaCartella::~TfrmAllegaCartella() = default;

void TfrmAllegaCartella::sfoglia(int slot) {
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Selezionare il file da allegare:");
    // Every file, names without a dot included.
    request.filter = QStringLiteral("Tutti i file (*)");
    const QString source = platform::askFileName(this, request);
    if (source.isEmpty())
        return;
    const QString name = QFileInfo(source).fileName();
    if (!QDir().mkpath(fleet::attachmentsFolder())) {
        platform::showPlain(this, kCopyFailed); // the slot keeps what it named
        return;
    }
    const QString destination = attachmentPath(Trim(name));
    if (QFileInfo::exists(destination) && !platform::askYesNo(this, kAskOverwrite)) {
        // The slot names the file already in the folder.
        slots_[slot].file->setText(name);
        return;
    }
    // Only a file that is really in the folder is named by the slot; a failed copy leaves the folder's file
    // as it was and says so.
    if (platform::copyFileReplacing(source, destination))
        slots_[slot].file->setText(name);
    else
        platform::showPlain(this, kCopyFailed);
}

void TfrmAllegaCartella::apri(int slot) {
    TMisc::Open(QLatin1Char('"') + attachmentPath(Trim(slots_[slot].file->text())) + QLatin1Char('"'));
}

void TfrmAllegaCartella::cancella(int slot) {
    slots_[slot].file->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
    if (Trim(ui->lblMemory->text()) != QLatin1String("veicolario"))
        return;
    if (auto* card = common::sharedWindow<TfrmVeicolario>(QStringLiteral("frmVeicolario"))) {
        QStringList files, descriptions;
        for (const Slot& slot : slots_) {
            files.append(Trim(slot.file->text()));
            descriptions.append(Trim(slot.desc->text()));
        }
        card->applyAttachments(files, descriptions);
    }
    close();
}

void TfrmAllegaCartella::btnAnnullaClick() {
    close();
}

void TfrmAllegaCartella::showSlots(const QString& callerTag, const QStringList& files,
                                   const QStringList& descriptions) {
    ui->lblMemory->setText(callerTag);
    for (int k = 0; k < 3; ++k) {
        slots_[k].file->setText(files.value(k));
        slots_[k].desc->setText(descriptions.value(k));
    }
}

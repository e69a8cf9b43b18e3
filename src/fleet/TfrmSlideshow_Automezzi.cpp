#include "fleet/TfrmSlideshow_Automezzi.h"

#include "common/CommandTable.h"
#include "common/Text.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/VehiclePhoto.h"
#include "platform/Dialogs.h"
#include "platform/Images.h"
#include "ui_TfrmSlideshow_Automezzi.h"

#include <QDir>
#include <QTimer>

namespace {

constexpr int kStepMs = 6000;

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kArchiveFailed =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                   "installazione del programma.");

} // namespace

TfrmSlideshow_Automezzi::TfrmSlideshow_Automezzi(QWidget* owner)
    : fleet::PhotoViewer(owner)
    , ui(std::make_unique<Ui::frmSlideshow_Automezzi>()) {
    ui->setupUi(this);
    setUpViewer(ui->panContainer, ui->imgFoto);
    common::drawOnFirstShow(ui->imgBianco, [](QWidget* label) {
        static_cast<QLabel*>(label)->setPixmap(QPixmap::fromImage(fleet::placeholderPicture()));
    });
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(kStepMs);
    connect(Timer, &QTimer::timeout, ui->cmdAvanti, &QToolButton::click);
    connect(ui->cmdAvanti, &QToolButton::clicked, this, &TfrmSlideshow_Automezzi::cmdAvantiClick);
}

TfrmSlideshow_Automezzi::~TfrmSlideshow_Automezzi() = default;

void TfrmSlideshow_Automezzi::FormShow() {
    fleet::PhotoViewer::FormShow();
    setPicture(fleet::placeholderPicture());
    Timer->start();
}

void TfrmSlideshow_Automezzi::showHeld(int kind, const QString& text) {
    const bool running = Timer->isActive();
    Timer->stop();
    platform::showKinded(this, static_cast<platform::MsgKind>(kind), text);
    if (running && isVisible())
        Timer->start();
}

void TfrmSlideshow_Automezzi::cmdAvantiClick() {
    qint64 shown = 0;
    try {
        common::ArchiveFile archive = fleet::openVehicleArchive();
        if (common::Trim(ui->lblPosizione->text()).isEmpty())
            ui->lblPosizione->setText(QStringLiteral("0"));
        const qint64 p = common::Trim(ui->lblPosizione->text()).toLongLong();
        const qint64 count = archive.count();
        if (count == 0) {
            ui->lblPosizione->clear();
            archive.close();
            Timer->stop();
            platform::showKinded(this, platform::MsgKind::Information, kEmptyArchive);
            close();
            return;
        }
        if (p < count) {
            archive.read(p + 1);
            shown = p + 1;
            ui->lblPosizione->setText(QString::number(shown));
        } else {
            // After the last record (or past the end of an archive that was replaced): a pause, then
            // record 1.
            ui->lblPosizione->setText(QStringLiteral("0"));
        }
        archive.close();
    } catch (const std::exception&) {
        showHeld(int(platform::MsgKind::Error), kArchiveFailed);
        return;
    }
    if (shown == 0)
        return;
    // A missing or unreadable photo is no failure: the placeholder shows.
    QDir().mkpath(fleet::photoFolder());
    const auto loaded = platform::loadPicture(fleet::photoPath(QString::number(shown)));
    setPicture(loaded ? loaded->image : fleet::placeholderPicture());
}

#include "platform/MediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace platform {

struct MediaPlayer::Backend {
    QAudioOutput output;
    QMediaPlayer player;
    Backend() { player.setAudioOutput(&output); }
};

MediaPlayer::MediaPlayer(QObject* parent)
    : QObject(parent) {}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setFileName(const QString& path) {
    fileName_ = path;
}

bool MediaPlayer::hasMedia() const {
    const QFileInfo info(fileName_);
    return !fileName_.isEmpty() && info.isFile() && info.isReadable();
}

void MediaPlayer::play() {
    if (!hasMedia())
        return;
    if (!backend_)
        backend_ = std::make_unique<Backend>();
    // Errors of the media service (no device, a file it cannot decode) are left silent.
    backend_->player.stop();
    backend_->player.setSource(QUrl::fromLocalFile(fileName_));
    backend_->player.play();
    ++playCount_;
}

void MediaPlayer::stop() {
    if (backend_)
        backend_->player.stop();
}

} // namespace platform

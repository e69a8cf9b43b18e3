// The sound back end on Qt Multimedia, loaded by MediaPlayer on the first sound: Qt Multimedia and the
// sound system it brings then cost nothing at start.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QString>
#include <QUrl>

namespace {

struct Sound {
    QAudioOutput output;
    QMediaPlayer player;
    Sound() { player.setAudioOutput(&output); }
};

} // namespace

extern "C" {

Q_DECL_EXPORT void* veicolarioSoundCreate() {
    return new Sound;
}

Q_DECL_EXPORT void veicolarioSoundPlay(void* sound, const QString* path) {
    auto* s = static_cast<Sound*>(sound);
    // Errors of the media service (no device, a file it cannot decode) are left silent.
    s->player.stop();
    s->player.setSource(QUrl::fromLocalFile(*path));
    s->player.play();
}

Q_DECL_EXPORT void veicolarioSoundStop(void* sound) {
    static_cast<Sound*>(sound)->player.stop();
}

Q_DECL_EXPORT void veicolarioSoundDestroy(void* sound) {
    delete static_cast<Sound*>(sound);
}

} // extern "C"

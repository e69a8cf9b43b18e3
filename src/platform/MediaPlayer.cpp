#include "platform/MediaPlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <optional>

namespace platform {

namespace {

// The sound back end beside the executable, loaded once; without it every sound stays silent.
struct SoundModule {
    void* (*create)();
    void (*play)(void*, const QString*);
    void (*stop)(void*);
    void (*destroy)(void*);
};

const SoundModule* soundModule() {
    static const std::optional<SoundModule> module = []() -> std::optional<SoundModule> {
        QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/veicolario_sound"));
        if (!library.load())
            return std::nullopt;
        SoundModule m{
            reinterpret_cast<void* (*)()>(library.resolve("veicolarioSoundCreate")),
            reinterpret_cast<void (*)(void*, const QString*)>(library.resolve("veicolarioSoundPlay")),
            reinterpret_cast<void (*)(void*)>(library.resolve("veicolarioSoundStop")),
            reinterpret_cast<void (*)(void*)>(library.resolve("veicolarioSoundDestroy")),
        };
        if (!m.create || !m.play || !m.stop || !m.destroy)
            return std::nullopt;
        return m;
    }();
    return module ? &*module : nullptr;
}

} // namespace

struct MediaPlayer::Backend {
    const SoundModule* module;
    void* sound;
    explicit Backend(const SoundModule* m)
        : module(m)
        , sound(m->create()) {}
    ~Backend() { module->destroy(sound); }
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;
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
        if (const SoundModule* module = soundModule())
            backend_ = std::make_unique<Backend>(module);
    if (backend_)
        backend_->module->play(backend_->sound, &fileName_);
    ++playCount_;
}

void MediaPlayer::stop() {
    if (backend_)
        backend_->module->stop(backend_->sound);
}

} // namespace platform

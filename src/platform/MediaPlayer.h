// A sound player on the system's media service; a missing file or no audio device stays silent.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace platform {

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    // The file to play; a player holds a medium when the file is a regular file.
    void setFileName(const QString& path);
    QString fileName() const { return fileName_; }
    bool hasMedia() const;
    // Plays the file once from its start; nothing happens without a medium.
    void play();
    void stop();
    // Times play() started a sound, for tests.
    int playCount() const { return playCount_; }

private:
    struct Backend;
    std::unique_ptr<Backend> backend_; // made on the first play, so creating a window stays cheap
    QString fileName_;
    int playCount_ = 0;
};

} // namespace platform

// Arbitrary bytes as a vehicle photo: the load gives a picture or nothing, never a crash or an unbounded
// allocation.
#include "platform/Images.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString& photoPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Scheda_Veicolo_1.jpg"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The picture formats come from Qt's plugins, which need the application object.
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(photoPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const auto picture = platform::loadPicture(photoPath());
    if (picture &&
        (picture->image.isNull() || qint64(picture->image.width()) * picture->image.height() > 100'000'000))
        __builtin_trap();
    if (picture && !picture->fileBytes.isEmpty() && picture->fileBytes.size() != qsizetype(size))
        __builtin_trap();
    return 0;
}

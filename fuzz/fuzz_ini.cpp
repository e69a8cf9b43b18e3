// Arbitrary bytes as a settings file: the value is read, written and read back; nothing may crash, and the
// write changes only the line of its key.
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace {

const QString& iniPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Veicolario.ini"));
    return path;
}

QByteArray readBack() {
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray before(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(iniPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(before);
    }
    const QString section = QStringLiteral("Accesso");
    const QString key = QStringLiteral("Valore");
    try {
        platform::readProfileString(iniPath(), section, key, QString());
        const QString other =
            platform::readProfileString(iniPath(), QStringLiteral("Z"), QStringLiteral("k"), "-");
        if (!platform::writeProfileString(iniPath(), section, key, QStringLiteral("5310E8AD")))
            __builtin_trap(); // a small regular file is always written
        if (platform::readProfileString(iniPath(), section, key, QString()) != QLatin1String("5310E8AD"))
            __builtin_trap();
        // Another section's key reads as it did, unless that section is the one written (names fold a-z).
        if (platform::readProfileString(iniPath(), QStringLiteral("Z"), QStringLiteral("k"), "-") != other)
            __builtin_trap();
        // Writing the same value again changes nothing.
        const QByteArray once = readBack();
        if (!platform::writeProfileString(iniPath(), section, key, QStringLiteral("5310E8AD")) ||
            readBack() != once)
            __builtin_trap();
    } catch (const std::runtime_error&) {
    }
    return 0;
}

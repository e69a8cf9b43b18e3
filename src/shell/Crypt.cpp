#include "shell/Crypt.h"

#include "common/Failure.h"
#include "platform/ProgramFolder.h"

#include <QList>

#include <cstdint>

namespace shell {

namespace {

constexpr std::uint16_t kInitialKey = 4279;
constexpr std::uint16_t kMultiplier = 47093;
constexpr std::uint16_t kAddend = 58261;

std::uint16_t step(std::uint16_t key, std::uint8_t b) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(key + b) * kMultiplier + kAddend) & 0xFFFF);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString EncryptPassword(const QString& password) {
    static const char kHex[] = "0123456789ABCDEF";
    std::uint16_t key = kInitialKey;
    QString out;
    out.reserve(password.size() * 2);
    for (const QChar ch : password) {
        const auto b = static_cast<std::uint8_t>((ch.unicode() & 0xFF) ^ (key >> 8));
        out.append(QLatin1Char(kHex[b >> 4]));
        out.append(QLatin1Char(kHex[b & 0xF]));
        key = step(key, b);
    }
    return out;
}

QString DecryptPassword(const QString& stored) {
    const qsizetype n = stored.size() / 2;
    QList<std::uint8_t> pairs;
    pairs.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexDigit(stored.at(2 * i));
        const int lo = hexDigit(stored.at(2 * i + 1));
        if (hi < 0 || lo < 0)
            throw common::Failure("not a hexadecimal pair in the stored password");
        pairs.append(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    std::uint16_t key = kInitialKey;
    QString out;
    out.reserve(n);
    for (const std::uint8_t b : pairs) {
        out.append(QChar(char16_t(b ^ (key >> 8))));
        key = step(key, b);
    }
    return out;
}

QString passwordFilePath() {
    return platform::programPath(QStringLiteral("unins000.dll"));
}

} // namespace shell

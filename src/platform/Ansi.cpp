#include "platform/Ansi.h"

#include <array>
#include <cstring>

namespace platform {

namespace {

// 0x80-0x9F; 0 marks the five codes that Windows-1252 leaves undefined (read as the same C1 code).
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Every byte's character.
constexpr std::array<char16_t, 256> kDecode = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) ? kHigh[b - 0x80] : char16_t(b);
    return table;
}();

} // namespace

char toAnsiChar(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    if (u >= 0x80 && u <= 0x9F) // undefined codes pass through; the rest of C1 is unmappable
        return kHigh[u - 0x80] == 0 ? char(u) : '?';
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u)
            return char(0x80 + i);
    return '?';
}

QByteArray toAnsi(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(toAnsi(text, out.data(), out.size()));
    return out;
}

qsizetype toAnsi(QStringView text, char* out, qsizetype room) {
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size() && written < room; ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() < 0x80) {
            out[written++] = char(ch.unicode());
            continue;
        }
        // A surrogate pair is one character outside the code page: one '?'.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out[written++] = toAnsiChar(ch);
    }
    return written;
}

QString fromAnsi(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    fromAnsi(data, size, reinterpret_cast<char16_t*>(out.data()));
    return out;
}

void fromAnsi(const char* data, qsizetype size, char16_t* out) {
    qsizetype i = 0;
    // Eight bytes at a time while they are ASCII, which stands for itself.
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, sizeof word);
        if (word & 0x8080808080808080ULL)
            break;
        for (int k = 0; k < 8; ++k)
            out[i + k] = char16_t(static_cast<unsigned char>(data[i + k]));
    }
    for (; i < size; ++i)
        out[i] = kDecode[static_cast<unsigned char>(data[i])];
}

QString fromAnsi(const QByteArray& bytes) {
    return fromAnsi(bytes.constData(), bytes.size());
}

} // namespace platform

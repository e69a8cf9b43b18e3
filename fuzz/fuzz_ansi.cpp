// The Windows-1252 codec: every byte string comes back unchanged, and any text converts to bytes that
// convert back to the same bytes.
#include "platform/Ansi.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = platform::fromAnsi(bytes);
    if (text.size() != bytes.size() || platform::toAnsi(text) != bytes)
        __builtin_trap();
    // The same bytes read as UTF-16, unpaired surrogates and all.
    const QString utf16(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    const QByteArray encoded = platform::toAnsi(utf16);
    if (encoded.size() > utf16.size() || platform::toAnsi(platform::fromAnsi(encoded)) != encoded)
        __builtin_trap();
    // A character the code page holds converts to its byte and back to itself.
    for (const QChar c : utf16) {
        const char b = platform::toAnsiChar(c);
        if (c != u'?' && b != '?' && platform::fromAnsi(QByteArray(1, b)) != QString(c))
            __builtin_trap();
    }
    return 0;
}

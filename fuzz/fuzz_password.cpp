// Arbitrary text as a stored password: it unscrambles or fails with the one error type; any password of at
// most 255 characters scrambles and comes back as it was.
#include "common/Failure.h"
#include "shell/Crypt.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const QString plain = shell::DecryptPassword(text);
        if (plain.size() != text.size() / 2)
            __builtin_trap();
    } catch (const common::Failure&) {
    }
    const QString password = text.left(255);
    const QString stored = shell::EncryptPassword(password);
    if (stored.size() != 2 * password.size())
        __builtin_trap();
    for (const QChar c : stored)
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            __builtin_trap();
    if (shell::DecryptPassword(stored) != password || shell::DecryptPassword(stored.toLower()) != password)
        __builtin_trap();
    return 0;
}

#include "common/Text.h"

#include <algorithm>

namespace common {

namespace {
inline char16_t fold(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}
} // namespace

QString Trim(const QString& s) {
    const QStringView kept = TrimmedView(s);
    return kept.size() == s.size() ? s : kept.toString();
}

QStringView TrimmedView(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b).unicode() <= 32)
        ++b;
    while (e > b && s.at(e - 1).unicode() <= 32)
        --e;
    return s.sliced(b, e - b);
}

QString UpperAZ(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        c = QChar(fold(c.unicode()));
    return out;
}

int CompareFolded(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = fold(pa[i].unicode());
        const char16_t cb = fold(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool ContainsFolded(const QString& hay, const QString& needle) {
    if (needle.isEmpty())
        return true;
    const qsizetype n = needle.size();
    const qsizetype last = hay.size() - n;
    for (qsizetype i = 0; i <= last; ++i) {
        qsizetype j = 0;
        while (j < n && fold(hay.at(i + j).unicode()) == fold(needle.at(j).unicode()))
            ++j;
        if (j == n)
            return true;
    }
    return false;
}

QString LeftStr(const QString& s, int n) {
    return n <= 0 ? QString() : s.left(n);
}

QString PadCut(const QString& s, int n) {
    if (n <= 0)
        return QString();
    if (s.size() >= n)
        return s.left(n);
    return s + QString(n - s.size(), QLatin1Char(' '));
}

QString RightStr(const QString& s, int n) {
    return n <= 0 ? QString() : s.right(n);
}

QString Mid(const QString& s, int start, int n) {
    if (n <= 0 || start > s.size())
        return QString();
    if (start < 1) {
        n -= 1 - start;
        start = 1;
    }
    return n <= 0 ? QString() : s.mid(start - 1, n);
}

bool IsNumeric(const QString& s) {
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace common

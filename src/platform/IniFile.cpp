#include "platform/IniFile.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/SafeFile.h"

#include <optional>
#include <stdexcept>

namespace platform {

namespace {

// No settings file of the program comes near this; a larger one is not ours.
constexpr qint64 kMaxProfileBytes = 64 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

QByteArray trimmedBytes(const QByteArray& b) {
    qsizetype s = 0, e = b.size();
    while (s < e && isBlank(b.at(s)))
        ++s;
    while (e > s && isBlank(b.at(e - 1)))
        --e;
    return b.mid(s, e - s);
}

char foldAZ(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (foldAZ(a.at(i)) != foldAZ(b.at(i)))
            return false;
    return true;
}

// One line of the file, kept with its own line ending.
struct Line {
    QByteArray bytes;
    std::optional<QByteArray> section() const {
        const QByteArray t = trimmedBytes(bytes);
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            if (close > 0)
                return trimmedBytes(t.mid(1, close - 1));
        }
        return std::nullopt;
    }
    std::optional<QByteArray> key() const {
        const QByteArray t = trimmedBytes(bytes);
        if (t.isEmpty() || t.startsWith(';') || t.startsWith('['))
            return std::nullopt;
        const qsizetype eq = t.indexOf('=');
        if (eq < 0)
            return std::nullopt;
        return trimmedBytes(t.left(eq));
    }
    QByteArray value() const {
        const QByteArray t = trimmedBytes(bytes);
        QByteArray v = trimmedBytes(t.mid(t.indexOf('=') + 1));
        if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
            v = v.mid(1, v.size() - 2);
        return v;
    }
};

QList<Line> splitLines(const QByteArray& content) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype nl = content.indexOf('\n', start);
        const qsizetype end = nl < 0 ? content.size() : nl + 1;
        lines.append(Line{content.mid(start, end - start)});
        start = end;
    }
    return lines;
}

// Index of the key's line in section, and the index after the section's last line.
struct Where {
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype sectionEnd = -1;
};

Where locate(const QList<Line>& lines, const QByteArray& section, const QByteArray& key) {
    Where w;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto s = lines[i].section()) {
            if (inside)
                break;
            inside = sameName(*s, section);
            if (inside) {
                w.sectionLine = i;
                w.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!trimmedBytes(lines[i].bytes).isEmpty())
            w.sectionEnd = i + 1;
        if (auto k = lines[i].key(); k && w.keyLine < 0 && sameName(*k, key))
            w.keyLine = i;
    }
    return w;
}

} // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue) {
    const WholeFile file = readWholeFile(path, kMaxProfileBytes);
    if (file.status == WholeFile::Missing)
        return defaultValue;
    if (file.status != WholeFile::Read)
        throw std::runtime_error("cannot read the settings file " + path.toStdString());
    const QList<Line> lines = splitLines(file.bytes);
    const Where w = locate(lines, toAnsi(section), toAnsi(key));
    if (w.keyLine < 0)
        return defaultValue;
    return fromAnsi(lines[w.keyLine].value());
}

bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    const WholeFile file = readWholeFile(path, kMaxProfileBytes);
    if (file.status == WholeFile::Failed)
        return false;
    QList<Line> lines = splitLines(file.bytes);
    const QByteArray keyBytes = toAnsi(key);
    const QByteArray entry = keyBytes + '=' + toAnsi(value);
    const Where w = locate(lines, toAnsi(section), keyBytes);
    if (w.keyLine >= 0) {
        const QByteArray& old = lines[w.keyLine].bytes;
        const QByteArray ending =
            old.endsWith("\r\n") ? QByteArray("\r\n") : QByteArray(old.endsWith('\n') ? "\n" : "");
        lines[w.keyLine].bytes = entry + ending;
    } else {
        if (!lines.isEmpty() && !lines.last().bytes.endsWith('\n'))
            lines.last().bytes += "\r\n";
        if (w.sectionLine >= 0) {
            lines.insert(w.sectionEnd, Line{entry + "\r\n"});
        } else {
            lines.append(Line{'[' + toAnsi(section) + "]\r\n"});
            lines.append(Line{entry + "\r\n"});
        }
    }
    SafeFile out(path);
    if (!out.open())
        return false;
    for (const Line& l : lines)
        if (!out.write(l.bytes))
            return false;
    return out.commit();
}

} // namespace platform

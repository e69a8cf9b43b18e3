// Arbitrary bytes as a vehicle archive: every record and every field is read; nothing may crash.
#include "common/Archive.h"
#include "common/Failure.h"
#include "fleet/SchedaVeicolo.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString& archivePath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Parco_Automezzi.pro"));
    return path;
}

void readAll(const common::Record& record) {
    const common::RecordLayout& layout = record.layout();
    for (int f = 0; f < layout.count(); ++f) {
        const QString text = record.get(f);
        if (text.size() > layout.width(f))
            __builtin_trap(); // a field never reads longer than its width
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(archivePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        common::ArchiveFile archive =
            common::ArchiveFile::atPath(archivePath(), fleet::SchedaVeicolo::layout());
        const qint64 count = archive.count();
        if (count != qint64(size) / fleet::kVehicleRecordSize)
            __builtin_trap();
        qint64 visited = 0;
        archive.forEach([&](qint64, const common::Record& record) {
            ++visited;
            readAll(record);
        });
        if (visited != count)
            __builtin_trap();
        for (qint64 n = 1; n <= count; ++n)
            readAll(archive.read(n));
        // A record rewritten from what was read stays the same size: the archive never grows or shrinks.
        if (count > 0) {
            common::Record copy(fleet::SchedaVeicolo::layout());
            const common::Record last = archive.read(count);
            for (int f = 0; f < copy.layout().count(); ++f)
                copy.set(f, last.get(f));
            archive.overwrite(count, copy);
            if (archive.count() != count || archive.read(count).get(0) != last.get(0))
                __builtin_trap();
        }
    } catch (const common::Failure&) {
    }
    return 0;
}

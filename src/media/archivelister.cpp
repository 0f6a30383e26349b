#include "media/archivelister.h"

#include "media/archivereader.h"
#include "media/utf8names.h"

#include <archive.h>
#include <archive_entry.h>

bool IsArchiveName(const QString &name)
{
    static const char *const endings[]
        = {".zip", ".7z",   ".rar", ".cab",    ".tar", ".tar.gz",  ".tgz",  ".tar.bz2",
           ".tbz", ".tbz2", ".tb2", ".tar.xz", ".txz", ".tar.zst", ".tzst", ".tar.zstd"};
    for (const char *ending : endings) {
        if (name.endsWith(QLatin1String(ending), Qt::CaseInsensitive)
            && name.size() > qsizetype(qstrlen(ending)))
            return true;
    }
    return false;
}

ArchiveListing ListArchive(ByteStream &in, EntryTree &tree, const MediaLimits &limits)
{
    const Utf8Names utf8;
    ArchiveReader reader(in, limits);
    archive *a = reader.get();
    archive_read_support_format_zip(a);
    archive_read_support_format_7zip(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_cab(a);
    archive_read_support_filter_gzip(a);
    archive_read_support_filter_bzip2(a);
    archive_read_support_filter_xz(a);
    archive_read_support_filter_zstd(a);

    ArchiveListing result;
    const auto fail = [&](const QString &reason) {
        result.bOk = false;
        result.reason = reason;
        return result;
    };
    if (!reader.Open())
        return fail(QStringLiteral("damaged or of an unknown kind (%1)").arg(reader.ErrorText()));

    qsizetype count = 0;
    archive_entry *entry = nullptr;
    int r;
    while ((r = archive_read_next_header(a, &entry)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
        if (limits.Cancelled())
            return fail(QStringLiteral("cancelled"));
        if (archive_entry_is_encrypted(entry))
            return fail(QStringLiteral("encrypted"));
        if (++count > limits.maxArchiveEntries)
            return fail(QStringLiteral("too many entries"));
        const char *path = archive_entry_pathname_utf8(entry);
        if (!path)
            path = archive_entry_pathname(entry);
        const mode_t type = archive_entry_filetype(entry);
        if (!path || (type != AE_IFDIR && type != AE_IFREG && type != 0))
            continue; // links and devices are not files of the disc
        // Zips made on Windows may separate folders with backslashes.
        if (tree.AddPath(QByteArray(path), type == AE_IFDIR, qint64(archive_entry_size(entry)),
                         true)
                < 0
            && tree.Full())
            return fail(QStringLiteral("too many entries"));
    }
    if (r != ARCHIVE_EOF) {
        if (archive_read_has_encrypted_entries(a) > 0)
            return fail(QStringLiteral("encrypted"));
        return fail(QStringLiteral("damaged or of an unknown kind (%1)").arg(reader.ErrorText()));
    }
    if (archive_read_has_encrypted_entries(a) > 0)
        return fail(QStringLiteral("encrypted"));
    result.bOk = true;
    return result;
}

QString ArchiveHoldingPath(const QString &catalogPath)
{
    const qsizetype rootEnd = catalogPath.indexOf(u'\\');
    if (rootEnd < 0)
        return {};
    // Only folders count: the last name is the file itself.
    for (qsizetype end = catalogPath.indexOf(u'\\', rootEnd + 1); end >= 0;
         end = catalogPath.indexOf(u'\\', end + 1)) {
        const qsizetype start = catalogPath.lastIndexOf(u'\\', end - 1) + 1;
        if (IsArchiveName(catalogPath.mid(start, end - start)))
            return catalogPath.left(end);
    }
    return {};
}

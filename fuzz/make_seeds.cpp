#include "store/archive.h"
#include "store/treetext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <clocale>
#include <cstdio>

namespace {

la_ssize_t appendBytes(archive *, void *out, const void *data, size_t size)
{
    static_cast<QByteArray *>(out)->append(static_cast<const char *>(data), qsizetype(size));
    return la_ssize_t(size);
}

// A small archive or ISO image written by libarchive: two folders, three files.
QByteArray written(int format, int filter, const char *options,
                   const QList<QPair<QByteArray, QByteArray>> &extra = {})
{
    QByteArray out;
    archive *a = archive_write_new();
    archive_write_set_format(a, format);
    archive_write_add_filter(a, filter);
    if (options)
        archive_write_set_options(a, options);
    archive_write_set_bytes_in_last_block(a, 1);
    archive_write_open2(a, &out, nullptr, appendBytes, nullptr, nullptr);
    QList<QPair<QByteArray, QByteArray>> entries
        = {{"Music/", {}}, {"Music/Live/", {}}, {"Music/Live/Song.MP3", "la la"},
           {"Music/\xc3\x9c" "ber.txt", "x"}, {"Readme.TXT", "hello"}};
    entries += extra;
    for (const auto &[path, data] : entries) {
        archive_entry *e = archive_entry_new();
        const bool bFolder = path.endsWith('/');
        archive_entry_set_pathname_utf8(e, path.constData());
        archive_entry_set_filetype(e, bFolder ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(e, bFolder ? 0755 : 0644);
        archive_entry_set_size(e, data.size());
        archive_write_header(a, e);
        archive_write_data(a, data.constData(), size_t(data.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    return out;
}

// A UDF bridge image made by genisoimage, when it is installed.
QByteArray udfImage()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("src/Music"));
    QFile song(dir.filePath(QStringLiteral("src/Music/Song With A Long Name.MP3")));
    if (!song.open(QIODevice::WriteOnly) || song.write("la la") != 5)
        return {};
    song.close();
    QProcess tool;
    tool.start(QStringLiteral("genisoimage"),
               {QStringLiteral("-quiet"), QStringLiteral("-udf"), QStringLiteral("-o"),
                dir.filePath(QStringLiteral("udf.iso")), dir.filePath(QStringLiteral("src"))});
    if (!tool.waitForFinished() || tool.exitCode() != 0)
        return {};
    QFile image(dir.filePath(QStringLiteral("udf.iso")));
    return image.open(QIODevice::ReadOnly) ? image.readAll() : QByteArray();
}

} // namespace

// Writes small, real catalogue files into <dir>/{discs,files,categories,treetext}/.
int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus-dir>\n", argv[0]);
        return 2;
    }
    // libarchive's writers need a locale that holds the non-ASCII names.
    std::setlocale(LC_ALL, "C.UTF-8");
    const QString root = QString::fromLocal8Bit(argv[1]);
    auto put = [&](const char *kind, const char *name, const QByteArray &bytes) {
        QDir().mkpath(root + u'/' + QLatin1String(kind));
        QFile f(root + u'/' + QLatin1String(kind) + u'/' + QLatin1String(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };

    CDiscList discs;
    CFileList files;
    QList<TreeTextLine> tree;
    for (int d = 1; d <= 3; ++d) {
        CDisc disc;
        disc.m_strNumber = QString::number(d);
        disc.m_strName = d == 2 ? QStringLiteral("Fotos \u00e9t\u00e9 \u65e5\u672c") : QStringLiteral("Holiday");
        disc.m_strDrive = QStringLiteral("SR0:\\");
        disc.m_strSavedDate = QStringLiteral("December 05, 2026");
        if (d == 3)
            disc.m_lstCategories = {QStringLiteral("Music"), QStringLiteral("Video")};
        discs.prepend(disc);
        tree.append({0, disc.m_strNumber + u' ' + disc.m_strName});
        tree.append({1, QStringLiteral("Photos")});
        tree.append({2, QStringLiteral("Day1")});
        tree.append({1, QStringLiteral("\u041c\u0443\u0437\u044b\u043a\u0430")});
        for (int i = 0; i < 4; ++i) {
            CFileData file;
            file.m_strFileName = QStringLiteral("Song%1.MP3").arg(i);
            file.m_strDiscNumber = disc.m_strNumber;
            file.m_strFolder = QStringLiteral("sr0:\\photos\\day1\\");
            file.m_strDrive = QStringLiteral("sr0:\\");
            file.m_strSize = QString::number(1500 * i + 7);
            if (i == 1)
                file.m_lstCategories = {QStringLiteral("Komedy")};
            files.append(file);
        }
    }
    const QStringList cats = {QStringLiteral("Komedy"), QStringLiteral("Drama"), QStringLiteral("\u00c4rger")};
    bool ok = put("discs", "data.dat", WriteDiscList(discs)) && put("discs", "empty.dat", WriteDiscList({}))
        && put("files", "filedata.dat", WriteFileList(files)) && put("files", "empty.dat", WriteFileList({}))
        && put("categories", "cat.dat", WriteStringList(cats))
        && put("treetext", "tree.tkdt", WriteTreeText(tree))
        && put("treetext", "mixed-ends.tkdt", QByteArray("1 A\r\n\tB\r\t\tC\n\n\t\t\t\tD\r\n2 E"));

    const QByteArray zip = written(ARCHIVE_FORMAT_ZIP, ARCHIVE_FILTER_NONE, nullptr);
    ok = ok && put("archives", "a.zip", zip)
        && put("archives", "a.7z", written(ARCHIVE_FORMAT_7ZIP, ARCHIVE_FILTER_NONE, nullptr))
        && put("archives", "a.tar", written(ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_NONE, nullptr))
        && put("archives", "a.tar.gz", written(ARCHIVE_FORMAT_TAR_PAX_RESTRICTED, ARCHIVE_FILTER_GZIP, nullptr))
        && put("archives", "a.tar.bz2", written(ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_BZIP2, nullptr))
        && put("archives", "a.tar.xz", written(ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_XZ, nullptr))
        && put("archives", "a.tar.zst", written(ARCHIVE_FORMAT_TAR_USTAR, ARCHIVE_FILTER_ZSTD, nullptr))
        && put("images", "rockridge-joliet.iso",
               written(ARCHIVE_FORMAT_ISO9660, ARCHIVE_FILTER_NONE, "rockridge,joliet",
                       {{"Backup/", {}}, {"Backup/photos.zip", zip}}))
        && put("images", "plain.iso", written(ARCHIVE_FORMAT_ISO9660, ARCHIVE_FILTER_NONE, "!rockridge,!joliet"));
    const QByteArray udf = udfImage();
    if (!udf.isEmpty())
        ok = ok && put("images", "udf-bridge.iso", udf);
    return ok ? 0 : 1;
}

#include "media/imagereader.h"

#include "media/archivelister.h"
#include "media/archivereader.h"
#include "media/bytestream.h"
#include "media/utf8names.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <cdio/iso9660.h>
#include <cdio/logging.h>
#include <udfread/blockinput.h>
#include <udfread/udfread.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kBlock = 2048;
// Archives up to this size inside an ISO image are read into memory, so that formats whose
// directory lies at the end (7z, zip) can be read; larger ones are read as a stream.
constexpr qint64 kArchiveInMemory = 64 * 1024 * 1024;
// What libarchive may read for one entry's header. It reads a folder's records when it
// comes to the folder, so this is more than the records of the largest real folder; a
// damaged image whose folders lead back into each other would otherwise make it read, and
// allocate, without end.
constexpr qint64 kHeaderReadBudget = 32 * 1024 * 1024;

// The image's bytes for libudfread, from a file or from memory.
struct BlockInput
{
    udfread_block_input base {};
    int fd = -1;
    const MemoryStream *memory = nullptr;
    qint64 size = 0;

    qint64 ReadAt(qint64 offset, void *buffer, qint64 n) const
    {
        if (memory)
            return memory->ReadAt(offset, buffer, n);
        qint64 done = 0;
        while (done < n) {
            const ssize_t got = ::pread(fd, static_cast<char *>(buffer) + done, size_t(n - done),
                                        off_t(offset + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            done += got;
        }
        return done;
    }
};

int readBlocks(udfread_block_input *input, uint32_t lba, void *buffer, uint32_t count, int)
{
    const auto *self = reinterpret_cast<const BlockInput *>(input);
    const qint64 got = self->ReadAt(qint64(lba) * kBlock, buffer, qint64(count) * kBlock);
    return int(got / kBlock);
}

uint32_t sizeInBlocks(udfread_block_input *input)
{
    return uint32_t(qMin<qint64>(reinterpret_cast<const BlockInput *>(input)->size / kBlock,
                                 std::numeric_limits<uint32_t>::max()));
}

// A file inside a UDF image, seekable.
class UdfFileStream final : public ByteStream
{
public:
    explicit UdfFileStream(UDFFILE *file) : m_file(file) { }
    qint64 Read(void *buffer, qint64 size) override
    {
        return qint64(udfread_file_read(m_file, buffer, size_t(size)));
    }
    bool CanSeek() const override { return true; }
    qint64 Seek(qint64 offset, int whence) override
    {
        const int how = whence == SEEK_CUR ? UDF_SEEK_CUR
            : whence == SEEK_END           ? UDF_SEEK_END
                                           : UDF_SEEK_SET;
        return qint64(udfread_file_seek(m_file, offset, how));
    }

private:
    UDFFILE *m_file;
};

// The data of the current entry of an ISO reader, read once from the start.
class EntryDataStream final : public ByteStream
{
public:
    explicit EntryDataStream(archive *outer) : m_outer(outer) { }
    qint64 Read(void *buffer, qint64 size) override
    {
        return qint64(archive_read_data(m_outer, buffer, size_t(size)));
    }

private:
    archive *m_outer;
};

QByteArray nameBytes(const char *name)
{
    return name ? QByteArray(name) : QByteArray();
}

bool isDotName(const QByteArray &name)
{
    return name.isEmpty() || name == "." || name == "..";
}

void listArchive(ByteStream &in, int file, EntryTree &tree, ImageContents &out,
                 const MediaLimits &limits)
{
    EntryTree inner(qMin(limits.maxArchiveEntries + 1, limits.maxEntries));
    const ArchiveListing listing = ListArchive(in, inner, limits);
    if (!listing.bOk)
        out.archiveFailures.insert(file, listing.reason);
    else if (!tree.GraftArchive(file, inner))
        out.archiveFailures.insert(file, QStringLiteral("too many entries"));
}

// ---- UDF

struct UdfWalk
{
    const ImageOptions &options;
    EntryTree &tree;
    ImageContents &out;
    qsizetype count = 0; // entries read, names repeated within a folder included
};

void walkUdf(UdfWalk &walk, UDFDIR *dir, int node, int depth)
{
    udfread_dirent entry;
    while (udfread_readdir(dir, &entry)) {
        if (walk.options.limits.Cancelled() || walk.tree.Full())
            return;
        if (++walk.count > walk.options.limits.maxEntries) {
            walk.out.error = QStringLiteral("holds more files and folders than can be catalogued");
            return;
        }
        const QByteArray name = nameBytes(entry.d_name);
        if (isDotName(name))
            continue;
        if (entry.d_type == UDF_DT_DIR) {
            const int child = walk.tree.AddChild(node, name, true, 0);
            // A directory may name an ancestor: the depth bound ends such a loop.
            if (child < 0 || depth >= walk.options.limits.maxDepth)
                continue;
            if (UDFDIR *sub = udfread_opendir_at(dir, name.constData())) {
                walkUdf(walk, sub, child, depth + 1);
                udfread_closedir(sub);
            }
            continue;
        }
        UDFFILE *file = udfread_file_openat(dir, name.constData());
        const qint64 size = file ? qint64(udfread_file_size(file)) : 0;
        const int child = walk.tree.AddChild(node, name, false, size);
        if (file && child >= 0 && walk.options.bLookInside
            && IsArchiveName(walk.tree.At(child).name)) {
            UdfFileStream stream(file);
            listArchive(stream, child, walk.tree, walk.out, walk.options.limits);
        }
        if (file)
            udfread_file_close(file);
    }
}

bool readUdf(BlockInput &input, const ImageOptions &options, ImageContents &out)
{
    input.base.read = readBlocks;
    input.base.size = sizeInBlocks;
    udfread *udf = udfread_init();
    if (!udf)
        return false;
    if (udfread_open_input(udf, &input.base) < 0) {
        udfread_close(udf);
        return false;
    }
    out.format = QStringLiteral("UDF");
    if (const char *label = udfread_get_volume_id(udf))
        out.label = QString::fromUtf8(label).trimmed();
    out.tree = std::make_shared<EntryTree>(options.limits.maxEntries);
    if (UDFDIR *root = udfread_opendir(udf, "/")) {
        UdfWalk walk {options, *out.tree, out};
        walkUdf(walk, root, 0, 0);
        udfread_closedir(root);
        out.bOk = out.error.isEmpty();
    } else {
        out.error = QStringLiteral("is damaged: its UDF root folder cannot be read");
    }
    udfread_close(udf);
    return true;
}

// ---- ISO 9660

int findPath(const EntryTree &tree, const QByteArray &path)
{
    int node = 0;
    const QList<QByteArray> names = path.split('/');
    for (qsizetype i = 0; i < names.size() && node >= 0; ++i) {
        if (isDotName(names[i]))
            continue;
        node = tree.Find(node, names[i], i + 1 < names.size());
    }
    return node;
}

void readIso(ByteStream &in, const ImageOptions &options, ImageContents &out)
{
    const Utf8Names utf8;
    ArchiveReader reader(in, options.limits);
    archive *a = reader.get();
    archive_read_support_format_iso9660(a);
    if (!reader.Open()) {
        out.error = QStringLiteral("is not a disc image of a known kind (ISO 9660 or UDF)");
        return;
    }
    out.format = QStringLiteral("ISO 9660");
    out.tree = std::make_shared<EntryTree>(options.limits.maxEntries);
    EntryTree &tree = *out.tree;
    archive_entry *entry = nullptr;
    int r;
    // Counted as libarchive gives them, not as they land in the tree: a damaged image whose
    // folders lead back into each other gives the same paths again and again, and libarchive
    // keeps every one of them.
    qsizetype count = 0;
    for (;;) {
        reader.SetReadBudget(kHeaderReadBudget);
        r = archive_read_next_header(a, &entry);
        reader.SetReadBudget(-1);
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
            break;
        if (options.limits.Cancelled()) {
            out.error = QStringLiteral("was not read to the end: the scan was stopped");
            return;
        }
        if (++count > options.limits.maxEntries) {
            out.error = QStringLiteral("holds more files and folders than can be catalogued");
            return;
        }
        const char *path = archive_entry_pathname_utf8(entry);
        if (!path)
            path = archive_entry_pathname(entry);
        if (!path)
            continue;
        const mode_t type = archive_entry_filetype(entry);
        int node = -1;
        if (type == AE_IFDIR) {
            node = tree.AddPath(QByteArray(path), true, 0);
        } else if (type == AE_IFREG) {
            qint64 size = qint64(archive_entry_size(entry));
            // A second name of the same data comes as a link to the first, without a size.
            const char *target = archive_entry_hardlink_utf8(entry);
            if (target && size == 0) {
                const int first = findPath(tree, QByteArray(target));
                if (first > 0)
                    size = tree.At(first).size;
            }
            node = tree.AddPath(QByteArray(path), false, size);
            if (node > 0 && options.bLookInside && IsArchiveName(tree.At(node).name)) {
                if (size <= kArchiveInMemory) {
                    QByteArray data;
                    char buffer[64 * 1024];
                    la_ssize_t n;
                    while ((n = archive_read_data(a, buffer, sizeof buffer)) > 0
                           && data.size() <= kArchiveInMemory)
                        data.append(buffer, n);
                    MemoryStream stream(data.constData(), data.size());
                    listArchive(stream, node, tree, out, options.limits);
                } else {
                    EntryDataStream stream(a);
                    listArchive(stream, node, tree, out, options.limits);
                }
            }
        }
        if (node < 0 && tree.Full()) {
            out.error = QStringLiteral("holds more files and folders than can be catalogued");
            return;
        }
    }
    if (r != ARCHIVE_EOF) {
        out.error = QStringLiteral("is damaged: %1").arg(reader.ErrorText());
        return;
    }
    out.bOk = true;
}

void quietLibcdio()
{
    static const bool once = [] {
        cdio_log_set_handler([](cdio_log_level_t, const char *) {});
        return true;
    }();
    Q_UNUSED(once);
}

// The label and the size the image claims, from its ISO 9660 descriptors, when it has them.
void readIsoDescriptors(const QString &path, QString &label, qint64 &claimedSize)
{
    quietLibcdio();
    iso9660_t *iso = iso9660_open_ext(QFile::encodeName(path).constData(), ISO_EXTENSION_ALL);
    if (!iso)
        return;
    char *id = nullptr;
    if (iso9660_ifs_get_volume_id(iso, &id) && id)
        label = QString::fromUtf8(id).trimmed();
    std::free(id);
    iso9660_pvd_t pvd;
    if (iso9660_ifs_read_pvd(iso, &pvd))
        claimedSize = qint64(iso9660_get_pvd_space_size(&pvd)) * kBlock;
    iso9660_close(iso);
}

// Opens an image file to read; -1, with `error` saying why, for anything but a regular file
// that can be read.
int openImageFile(const QString &path, struct stat &st, QString &error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        return fd;
    error = fd < 0
        ? QStringLiteral("cannot be opened: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))
        : QStringLiteral("is not a file");
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// libudfread's input for an open image file.
BlockInput fileInput(int fd, const struct stat &st)
{
    BlockInput input;
    input.fd = fd;
    input.size = qint64(st.st_size);
    input.base.read = readBlocks;
    input.base.size = sizeInBlocks;
    return input;
}

ImageContents readFromStream(ByteStream &stream, BlockInput &input, const ImageOptions &options)
{
    ImageContents out;
    if (!readUdf(input, options, out)) {
        stream.Seek(0, SEEK_SET);
        readIso(stream, options, out);
    }
    if (out.bOk && out.tree && out.tree->Full()) {
        out.bOk = false;
        out.error = QStringLiteral("holds more files and folders than can be catalogued");
    }
    if (!out.bOk)
        out.tree.reset();
    return out;
}

} // namespace

ImageContents ReadImage(const QString &path, const ImageOptions &options)
{
    ImageContents out;
    struct stat st;
    const int fd = openImageFile(path, st, out.error);
    if (fd < 0)
        return out;
    FileStream stream(fd);
    BlockInput input = fileInput(fd, st);
    out = readFromStream(stream, input, options);
    ::close(fd);

    QString isoLabel;
    qint64 claimed = 0;
    readIsoDescriptors(path, isoLabel, claimed);
    if (out.label.isEmpty())
        out.label = isoLabel;
    // Reading the folders does not reach the end of the image, where a cut-off copy lacks
    // the data of its last files.
    if (out.bOk && claimed > qint64(st.st_size)) {
        out.bOk = false;
        out.tree.reset();
        out.error = QStringLiteral("is truncated: it should hold %1 bytes but holds %2")
                        .arg(claimed)
                        .arg(qint64(st.st_size));
    }
    return out;
}

ImageContents ReadImageBytes(QByteArrayView bytes, const ImageOptions &options)
{
    MemoryStream stream(bytes.data(), bytes.size());
    BlockInput input;
    input.memory = &stream;
    input.size = bytes.size();
    return readFromStream(stream, input, options);
}

ImageContents ProbeImage(const QString &path)
{
    ImageContents out;
    quietLibcdio();
    struct stat st;
    const int fd = openImageFile(path, st, out.error);
    if (fd < 0)
        return out;
    BlockInput input = fileInput(fd, st);
    if (udfread *udf = udfread_init()) {
        if (udfread_open_input(udf, &input.base) >= 0) {
            out.bOk = true;
            out.format = QStringLiteral("UDF");
            if (const char *label = udfread_get_volume_id(udf))
                out.label = QString::fromUtf8(label).trimmed();
        }
        udfread_close(udf);
    }
    ::close(fd);
    qint64 claimed = 0;
    QString isoLabel;
    readIsoDescriptors(path, isoLabel, claimed);
    if (!out.bOk && claimed > 0) {
        out.bOk = true;
        out.format = QStringLiteral("ISO 9660");
    }
    if (out.label.isEmpty())
        out.label = isoLabel;
    if (!out.bOk)
        out.error = QStringLiteral("is not a disc image of a known kind (ISO 9660 or UDF)");
    return out;
}

bool ExtractImageFile(const QString &imagePath, const QList<QByteArray> &names,
                      const QString &destination, QString &error)
{
    QFile target(destination);
    const auto copy = [&](ByteStream &from) {
        if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            error = target.errorString();
            return false;
        }
        char buffer[64 * 1024];
        qint64 n;
        while ((n = from.Read(buffer, sizeof buffer)) > 0) {
            if (target.write(buffer, n) != n) {
                error = target.errorString();
                return false;
            }
        }
        if (n < 0)
            error = QStringLiteral("the image cannot be read");
        return n == 0;
    };
    if (names.isEmpty()) {
        error = QStringLiteral("no file named");
        return false;
    }
    const int fd = ::open(QFile::encodeName(imagePath).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    BlockInput input = fileInput(fd, st);
    bool bDone = false;
    bool bUdf = false;
    if (udfread *udf = udfread_init()) {
        if (udfread_open_input(udf, &input.base) >= 0) {
            bUdf = true;
            UDFDIR *dir = udfread_opendir(udf, "/");
            for (qsizetype i = 0; dir && i + 1 < names.size(); ++i) {
                UDFDIR *sub = udfread_opendir_at(dir, names[i].constData());
                udfread_closedir(dir);
                dir = sub;
            }
            if (UDFFILE *file
                = dir ? udfread_file_openat(dir, names.last().constData()) : nullptr) {
                UdfFileStream stream(file);
                bDone = copy(stream);
                udfread_file_close(file);
            } else {
                error = QStringLiteral("the file is not in the image");
            }
            if (dir)
                udfread_closedir(dir);
        }
        udfread_close(udf);
    }
    if (!bUdf) {
        const Utf8Names utf8;
        FileStream stream(fd);
        const MediaLimits limits;
        ArchiveReader reader(stream, limits);
        archive_read_support_format_iso9660(reader.get());
        const QByteArray wanted = names.join('/');
        error = QStringLiteral("the file is not in the image");
        archive_entry *entry = nullptr;
        if (reader.Open()) {
            while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
                const char *path = archive_entry_pathname_utf8(entry);
                if (path && archive_entry_filetype(entry) == AE_IFREG && wanted == path) {
                    error.clear();
                    EntryDataStream data(reader.get());
                    bDone = copy(data);
                    break;
                }
            }
        }
    }
    ::close(fd);
    if (!bDone)
        target.remove();
    return bDone;
}

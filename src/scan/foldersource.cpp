#include "scan/foldersource.h"

#include "media/archivelister.h"
#include "media/bytestream.h"
#include "media/treesource.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PosixFolder final : public DiscFolder
{
public:
    explicit PosixFolder(int fd) : m_fd(fd)
    {
        struct stat st;
        if (::fstat(fd, &st) == 0)
            m_identity = {quint64(st.st_dev), quint64(st.st_ino)};
    }
    ~PosixFolder() override
    {
        if (m_dir)
            ::closedir(m_dir);
        else if (m_fd >= 0)
            ::close(m_fd);
    }

    QPair<quint64, quint64> Identity() const override { return m_identity; }

    bool List(QList<DiscEntry> &files, QList<DiscEntry> &folders,
              const std::function<bool()> &bStop) override
    {
        m_dir = ::fdopendir(m_fd);
        if (!m_dir)
            return false;
        for (;;) {
            errno = 0;
            const dirent *entry = ::readdir(m_dir);
            if (!entry)
                return errno == 0; // a read error part way keeps what was listed before it
            if (bStop && bStop())
                return true;
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            unsigned char type = entry->d_type;
            struct stat st;
            bool bHaveStat = false;
            if (type == DT_UNKNOWN) {
                if (::fstatat(m_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                bHaveStat = true;
                type = S_ISDIR(st.st_mode) ? DT_DIR
                    : S_ISREG(st.st_mode)  ? DT_REG
                    : S_ISLNK(st.st_mode)  ? DT_LNK
                                           : DT_UNKNOWN;
            }
            DiscEntry item;
            item.native = QByteArray(name);
            if (type == DT_DIR) {
                item.name = QString::fromUtf8(item.native);
                folders.append(std::move(item));
                continue;
            }
            if (type == DT_REG) {
                if (!bHaveStat && ::fstatat(m_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                    // Gone since it was listed; a read error of a damaged disc still names a
                    // file.
                    if (errno == ENOENT)
                        continue;
                    st.st_size = 0;
                }
            } else if (type == DT_LNK) {
                if (::fstatat(m_fd, name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                    continue;
            } else {
                continue; // devices, pipes and sockets are not files of a disc
            }
            item.size = qint64(st.st_size);
            item.name = QString::fromUtf8(item.native);
            files.append(std::move(item));
        }
    }

    std::unique_ptr<DiscFolder> Open(const DiscEntry &folder) override
    {
        const int fd = ::openat(m_fd, folder.native.constData(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        return fd < 0 ? nullptr : std::make_unique<PosixFolder>(fd);
    }

    std::unique_ptr<DiscFolder> OpenArchive(const DiscEntry &file, QString &why) override
    {
        const int fd = ::openat(m_fd, file.native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            why = QStringLiteral("cannot be read: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return nullptr;
        }
        const MediaLimits limits;
        auto tree = std::make_shared<EntryTree>(limits.maxArchiveEntries + 1);
        FileStream stream(fd);
        const ArchiveListing listing = ListArchive(stream, *tree, limits);
        ::close(fd);
        if (!listing.bOk) {
            why = listing.reason;
            return nullptr;
        }
        return std::make_unique<TreeFolder>(std::move(tree), 0);
    }

private:
    int m_fd;
    DIR *m_dir = nullptr;
    QPair<quint64, quint64> m_identity;
};

} // namespace

std::unique_ptr<DiscFolder> FolderSource::OpenRoot(QString &error)
{
    // The root may itself be a link (a folder named in TAVIKON_CDROM_ROOTS): following that
    // one is what the user asked for.
    const int fd
        = ::open(QFile::encodeName(m_strRoot).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    return std::make_unique<PosixFolder>(fd);
}

#include "scan/discwalk.h"

#include "platform/drivepaths.h"

#include <QFile>

#include <algorithm>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct DiscWalk::Entry
{
    std::string native; // short names stay inside the string, without an allocation
    QString name; // as the catalogue holds it
    qint64 size = 0;
};

DiscWalk::DiscWalk(QString nativeRoot, const QString &driveRoot, QString discNumber)
    : m_strNativeRoot(std::move(nativeRoot)),
      m_strDrive(driveRoot.toLower()),
      m_strDiscNumber(std::move(discNumber))
{ }

void DiscWalk::SetProgressHandler(std::function<void(const WalkProgress &)> handler,
                                  int nIntervalMs)
{
    m_progressHandler = std::move(handler);
    m_nIntervalMs = nIntervalMs;
}

bool DiscWalk::Run()
{
    m_sinceReport.start();
    // The root may itself be a link (a folder named in TAVIKON_CDROM_ROOTS): following that one
    // is what the user asked for.
    const int fd = ::open(QFile::encodeName(m_strNativeRoot).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        m_bRootReadable = false;
        m_lstUnreadable.append(m_strDrive);
        return !cancelled();
    }
    walkFolder(fd, 0, m_strDrive);
    if (!m_files.isEmpty())
        m_progress.file = m_files.last().m_strFileName;
    report(true);
    return !m_bCancelled;
}

void DiscWalk::report(bool bForce)
{
    if (!m_progressHandler)
        return;
    if (!bForce && m_sinceReport.elapsed() < m_nIntervalMs)
        return;
    m_sinceReport.restart();
    m_progressHandler(m_progress);
}

// Takes ownership of `fd`.
void DiscWalk::walkFolder(int fd, int depth, const QString &catalogFolder)
{
    struct stat self;
    if (::fstat(fd, &self) != 0)
        self = {};
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        m_lstUnreadable.append(catalogFolder);
        if (depth == 0)
            m_bRootReadable = false;
        return;
    }
    const int dirFd = ::dirfd(dir);
    m_openFolders.append({quint64(self.st_dev), quint64(self.st_ino)});

    QList<Entry> files;
    QList<Entry> folders;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry) {
            // A read error part way (a scratched disc) keeps what was listed before it.
            if (errno != 0)
                m_lstUnreadable.append(catalogFolder);
            break;
        }
        if (cancelled()) {
            m_bCancelled = true;
            break;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        unsigned char type = entry->d_type;
        struct stat st;
        bool bHaveStat = false;
        if (type == DT_UNKNOWN) {
            if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            bHaveStat = true;
            type = S_ISDIR(st.st_mode) ? DT_DIR
                : S_ISREG(st.st_mode)  ? DT_REG
                : S_ISLNK(st.st_mode)  ? DT_LNK
                                       : DT_UNKNOWN;
        }
        Entry item;
        item.native = name;
        if (type == DT_DIR) {
            item.name
                = CatalogName(QString::fromUtf8(item.native.data(), qsizetype(item.native.size())));
            folders.append(std::move(item));
            continue;
        }
        if (type == DT_REG) {
            if (!bHaveStat && ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                // Gone since it was listed; a read error of a damaged disc still names a file.
                if (errno == ENOENT)
                    continue;
                st.st_size = 0;
            }
        } else if (type == DT_LNK) {
            // A link to a file counts as that file; a link to a folder is never followed.
            if (::fstatat(dirFd, name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
        } else {
            continue; // devices, pipes and sockets are not files of a disc
        }
        item.size = qint64(st.st_size);
        item.name
            = CatalogName(QString::fromUtf8(item.native.data(), qsizetype(item.native.size())));
        files.append(std::move(item));
    }

    const auto byName = [](const Entry &a, const Entry &b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.native < b.native;
    };
    std::sort(files.begin(), files.end(), byName);
    std::sort(folders.begin(), folders.end(), byName);

    // The root's own files come after those of all its folders.
    if (depth > 0)
        recordFiles(files, catalogFolder);
    for (const Entry &folder : folders) {
        if (m_bCancelled || cancelled()) {
            m_bCancelled = true;
            break;
        }
        const int childFd = ::openat(dirFd, folder.native.c_str(),
                                     O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat st;
        if (childFd >= 0 && ::fstat(childFd, &st) == 0
            && m_openFolders.contains(
                QPair<quint64, quint64>(quint64(st.st_dev), quint64(st.st_ino)))) {
            ::close(childFd); // a folder that contains itself: listed once, not walked again
            m_folders.append({folder.name, depth + 1});
            continue;
        }
        m_folders.append({folder.name, depth + 1});
        m_progress.folder = folder.name;
        const QString childFolder = catalogFolder + folder.name.toLower() + u'\\';
        if (childFd < 0) {
            m_lstUnreadable.append(childFolder);
            continue;
        }
        walkFolder(childFd, depth + 1, childFolder);
    }
    if (depth == 0 && !m_bCancelled)
        recordFiles(files, catalogFolder);
    ::closedir(dir);
    m_openFolders.removeLast();
}

void DiscWalk::recordFiles(const QList<Entry> &files, const QString &catalogFolder)
{
    for (const Entry &entry : files) {
        if (cancelled()) {
            m_bCancelled = true;
            return;
        }
        CFileData record;
        record.m_strFileName = entry.name;
        record.m_strDiscNumber = m_strDiscNumber;
        record.m_strFolder = catalogFolder;
        record.m_strDrive = m_strDrive;
        record.m_strSize = QString::number(entry.size);
        m_files.append(std::move(record));
        ++m_progress.files;
        if (m_progressHandler && m_sinceReport.elapsed() >= m_nIntervalMs) {
            m_progress.file = entry.name;
            report(true);
        }
    }
}

#include "disclayout.h"

#include <QFile>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

DiscLayout::DiscLayout(const QString &root) : m_root(QFile::encodeName(root)) { }

bool DiscLayout::folder(const QByteArray &relative) const
{
    return ::mkdir((m_root + '/' + relative).constData(), 0755) == 0;
}

bool DiscLayout::file(const QByteArray &relative, qint64 size) const
{
    const int fd
        = ::open((m_root + '/' + relative).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::ftruncate(fd, off_t(size)) == 0;
    ::close(fd);
    return ok;
}

bool DiscLayout::link(const QByteArray &relative, const QByteArray &target) const
{
    return ::symlink(target.constData(), (m_root + '/' + relative).constData()) == 0;
}

QString DiscLayout::path(const QByteArray &relative) const
{
    return QFile::decodeName(relative.isEmpty() ? m_root : m_root + '/' + relative);
}

bool DiscLayout::clear() const
{
    const auto remove = [](const char *path, const struct stat *, int, struct FTW *at) {
        return at->level == 0 ? 0 : ::remove(path);
    };
    return ::nftw(m_root.constData(), remove, 16, FTW_DEPTH | FTW_PHYS) == 0;
}

#include "media/bytestream.h"

#include <cerrno>
#include <cstring>
#include <limits>

#include <unistd.h>

qint64 FileStream::Read(void *buffer, qint64 size)
{
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        return qint64(n);
    }
}

qint64 FileStream::Seek(qint64 offset, int whence)
{
    return qint64(::lseek(m_fd, off_t(offset), whence));
}

qint64 MemoryStream::ReadAt(qint64 offset, void *buffer, qint64 size) const
{
    if (offset < 0 || offset >= m_size || size <= 0)
        return 0;
    const qint64 n = qMin(size, m_size - offset);
    std::memcpy(buffer, m_data + offset, size_t(n));
    return n;
}

qint64 MemoryStream::Read(void *buffer, qint64 size)
{
    const qint64 n = ReadAt(m_pos, buffer, size);
    m_pos += n;
    return n;
}

qint64 MemoryStream::Seek(qint64 offset, int whence)
{
    const qint64 base = whence == SEEK_CUR ? m_pos : whence == SEEK_END ? m_size : 0;
    if (offset > 0 && base > std::numeric_limits<qint64>::max() - offset)
        return -1;
    const qint64 pos = base + offset;
    if (pos < 0)
        return -1;
    m_pos = pos;
    return pos;
}

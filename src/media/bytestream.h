#pragma once

#include <QtGlobal>

// Bytes to read an archive or an image from: a file on a disc, a file inside an image, or
// memory. Streams that cannot seek are read once from the start.
class ByteStream
{
public:
    virtual ~ByteStream() = default;
    // Reads up to `size` bytes; 0 at the end, -1 on an error.
    virtual qint64 Read(void *buffer, qint64 size) = 0;
    virtual bool CanSeek() const { return false; }
    // Moves to `offset` from the start (SEEK_SET), the current place or the end; returns the
    // new place or -1.
    virtual qint64 Seek(qint64 /*offset*/, int /*whence*/) { return -1; }
};

// A file descriptor, not owned.
class FileStream final : public ByteStream
{
public:
    explicit FileStream(int fd) : m_fd(fd) { }
    qint64 Read(void *buffer, qint64 size) override;
    bool CanSeek() const override { return true; }
    qint64 Seek(qint64 offset, int whence) override;

private:
    int m_fd;
};

// Bytes in memory, not owned.
class MemoryStream final : public ByteStream
{
public:
    MemoryStream(const void *data, qint64 size)
        : m_data(static_cast<const char *>(data)), m_size(size)
    { }
    qint64 Read(void *buffer, qint64 size) override;
    bool CanSeek() const override { return true; }
    qint64 Seek(qint64 offset, int whence) override;
    qint64 Size() const { return m_size; }
    qint64 ReadAt(qint64 offset, void *buffer, qint64 size) const;

private:
    const char *m_data;
    qint64 m_size;
    qint64 m_pos = 0;
};

#include "media/archivereader.h"

#include "media/bytestream.h"

#include <archive.h>

#include <cerrno>
#include <cstdio>

struct ArchiveReader::Client
{
    ByteStream *in;
    const MediaLimits *limits;
    qint64 budget = -1;
    char buffer[64 * 1024];
};

namespace {

using Client = ArchiveReader::Client;

la_ssize_t readCallback(archive *a, void *data, const void **block)
{
    auto *client = static_cast<Client *>(data);
    if (client->limits->Cancelled()) {
        archive_set_error(a, ECANCELED, "cancelled");
        return -1;
    }
    if (client->budget == 0) {
        archive_set_error(a, EFBIG, "it reads far more than it holds: its folders loop");
        return -1;
    }
    qint64 want = qint64(sizeof client->buffer);
    if (client->budget > 0)
        want = qMin(want, client->budget);
    *block = client->buffer;
    const qint64 n = client->in->Read(client->buffer, want);
    if (n < 0)
        archive_set_error(a, EIO, "read error");
    else if (client->budget > 0)
        client->budget -= n;
    return la_ssize_t(n);
}

la_int64_t seekCallback(archive *, void *data, la_int64_t offset, int whence)
{
    return static_cast<Client *>(data)->in->Seek(offset, whence);
}

la_int64_t skipCallback(archive *, void *data, la_int64_t request)
{
    auto *client = static_cast<Client *>(data);
    if (!client->in->CanSeek() || request <= 0)
        return 0; // libarchive reads over it instead
    const qint64 from = client->in->Seek(0, SEEK_CUR);
    const qint64 end = client->in->Seek(0, SEEK_END);
    if (from < 0 || end < 0)
        return 0;
    const qint64 to = from + qMin<qint64>(request, qMax<qint64>(end - from, 0));
    return client->in->Seek(to, SEEK_SET) < 0 ? 0 : to - from;
}

} // namespace

ArchiveReader::ArchiveReader(ByteStream &in, const MediaLimits &limits)
    : m_archive(archive_read_new()), m_client(std::make_unique<Client>())
{
    m_client->in = &in;
    m_client->limits = &limits;
}

ArchiveReader::~ArchiveReader()
{
    archive_read_free(m_archive);
}

bool ArchiveReader::Open()
{
    archive_read_set_callback_data(m_archive, m_client.get());
    archive_read_set_read_callback(m_archive, readCallback);
    archive_read_set_skip_callback(m_archive, skipCallback);
    if (m_client->in->CanSeek())
        archive_read_set_seek_callback(m_archive, seekCallback);
    return archive_read_open1(m_archive) == ARCHIVE_OK;
}

void ArchiveReader::SetReadBudget(qint64 bytes)
{
    m_client->budget = bytes;
}

QString ArchiveReader::ErrorText() const
{
    const char *text = archive_error_string(m_archive);
    return text ? QString::fromUtf8(text) : QStringLiteral("unknown error");
}

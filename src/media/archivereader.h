#pragma once

#include "media/entrytree.h"

#include <QString>

#include <memory>

struct archive;
class ByteStream;

// A libarchive reader over one of our streams, with the formats the caller enables. Reads
// end early, as an error, once the limits' cancel flag is set. Owns the reader.
class ArchiveReader final
{
public:
    ArchiveReader(ByteStream &in, const MediaLimits &limits);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    archive *get() const { return m_archive; }
    // Opens the reader once the formats are enabled.
    bool Open();
    QString ErrorText() const;
    // Reads from here on fail once `bytes` more were read; a negative value lifts the bound.
    void SetReadBudget(qint64 bytes);

    struct Client; // what the callbacks get

private:
    archive *m_archive;
    std::unique_ptr<Client> m_client;
};

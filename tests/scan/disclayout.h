#pragma once

#include <QByteArray>
#include <QString>

// Lays out a disc's contents in a test directory. Paths are raw bytes relative to the root, so
// a test can make names that are not valid UTF-8.
class DiscLayout
{
public:
    explicit DiscLayout(const QString &root);

    bool folder(const QByteArray &relative) const;
    bool file(const QByteArray &relative, qint64 size = 0) const; // sparse beyond the data
    bool link(const QByteArray &relative, const QByteArray &target) const;
    QString path(const QByteArray &relative = {}) const;
    // Removes everything below the root, names Qt cannot hold included.
    bool clear() const;

private:
    QByteArray m_root;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary directory that also serves as XDG_CONFIG_HOME while it lives, so a test never
// reads or writes the real configuration.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    // A native path inside the directory, ending in "/" when it names a directory.
    QString file(const QString &relative) const { return m_dir.filePath(relative); }
    bool write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    bool m_hadConfig;
};

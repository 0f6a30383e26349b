#include "media/imagelocations.h"

#include "store/catalogstore.h"

#include <QFile>

#include <algorithm>

namespace {

const QByteArray kHeader = "TavikonImages 1";

} // namespace

void ImageLocations::Parse(const QByteArray &bytes)
{
    m_locations.clear();
    m_bForeign = false;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kHeader) {
        m_bForeign = !bytes.trimmed().isEmpty();
        return;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        if (fields.size() != 3 || fields[0].isEmpty() || fields[2].isEmpty())
            continue;
        m_locations.insert(QString::fromUtf8(fields[0]),
                           {QString::fromUtf8(fields[1]),
                            QFile::decodeName(QByteArray::fromPercentEncoding(fields[2]))});
    }
}

QByteArray ImageLocations::Bytes() const
{
    QStringList numbers = m_locations.keys();
    std::sort(numbers.begin(), numbers.end(), [](const QString &a, const QString &b) {
        return a.toInt() != b.toInt() ? a.toInt() < b.toInt() : a < b;
    });
    QByteArray out = kHeader + '\n';
    for (const QString &number : std::as_const(numbers)) {
        const Location &location = m_locations[number];
        QString drive = location.drive;
        drive.remove(u'\t').remove(u'\n');
        out += QString(number).remove(u'\t').remove(u'\n').toUtf8() + '\t' + drive.toUtf8() + '\t'
            + QFile::encodeName(location.imagePath).toPercentEncoding("/\\:. -_~") + '\n';
    }
    return out;
}

StoreResult ImageLocations::Load(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        Parse({});
        return StoreResult::success();
    }
    if (!file.open(QIODevice::ReadOnly))
        return StoreResult::failure(
            QStringLiteral("The file \"%1\" cannot be read: %2.").arg(path, file.errorString()));
    Parse(file.read(16 * 1024 * 1024));
    return StoreResult::success();
}

StoreResult ImageLocations::Save(const QString &path) const
{
    if (m_bForeign)
        return StoreResult::failure(
            QStringLiteral("The file \"%1\" was written by a later version and is left as it is.")
                .arg(path));
    return WriteWholeFile(path, Bytes());
}

void ImageLocations::Set(const QString &discNumber, const Location &location)
{
    m_locations.insert(discNumber, location);
}

bool ImageLocations::Remove(const QString &discNumber)
{
    return m_locations.remove(discNumber);
}

bool ImageLocations::Move(const QString &from, const QString &to)
{
    if (from == to)
        return false;
    const auto found = m_locations.constFind(from);
    if (found == m_locations.cend())
        return Remove(to);
    const Location location = *found;
    m_locations.erase(found);
    m_locations.insert(to, location);
    return true;
}

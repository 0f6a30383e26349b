#include "mediamaker.h"

#include <QProcess>

#include <zlib.h>

bool Shell(const QString &command, const QString &arg1, const QString &arg2)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start("sh", {"-c", command, "sh", arg1, arg2});
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

namespace {

QByteArray vint(quint64 n)
{
    QByteArray out;
    do {
        out.append(char((n & 0x7f) | (n > 0x7f ? 0x80 : 0)));
        n >>= 7;
    } while (n);
    return out;
}

QByteArray block(int type, const QByteArray &body, const QByteArray &data = {}, bool bData = true)
{
    QByteArray header = vint(type) + vint(bData ? 2 : 0) + (bData ? vint(data.size()) : "") + body;
    header = vint(header.size()) + header;
    const quint32 crc = quint32(
        crc32(0, reinterpret_cast<const Bytef *>(header.constData()), uInt(header.size())));
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(crc >> (8 * i));
    return out + header + data;
}

} // namespace

QByteArray Rar5(const QList<QPair<QByteArray, QByteArray>> &entries)
{
    QByteArray out = QByteArray("Rar!\x1a\x07\x01\x00", 8) + block(1, vint(0), {}, false);
    for (const auto &[path, data] : entries) {
        const bool bFolder = path.endsWith('/');
        const QByteArray name = bFolder ? path.chopped(1) : path;
        // Flags, size, Windows attributes (folder or archive bit), store method, Windows host.
        out += block(2,
                     vint(bFolder) + vint(data.size()) + vint(bFolder ? 0x10 : 0x20) + vint(0)
                         + vint(0) + vint(name.size()) + name,
                     data);
    }
    return out + block(5, vint(0), {}, false);
}

bool MakeIso(const QString &folder, const QString &image, const QString &label)
{
    return Shell("xorriso -as mkisofs -quiet -R -J -V " + label + " -o \"$2\" \"$1\" 2>/dev/null",
                 folder, image);
}

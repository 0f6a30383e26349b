#include "store/treelabel.h"

QString GetNumberPart(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank <= 0)
        return {};
    return text.left(blank);
}

QString GetNamePart(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return {};
    const qsizetype slash = text.indexOf(u'\\', 1);
    if (slash < 0)
        return text.startsWith(u'\\') ? QString() : text.mid(blank + 1);
    if (slash < blank + 1)
        return {};
    return text.mid(blank + 1, slash - blank);
}

QString JoinTreePath(const QStringList &labelsFromTop)
{
    QString path;
    for (qsizetype i = 0; i < labelsFromTop.size(); ++i) {
        path += labelsFromTop[i];
        if (i + 1 < labelsFromTop.size() && !labelsFromTop[i].endsWith(u'\\'))
            path += u'\\';
    }
    return path;
}

bool IsValidDiscName(QStringView name)
{
    for (const QChar c : name)
        if (c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    return true;
}

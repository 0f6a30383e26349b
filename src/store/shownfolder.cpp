#include "store/shownfolder.h"

#include <QSet>

namespace {

bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ShownFolder::ShownFolder(const QString &strCurNumber, const QString &strFolderKey)
    : m_strNumber(strCurNumber)
{
    const qsizetype slash = strFolderKey.indexOf(u'\\');
    m_bRoot = slash < 0;
    if (!m_bRoot)
        m_strBelowRoot = strFolderKey.sliced(slash + 1).toLower();
}

bool ShownFolder::Contains(const CFileData &r) const
{
    return sameText(r.m_strDiscNumber, m_strNumber) && HoldsFolderOf(r);
}

bool ShownFolder::HoldsFolderOf(const CFileData &r) const
{
    // The folder is the record's drive root, then the path below it and a backslash. Compared
    // without building the path, because this runs for every record.
    const QStringView folder(r.m_strFolder);
    const QStringView drive(r.m_strDrive);
    if (m_bRoot)
        return sameText(folder, drive);
    return folder.size() == drive.size() + m_strBelowRoot.size() + 1 && folder.endsWith(u'\\')
        && sameText(folder.first(drive.size()), drive)
        && sameText(folder.sliced(drive.size(), m_strBelowRoot.size()), m_strBelowRoot);
}

CFileData *ShownFolder::FindFile(CFileList &files, const QString &strName) const
{
    for (CFileData &r : files) {
        if (sameText(r.m_strFileName, strName) && Contains(r))
            return &r;
    }
    return nullptr;
}

int ShownFolder::AttachCategories(CFileList &files, const QStringList &lstCategories,
                                  const QStringList &lstNames) const
{
    if (lstCategories.isEmpty() || lstNames.isEmpty())
        return 0;
    QSet<QString> names;
    for (const QString &name : lstNames)
        names.insert(name.toCaseFolded());
    int tagged = 0;
    for (CFileData &r : files) {
        if (!Contains(r) || !names.contains(r.m_strFileName.toCaseFolded()))
            continue;
        for (const QString &category : lstCategories) {
            if (!r.m_lstCategories.contains(category))
                r.m_lstCategories.prepend(category);
        }
        ++tagged;
    }
    return tagged;
}

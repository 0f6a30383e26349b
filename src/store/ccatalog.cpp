#include "store/ccatalog.h"

#include "store/textnumbers.h"
#include "store/treelabel.h"

#include <algorithm>

CCatalog::CCatalog()
    : m_pDiscs(std::make_unique<CDiscList>()), m_pFiles(std::make_unique<CFileList>())
{ }

void CCatalog::ResetLists()
{
    m_pDiscs = std::make_unique<CDiscList>();
    m_pFiles = std::make_unique<CFileList>();
    m_lstCategories.clear();
}

void CCatalog::SelectTreePath(const QString &strPath)
{
    m_strCurNumber = GetNumberPart(strPath);
    m_strFolderKey = strPath;
    m_strCurPath = GetNamePart(strPath);
}

void CCatalog::RefreshStatus(const QString &strHomeDir, const QString &strFirstLabel)
{
    m_strLastEntry = QString::number(GetHighestDiscNumber());
    m_strHomeDir = strHomeDir;
    m_strDiscCount = QString::number(m_pDiscs->size());
    m_strCurNumber = GetNumberPart(strFirstLabel);
    m_strCurPath = GetNamePart(strFirstLabel);
}

void CCatalog::ClearToEmpty()
{
    m_strCurNumber.clear();
    m_strCurPath.clear();
    m_strFolderKey.clear();
    m_strLastEntry = m_strDiscCount = QStringLiteral("LEER");
}

int CCatalog::GetHighestDiscNumber() const
{
    int highest = 0;
    bool first = true;
    for (const CDisc &disc : *m_pDiscs) {
        const int n = atoiText(disc.m_strNumber);
        if (first || n > highest)
            highest = n;
        first = false;
    }
    return highest;
}

void CCatalog::RemoveDiscFiles(const QString &strNumber)
{
    m_pFiles->removeIf([&](const CFileData &f) { return f.m_strDiscNumber == strNumber; });
}

void CCatalog::RenumberDiscFiles(const QString &strOldNumber, const QString &strNewNumber)
{
    for (CFileData &f : *m_pFiles) {
        if (f.m_strDiscNumber == strOldNumber)
            f.m_strDiscNumber = strNewNumber;
    }
}

CDisc *CCatalog::FindDisc(const QString &strNumber)
{
    auto it = std::find_if(m_pDiscs->begin(), m_pDiscs->end(),
                           [&](const CDisc &d) { return d.m_strNumber == strNumber; });
    return it == m_pDiscs->end() ? nullptr : &*it;
}

const CDisc *CCatalog::FindDisc(const QString &strNumber) const
{
    return const_cast<CCatalog *>(this)->FindDisc(strNumber);
}

#pragma once

#include "store/cdisc.h"
#include "store/cfiledata.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

using CDiscList = QList<CDisc>;
using CFileList = QList<CFileData>;

// The catalogue in memory plus the current selection of the disc tree. Created and owned by
// the disc tree view; the other panes get a pointer with HINT_SELECTION and work on it
// directly. The lists own their records.
class CCatalog
{
public:
    CCatalog();

    // Drops every disc, file and category and starts two new empty record lists.
    void ResetLists();

    // Largest disc number, each number read the way atoi does; 0 without discs.
    int GetHighestDiscNumber() const;
    // Takes out every file record of the disc; the others keep their order.
    void RemoveDiscFiles(const QString &strNumber);
    // Moves every file record of the old number to the new one.
    void RenumberDiscFiles(const QString &strOldNumber, const QString &strNewNumber);

    // The selection is the tree item of this path ("12 Holiday\Music", or a disc's label):
    // the number and name of its disc, and the path as the folder the file list shows.
    void SelectTreePath(const QString &strPath);
    // The statistics the command panel shows, and the disc of the tree's first label.
    void RefreshStatus(const QString &strHomeDir, const QString &strFirstLabel);
    // The last disc is gone: nothing is selected, and the statistics read "LEER".
    void ClearToEmpty();

    // First disc with this number, or nullptr.
    CDisc *FindDisc(const QString &strNumber);
    const CDisc *FindDisc(const QString &strNumber) const;

    std::unique_ptr<CDiscList> m_pDiscs; // newest disc first
    std::unique_ptr<CFileList> m_pFiles; // in scan order, one disc's records together
    QStringList m_lstCategories; // newest name first

    QString m_strCurNumber;
    QString m_strCurPath;
    QString m_strFolderKey;
    QStringList m_lstSelection;

    QString m_strDiscCount;
    QString m_strLastEntry;
    QString m_strHomeDir;
};

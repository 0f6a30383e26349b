#pragma once

#include "store/ccatalog.h"

#include <QDialog>
#include <QString>

class QTreeWidget;

// Dialog 254 "Comprehesive  CD Info": everything the catalogue knows about one disc, its
// categories, how many files it holds and their total size. It changes nothing.
class CDiscInfoDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDiscInfoDlg)

public:
    // Without a disc the fields stay empty and the totals count no file.
    CDiscInfoDlg(const CDisc *pDisc, const CFileList &files, QWidget *parent = nullptr);
    ~CDiscInfoDlg() override;

    QString m_strName;
    QString m_strNumber;
    QString m_strArtist;
    QString m_strNotes;
    QString m_strLocation;
    QString m_strLendDate;
    QString m_strQuality;
    QString m_strFileCount;
    QString m_strDiscSize;
    QString m_strSavedDate;

private:
    QTreeWidget *m_lstCategories;
};

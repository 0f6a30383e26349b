#pragma once

#include "store/ccatalog.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class CSortListCtrl;
class QMenu;

// "List of Attached Categories": the categories of one file of the folder the file list
// shows, with "&Delete" to take some off. Created by the file list and run modally; the
// changes are in the record when it closes. The file is found by its name without regard to
// letter case, and no record is changed by looking for it.
class CAttachedCatDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAttachedCatDlg)

public:
    // Shows a pop-up menu and returns the chosen item (nullptr for none); tests replace it.
    using MenuRunner = std::function<QAction *(QMenu &menu, const QPoint &globalPos)>;

    // `strFile` is the file's name, `strFolderKey` and `strShownDisc` the selection of the
    // tree (the catalogue's m_strFolderKey and m_strCurNumber).
    CAttachedCatDlg(CFileList *pFiles, const QString &strFile, const QString &strFolderKey,
                    const QString &strShownDisc, QWidget *parent = nullptr);
    ~CAttachedCatDlg() override;

    void Fill();
    void OnDetach(); // "&Delete" of menu "Data Category"
    void OnColumnClick();
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }
    CSortListCtrl *List() const { return m_lstCats; }

    int m_bChanged = 0; // a removal was attempted

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CFileData *FindRecord() const;

    int m_bMenu = 0;
    QStringList m_lstPicked;
    QString m_strShownDisc;
    QString m_strFolderKey;
    CFileList *m_pFiles; // not owned
    QString m_strFile;
    unsigned char m_bAscending = 1;
    CSortListCtrl *m_lstCats;
    MenuRunner m_menuRunner;
};

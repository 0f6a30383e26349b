#pragma once

#include "files/cshelliconlist.h"
#include "platform/cview.h"
#include "store/ccatalog.h"

#include <QTreeView>

#include <functional>

class CFileListModel;
class CSortHeader;
class QMenu;

// The file list: the files of the folder selected in the disc tree, with size and type, in
// report form. It reads the catalogue that the disc tree hands round with HINT_SELECTION and
// never changes the records it lists.
class CTavikonView : public QTreeView, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTavikonView)

public:
    // Shows a pop-up menu at a global position and returns the chosen item (nullptr when
    // none); tests replace it so that no menu blocks.
    using MenuRunner = std::function<QAction *(QMenu &menu, const QPoint &globalPos)>;

    explicit CTavikonView(QWidget *parent = nullptr);
    ~CTavikonView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }

    // Lists the files of the folder key of the selected disc (m_strCurNumber), newest row on
    // top, the way the records stand in the file list reversed.
    void FillFileList(const CFileList *pFiles, const QString &strFolderKey);

    // A click on a column header: sorts by that column, ascending first, turning the order
    // round on a second click.
    void OnColumnClick(int nColumn);
    // Replaces the catalogue's selection list by the names of the selected rows, the last
    // selected row first.
    void OnRClick();
    // Opens the file of the one selected row from its disc, asking for the disc when no
    // drive holds it.
    void OnOpenFile();
    void OnViewLargeicons();
    void OnViewSmallicons();

    CFileListModel *FileModel() const { return m_pModel; }
    CSortHeader *SortHeader() const { return m_pHeader; }
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void ShowDataMenu(const QPoint &globalPos);
    void OnAttachCategories();
    void OnViewCategories();
    void ClearRows();
    // Orders the rows as the header's arrow says.
    void SortAsShown();

    CCatalog *m_pCatalog = nullptr; // not owned
    CShellIconList m_shellIcons;
    CSortHeader *m_pHeader;
    CFileListModel *m_pModel;
    MenuRunner m_menuRunner;
};

#pragma once

#include "discs/catalogsession.h"
#include "discs/disctreeitems.h"
#include "discs/discwindows.h"
#include "platform/cview.h"
#include "store/ccatalog.h"
#include "store/treetext.h"

#include <QTreeWidget>

#include <memory>

class QMenu;

// The disc tree: every catalogued disc with its folders. Owns the catalogue object, which its
// CatalogSession loads and saves, and carries out most requests of the other panes, which
// reach it only through the document's notifications.
//
// Disc items are labelled "<number> <name>", folder items with the bare folder name; the
// labels and paths are the catalogue's own text (backslashes), never native paths.
class CLeftView : public QTreeWidget, public CView, private CatalogSession::Tree
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CLeftView)

public:
    explicit CLeftView(QWidget *parent = nullptr);
    ~CLeftView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }

    // Saves and backs up the home catalogue unless a friend's catalogue is shown or none was
    // ever loaded, and returns why that failed (empty when it did not). The frame calls it
    // when the window is closed and decides with the user what a failure means; the
    // destructor calls it for a teardown without a close, and tells a failure. Once saved,
    // or given up, it does nothing more.
    QString SaveOnExit();
    void GiveUpExitSave();

    // The tree's text form: every item in depth-first order, one TAB per level.
    QByteArray TreeText() const override;
    // Adds the items of a tree text after the existing top-level items.
    void AppendTreeText(QByteArrayView text);

    // Labels joined from the disc down ("12 Holiday\Photos\2003").
    QString MakeTreePath(const QTreeWidgetItem *item) const;
    static int ItemDepth(const QTreeWidgetItem *item);
    // Walks every item, collapsed ones too; nullptr when the walk is complete.
    static QTreeWidgetItem *NextItemPreorder(const QTreeWidgetItem *item);
    // True for an item that carries the disc images.
    bool IsDiscItem(const QTreeWidgetItem *item) const;

    int GetHighestDiscNumber() const;
    CCatalog *Catalog() const { return m_pCatalog.get(); }
    const CatalogStore &Store() const { return m_session.Store(); }

    // Selects and expands the disc whose number is exactly this text (the last of several),
    // or says that no disc has it. The lending and search windows call it too.
    void SelectDiscByNumber(const QString &strNumber);
    // Selects the folder of a file record ("sr0:\music\live\") below the selected disc, if
    // that disc has the number, so the file list shows the file. Folder names are compared
    // without regard to case: the records hold them in lower case, the tree as on the disc.
    void OpenDiscFolder(const QString &strNumber, const QString &strFolder);

    // The context menu "Tree" (menu resource 251), as it would be shown.
    std::unique_ptr<QMenu> CreateTreeMenu();

    // State the other parts of the program read; only the view changes it.
    int m_bEditingLabel = 0;
    int m_bFriendLoaded = 0;
    int m_bDiscSelected = 0;
    QString m_strSelPath;
    QString m_strEditNumber;
    QTreeWidgetItem *m_hCurItem = nullptr;

protected:
    // Shows the menu and returns the chosen action; tests replace it so none blocks.
    virtual QAction *ExecPopup(QMenu &menu, const QPoint &globalPos);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The in-place label edit: begins only for a disc, ends in OnEndLabelEdit.
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void OnSelChanged(QTreeWidgetItem *current);
    // Makes the item current, or runs the selection handling again when it is already.
    void SelectItem(QTreeWidgetItem *item);
    bool LoadCatalog();
    bool RestoreCatalog(bool bInSelection);
    bool SaveAndBackUp(const QByteArray *treeText);
    // Saves and backs up the catalogue with the tree as it is shown.
    bool SaveWithTree();

    // What the catalogue's session asks of the tree.
    void ShowTree(const QList<TreeTextNode> &nodes) override;
    bool HasItems() const override;
    void ShowRestoredTreeLater(const QList<TreeTextNode> &nodes) override;
    void ForgetSelection() override;
    void SelectFirstItem() override;
    void RefreshCatalogStatus() override;
    void Tell(const QString &message) override;
    void Broadcast(int lHint, const HintArg &hint) override;
    void ScanNewDisc();
    void ShowTreeMenu(const QPoint &globalPos);
    void StartLabelEdit();
    bool OnBeginLabelEdit(QTreeWidgetItem *item);
    void OnEndLabelEdit(const QString &strText);

    void DeleteSelectedDisc();
    void RelabelDisc(CDisc *pDisc);
    void ShowMissingNumbers();
    void ShowAvailableDiscs();
    void ShowLentDiscs();
    void ShowDiscsOfPerson(const QString &strPerson);
    void LendSelectedDisc(const QString &strPerson);
    void OpenSearchWindow(const QStringList &request);

    // A friend's catalogue, shown read-only in place of the home one, and the way back.
    void LoadFriendDatabase(const QString &strDir);
    void ReturnHome();

    std::unique_ptr<CCatalog> m_pCatalog;
    CatalogSession m_session;
    DiscTreeItems m_items;
    DiscWindows m_windows;
    QTreeWidgetItem *m_pEditItem = nullptr; // the item whose label is being edited
    QString m_strEditedLabel;
    bool m_bLabelCommitted = false;
};

#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class CCatalog;
class CSearchResultModel;
class CSortHeader;
class CSortListCtrl;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;

// "Search Result": a modeless window with the hits of one search request, opened by the disc
// tree for every request, so several can be open at once. The window owns its copy of the
// request (pattern, "names" or "files", "all" or "byCat") and of the categories asked for;
// the pattern edit and the removal of category rows change these copies, and "Search" runs
// the request again. The rows are a snapshot: they do not follow later changes of the
// catalogue. The window frees itself when it is closed.
class CSearchResultDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSearchResultDlg)

public:
    // Selects the disc with this number in the tree and, for a file, opens its folder there
    // (the folder as the record stores it; empty for a disc).
    using GoToDisc = std::function<void(const QString &strNumber, const QString &strFolder)>;
    // Shows a pop-up menu and returns the chosen item (nullptr for none); tests replace it.
    using MenuRunner = std::function<QAction *(QMenu &menu, const QPoint &globalPos)>;

    explicit CSearchResultDlg(QWidget *parent = nullptr);
    ~CSearchResultDlg() override;

    // Hands the window its copies and runs the first search. `lstCategories` counts only
    // when the scope is "byCat".
    void Start(CCatalog *pCatalog, const QStringList &lstRequest, const QStringList &lstCategories);
    void SetGoToDisc(GoToDisc goToDisc) { m_goToDisc = std::move(goToDisc); }
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }

    void RunSearch();
    void OnSearch(); // the "Search" button
    void OnColumnClick(int nColumn);
    void OnCategoryColumnClick();
    void OnDeleteRows(); // "Delete" of menu "File"
    void OnDeleteCategory(); // "Delete" of menu "CAT"
    void OnOpen(); // "Open" and a double click
    void OnGoToCd();
    // Opens the file of the one selected row from its disc, asking for the disc when no
    // drive holds it.
    void OnOpenFile();

    const QStringList &Request() const { return m_lstRequest; }
    const QStringList &Categories() const { return m_lstCategories; }
    CSearchResultModel *Model() const { return m_pModel; }
    QTreeView *ResultList() const { return m_pResults; }
    // Rows selected in the result list, top first.
    QList<int> SelectedRows() const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void ReadRequest();
    void FillCategoryList();
    void RunMenu(int nMenuId, const QPoint &globalPos);
    void OnCommand(int id);

    // Direction flags: 1 means the next click sorts ascending.
    unsigned char m_bNameSort = 1;
    unsigned char m_bNumberSort = 1;
    unsigned char m_bSizeSort = 1;
    unsigned char m_bTypeSort = 1;
    unsigned char m_bPlaceSort = 1; // "Location" of a disc, "Folder" of a file
    unsigned char m_bCategorySort = 0;

    CCatalog *m_pCatalog = nullptr; // not owned
    QStringList m_lstRequest;
    QStringList m_lstCategories;
    QString m_strMode; // "names" or "files"
    QString m_strScope; // "all" or "byCat"
    QString m_strPattern;
    QString m_strCount;

    CSearchResultModel *m_pModel;
    QLineEdit *m_editPattern = nullptr; // 1027
    QLabel *m_pIcon = nullptr; // 1089
    QLabel *m_pCount = nullptr; // 1080
    QPushButton *m_btnSearch = nullptr; // 1084
    CSortListCtrl *m_lstCats = nullptr; // 1023 "CatList"
    QTreeView *m_pResults = nullptr; // 1038 "FileList"
    CSortHeader *m_pHeader = nullptr;
    GoToDisc m_goToDisc;
    MenuRunner m_menuRunner;
};

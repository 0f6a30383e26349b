#pragma once

#include "chrome/themeloader.h"
#include "platform/cview.h"
#include "store/pendingedit.h"

#include <QIcon>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QWidget>

#include <functional>

class CCatalog;
class CDisc;
class CLabelEditDelegate;
class CSortListCtrl;
class CThemedButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The category panel: all categories of the catalogue, those attached to the selected disc,
// and that disc's note. Here categories are created, renamed and deleted, and the discs of
// the selected categories are asked for. Its first update finds the home directory and
// starts the loading of the catalogue. The catalogue belongs to the disc tree; the panel
// keeps the pointer it was handed with HINT_SELECTION.
class CCatView : public QWidget, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCatView)

public:
    // Shows the pop-up of a menu resource at a screen point and returns the command chosen,
    // 0 for none. Replaceable so that the choice of menu can be checked without a person.
    using MenuTracker = std::function<int(int nMenuId, const QPoint &globalPos)>;

    explicit CCatView(QWidget *parent = nullptr);
    ~CCatView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }

    void SetMenuTracker(MenuTracker tracker);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetUpControls();
    void FillList(CSortListCtrl *pList, const QStringList &names);
    void SortList(CSortListCtrl *pList, unsigned char &bAscending);
    QStringList SelectedNames(const CSortListCtrl *pList) const;
    void CollectSelectedCategories();
    void ShowNote(const QString &note);
    void RefillAttachedIfSelected(const CDisc &disc);
    void TrackPopup(int nMenuId, const QPoint &globalPos);

    void OnCreate();
    void OnCtrlEnter();
    void OnRename();
    void OnEndLabelEdit(const QPersistentModelIndex &index, const QString &typed);
    void OnDelete();
    void OnSaveNote();
    // Stores a note typed and not yet saved into the disc it was typed for, as Save Note
    // would have; never while a friend's catalogue is shown.
    void KeepPendingNote();
    void OnViewCds();
    void OnAttachToCd();
    void OnDetachFromCd();
    void OnAttachCategories(CCatalog *pCatalog);

    CThemeLoader m_themeLoader;
    CThemedButton *m_btnCreate = nullptr; // 1022
    CSortListCtrl *m_lstAll = nullptr; // 1023
    CSortListCtrl *m_lstAttached = nullptr; // 1024
    QString m_strNewCategory; // edit 1027
    QIcon m_imlAll;
    QIcon m_imlAttached;
    CCatalog *m_pCatalog = nullptr;
    QString m_strNote; // edit 1052, with the CR LF line ends a stored note has
    unsigned char m_bAttachedAscending = 1;
    unsigned char m_bAllAscending = 1;
    int m_bListed = 0;
    int m_bAttachedMenu = 0;
    QStringList m_lstPicked;
    int m_bCatMenu = 0;

    QLineEdit *m_editNewCategory = nullptr; // 1027
    QPushButton *m_btnSaveNote = nullptr; // 1056
    QPlainTextEdit *m_editNote = nullptr; // 1052
    CLabelEditDelegate *m_pLabelEdit = nullptr;
    MenuTracker m_menuTracker;
    bool m_bSetUp = false;
    PendingDiscEdit m_noteEdit;
    QString m_strNoteNumber; // the disc whose note the field shows
    bool m_bNoteTypedLast = false; // Ctrl+Enter saves the note rather than create or list
};

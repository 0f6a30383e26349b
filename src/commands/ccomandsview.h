#pragma once

#include "chrome/themeloader.h"
#include "commands/commandpanelform.h"
#include "platform/cview.h"
#include "store/pendingedit.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class CCatalog;
class CDisc;
class CThemedButton;

// The command panel: buttons, the fields of the selected disc, search and lending fields,
// statistics. Most menu commands and keys end here, either directly while the panel is the
// active pane or forwarded by the other panes. The panel checks the input and asks the disc
// tree to act through the document's notifications; it never owns the catalogue.
class CComandsView : public QWidget, public CView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CComandsView)

public:
    explicit CComandsView(QWidget *parent = nullptr);
    ~CComandsView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, int lHint, const HintArg &hint) override;
    bool OnCommand(int id) override;
    QWidget *viewWidget() override { return this; }

    // The actions of the buttons, menus and keys.
    void OnScan();
    void OnFindGaps();
    void OnDeleteCd();
    void OnCddb();
    // The menu's "CDDB Query", unlike the button and its key, only says it is not there.
    void OnCddbQuery();
    void OnSaveCdData();
    void OnFindNumber();
    void OnNameSearch();
    void OnFileSearch();
    void OnSearchInCd();
    void OnLend();
    void OnGetBack();
    void OnAvailable();
    void OnNonAvailable();
    void OnAddData();
    void OnCtrlEnter();
    void OnCdInfo();
    void OnViewLargeIcons();
    void OnViewSmallIcons();
    void OnLoadFriendDatabase();
    void OnBackToHomeDatabase();
    void OnHelp();

    // MFC-style exchange between the members below and the controls: true reads the
    // controls into the members, false shows the members in the controls.
    void UpdateData(bool bSaveAndValidate);

    int m_bNumberEdited = 0;
    QString m_strShownNumber;
    QString m_strDiscCount;
    QString m_strLastEntry;
    QString m_strHomeDir;
    QString m_strCdArtist;
    QString m_strCdQuality;
    CCatalog *m_pCatalog = nullptr;
    std::unique_ptr<QStringList> m_pRequest;
    QString m_strCdNumber;
    QString m_strCdName;
    QString m_strFindNumber;
    QString m_strLend;
    QString m_strBorrowedFrom;
    int m_bBorrowEdited = 0;
    int m_bLendEdited = 0;
    QString m_strPattern;
    QString m_strSearchCd;
    QString m_strCdLocation;
    int m_nScope = 0;
    int m_nLastEdit = 0;
    QString m_strDatabase;
    std::unique_ptr<QStringList> m_pResult;
    int m_bAllowed = 0;
    int m_bEverything = 1;
    int m_bByCategory = 0;

private:
    // What the fields and buttons of the form do when they change or are clicked.
    void ConnectForm();
    void OnFieldEdited(int nField);
    void OnScopeChanged();
    void RefillFromCatalog(CCatalog *pCatalog);
    // Artist, quality and location of the disc, into the members the fields show.
    void ShowDiscData(const CDisc &disc);
    // Stores artist and quality typed and not yet saved into the disc they were typed for,
    // as Add To CD Data would have; never while a friend's catalogue is shown.
    void KeepPendingEdits();
    void RunSearch(const QString &kind);
    void RunPanelCommand(const HintArg &hint);
    void EnableEditButtons(bool bEnable);
    CDisc *SelectedDisc() const;
    // The disc information dialog, modal; without a disc it shows empty fields.
    void ShowDiscInfoDialog(const CDisc *pDisc);

    CThemeLoader m_themeLoader;
    CommandPanelForm m_form;
    PendingDiscEdit m_dataEdit; // artist and quality
    bool m_bFilling = false; // the program, not the user, is changing the fields
};

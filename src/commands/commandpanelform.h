#pragma once

#include <QCoreApplication>

class CThemeLoader;
class CThemedButton;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QWidget;

// The controls of the command panel and their layout: the loaded database, the home
// directory, the fields of the selected disc, the search and lending fields, the statistics
// and the icon buttons with their tips. The panel owns one and reads and fills the controls
// through it; the controls themselves belong to the panel's widget tree. What the controls
// do is the panel's business, not the form's.
class CommandPanelForm
{
    Q_DECLARE_TR_FUNCTIONS(CommandPanelForm)

public:
    // Makes the controls and lays them out in `pane`, inside an area that scrolls when the
    // pane is shorter than the form.
    void Build(QWidget *pane);
    // Gives the buttons their icons, tips and accessible names, and the hover face that
    // follows the desktop's palette.
    void SetupButtons(CThemeLoader *pTheme);

    QScrollArea *m_pScroll = nullptr;
    QFrame *m_grpFrame = nullptr;
    QLabel *m_stFrameIcon = nullptr;
    QLineEdit *m_stDatabase = nullptr;
    QLineEdit *m_stHomeDir = nullptr;
    QLineEdit *m_stDiscCount = nullptr;
    QLineEdit *m_stLastEntry = nullptr;
    QLineEdit *m_stLocation = nullptr;
    QLabel *m_stSearchCdCaption = nullptr;
    QLabel *m_stSearchCd = nullptr;

    QLineEdit *m_edCdNumber = nullptr;
    QLineEdit *m_edCdName = nullptr;
    QLineEdit *m_edFindNumber = nullptr;
    QLineEdit *m_edPattern = nullptr;
    QLineEdit *m_edLend = nullptr;
    QLineEdit *m_edBorrowedFrom = nullptr;
    QLineEdit *m_edCdArtist = nullptr;
    QLineEdit *m_edCdQuality = nullptr;
    QRadioButton *m_rbEverything = nullptr;
    QRadioButton *m_rbByCategory = nullptr;

    CThemedButton *m_btnSearchInCd = nullptr;
    CThemedButton *m_btnNameSearch = nullptr;
    CThemedButton *m_btnGetBack = nullptr;
    CThemedButton *m_btnAddData = nullptr;
    CThemedButton *m_btnFileSearch = nullptr;
    CThemedButton *m_btnFindNumber = nullptr;
    CThemedButton *m_btnScan = nullptr;
    CThemedButton *m_btnCddb = nullptr;
    CThemedButton *m_btnGaps = nullptr;
    CThemedButton *m_btnAvailable = nullptr;
    CThemedButton *m_btnDelete = nullptr;
    CThemedButton *m_btnSave = nullptr;
    CThemedButton *m_btnNonAvailable = nullptr;
    CThemedButton *m_btnLend = nullptr;
};

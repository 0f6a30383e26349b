#include "commands/ccomandsview.h"

#include "chrome/themedbutton.h"
#include "commands/cfrienddbdlg.h"
#include "discs/cdiscinfodlg.h"
#include "platform/appflags.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "platform/tokens.h"
#include "resources/helpfile.h"
#include "resources/resource.h"
#include "store/catalogsearch.h"
#include "store/ccatalog.h"
#include "store/discedits.h"
#include "store/discnumbers.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {

// Which field was edited last; Ctrl+Enter acts on it.
enum EditedField {
    kNone = 0,
    kCdNumber = 1,
    kCdName = 2,
    kFindNumber = 3,
    kPattern = 4,
    kLend = 5,
    kBorrowedFrom = 6,
    kCdArtist = 7,
    kCdQuality = 8
};

// Changing the text of an edit resets its caret; leave a field alone when it already shows
// the text, so the field being typed in keeps its caret.
void showText(QLineEdit *edit, const QString &text)
{
    if (edit->text() == text)
        return;
    edit->setText(text);
    // A text filled in by the program is read from its start, not its end.
    if (!edit->hasFocus())
        edit->setCursorPosition(0);
    // A value the program shows (a long home directory) can be read whole in the tip.
    if (edit->isReadOnly())
        edit->setToolTip(text);
}

} // namespace

CComandsView::CComandsView(QWidget *parent)
    : QWidget(parent),
      m_pRequest(std::make_unique<QStringList>()),
      m_pResult(std::make_unique<QStringList>())
{
    setObjectName(QStringLiteral("CComandsView"));
    m_form.Build(this);
    ConnectForm();
    m_form.SetupButtons(&m_themeLoader);
    UpdateData(false);
}

CComandsView::~CComandsView() = default;

void CComandsView::ConnectForm()
{
    // Field-edit tracking: every change of a field's text counts, typed or made by a screen
    // reader or voice input through the accessibility interface; the program's own refills
    // do not (m_bFilling).
    const std::pair<QLineEdit *, int> fields[] = {{m_form.m_edCdNumber, kCdNumber},
                                                  {m_form.m_edCdName, kCdName},
                                                  {m_form.m_edFindNumber, kFindNumber},
                                                  {m_form.m_edPattern, kPattern},
                                                  {m_form.m_edLend, kLend},
                                                  {m_form.m_edBorrowedFrom, kBorrowedFrom},
                                                  {m_form.m_edCdArtist, kCdArtist},
                                                  {m_form.m_edCdQuality, kCdQuality}};
    for (const auto &[edit, field] : fields) {
        const int nField = field;
        connect(edit, &QLineEdit::textChanged, this, [this, nField] {
            if (!m_bFilling)
                OnFieldEdited(nField);
        });
    }
    connect(m_form.m_rbEverything, &QRadioButton::toggled, this, &CComandsView::OnScopeChanged);
    connect(m_form.m_rbByCategory, &QRadioButton::toggled, this, &CComandsView::OnScopeChanged);

    const std::pair<CThemedButton *, void (CComandsView::*)()> actions[] = {
        {m_form.m_btnScan, &CComandsView::OnScan},
        {m_form.m_btnGaps, &CComandsView::OnFindGaps},
        {m_form.m_btnDelete, &CComandsView::OnDeleteCd},
        {m_form.m_btnCddb, &CComandsView::OnCddb},
        {m_form.m_btnSave, &CComandsView::OnSaveCdData},
        {m_form.m_btnFindNumber, &CComandsView::OnFindNumber},
        {m_form.m_btnFileSearch, &CComandsView::OnFileSearch},
        {m_form.m_btnNameSearch, &CComandsView::OnNameSearch},
        {m_form.m_btnSearchInCd, &CComandsView::OnSearchInCd},
        {m_form.m_btnLend, &CComandsView::OnLend},
        {m_form.m_btnAvailable, &CComandsView::OnAvailable},
        {m_form.m_btnNonAvailable, &CComandsView::OnNonAvailable},
        {m_form.m_btnAddData, &CComandsView::OnAddData},
        {m_form.m_btnGetBack, &CComandsView::OnGetBack},
    };
    for (const auto &[button, action] : actions)
        connect(button, &QPushButton::clicked, this, action);
}

void CComandsView::OnInitialUpdate()
{
    m_strDatabase = QStringLiteral("Personal");
    UpdateData(false);
}

void CComandsView::UpdateData(bool bSaveAndValidate)
{
    // Each member with the control that shows it; the read-only ones are never read back.
    const std::pair<QString CComandsView::*, QLineEdit *> fields[] = {
        {&CComandsView::m_strDatabase, m_form.m_stDatabase},
        {&CComandsView::m_strHomeDir, m_form.m_stHomeDir},
        {&CComandsView::m_strCdNumber, m_form.m_edCdNumber},
        {&CComandsView::m_strCdName, m_form.m_edCdName},
        {&CComandsView::m_strFindNumber, m_form.m_edFindNumber},
        {&CComandsView::m_strPattern, m_form.m_edPattern},
        {&CComandsView::m_strLend, m_form.m_edLend},
        {&CComandsView::m_strBorrowedFrom, m_form.m_edBorrowedFrom},
        {&CComandsView::m_strDiscCount, m_form.m_stDiscCount},
        {&CComandsView::m_strLastEntry, m_form.m_stLastEntry},
        {&CComandsView::m_strCdArtist, m_form.m_edCdArtist},
        {&CComandsView::m_strCdQuality, m_form.m_edCdQuality},
        {&CComandsView::m_strCdLocation, m_form.m_stLocation},
    };
    if (bSaveAndValidate) {
        for (const auto &[member, edit] : fields) {
            if (!edit->isReadOnly())
                this->*member = edit->text();
        }
        m_nScope = m_form.m_rbByCategory->isChecked() ? 1 : 0;
        return;
    }
    const QScopedValueRollback filling(m_bFilling, true);
    for (const auto &[member, edit] : fields)
        showText(edit, this->*member);
    m_form.m_stSearchCd->setText(m_strSearchCd);
    (m_nScope == 1 ? m_form.m_rbByCategory : m_form.m_rbEverything)->setChecked(true);
}

void CComandsView::OnFieldEdited(int nField)
{
    UpdateData(true);
    switch (nField) {
    case kCdNumber:
        m_bNumberEdited = 1;
        break;
    case kCdName:
        m_bNumberEdited = 0;
        break;
    case kLend: {
        // One person field at a time: the Lend button acts on the one typed in last.
        const QScopedValueRollback filling(m_bFilling, true);
        m_strBorrowedFrom.clear();
        m_form.m_edBorrowedFrom->clear();
        m_bLendEdited = 1;
        m_bBorrowEdited = 0;
        break;
    }
    case kBorrowedFrom: {
        const QScopedValueRollback filling(m_bFilling, true);
        m_strLend.clear();
        m_form.m_edLend->clear();
        m_bBorrowEdited = 1;
        m_bLendEdited = 0;
        break;
    }
    case kCdArtist:
    case kCdQuality:
        if (theAppFlags().m_bEditAllowed == 1 && theAppFlags().m_bHomeDatabase == 1)
            m_dataEdit.Typed(m_strShownNumber);
        break;
    default:
        break;
    }
    m_nLastEdit = nField;
}

void CComandsView::OnScopeChanged()
{
    m_nScope = m_form.m_rbByCategory->isChecked() ? 1 : 0;
    m_bEverything = m_nScope == 0 ? 1 : 0;
    m_bByCategory = m_nScope == 1 ? 1 : 0;
}

void CComandsView::OnUpdate(CView *, int lHint, const HintArg &hint)
{
    switch (lHint) {
    case HINT_TOKEN:
        if (hint.is(Tokens::KeepEdits))
            KeepPendingEdits();
        break;
    case HINT_SELECTION:
        if (CCatalog *catalog = hint.catalog())
            RefillFromCatalog(catalog);
        break;
    case HINT_ALLOW_REPLY:
        m_bAllowed = hint.is(Tokens::Yes) ? 1 : 0;
        break;
    case HINT_PANEL_COMMAND:
        RunPanelCommand(hint);
        break;
    case HINT_FRIEND_REQUEST:
        OnLoadFriendDatabase();
        break;
    case HINT_HOME_REQUEST:
        OnBackToHomeDatabase();
        break;
    case HINT_PANEL_ENABLE:
        // A friend's catalogue failed to load and the home one is shown: say so.
        EnableEditButtons(true);
        m_strDatabase = QStringLiteral("Personal");
        UpdateData(false);
        break;
    default:
        break;
    }
}

void CComandsView::KeepPendingEdits()
{
    const AppFlags &flags = theAppFlags();
    if (flags.m_bEditAllowed != 1 || flags.m_bHomeDatabase != 1) {
        m_dataEdit.Clear();
        return;
    }
    m_dataEdit.KeepInto(m_pCatalog, [this](CDisc &disc) {
        disc.m_strArtist = m_form.m_edCdArtist->text();
        disc.m_strQuality = m_form.m_edCdQuality->text();
    });
}

void CComandsView::RefillFromCatalog(CCatalog *pCatalog)
{
    // The fields are about to show another disc, or the same one afresh.
    KeepPendingEdits();
    m_pCatalog = pCatalog;
    if (const CDisc *disc = pCatalog->FindDisc(pCatalog->m_strCurNumber))
        ShowDiscData(*disc);
    m_strHomeDir = pCatalog->m_strHomeDir;
    // The statistics of an empty catalogue read "0", not blanks.
    m_strLastEntry = pCatalog->m_strLastEntry;
    m_strDiscCount = pCatalog->m_strDiscCount;
    if (pCatalog->m_strDiscCount != QLatin1String("0")) {
        m_strShownNumber = pCatalog->m_strCurNumber;
        m_strLend.clear();
        const QString &path = pCatalog->m_strCurPath;
        const qsizetype slash = path.indexOf(QLatin1Char('\\'));
        m_strCdName = slash < 0 ? path : path.left(slash);
        m_strCdNumber = pCatalog->m_strCurNumber;
        m_strSearchCd = m_strCdNumber + QStringLiteral(", ") + m_strCdName;
    }
    UpdateData(false);
}

void CComandsView::ShowDiscData(const CDisc &disc)
{
    m_strCdArtist = disc.m_strArtist;
    m_strCdQuality = disc.m_strQuality;
    m_strCdLocation = disc.m_strLocation;
}

void CComandsView::RunPanelCommand(const HintArg &hint)
{
    const std::pair<const Token *, void (CComandsView::*)()> commands[] = {
        {&Tokens::OnEditCdscan, &CComandsView::OnScan},
        {&Tokens::OnEditFindGaps, &CComandsView::OnFindGaps},
        {&Tokens::OnEditDeleteCd, &CComandsView::OnDeleteCd},
        {&Tokens::OnLendLendto, &CComandsView::OnLend},
        {&Tokens::OnLendGetback, &CComandsView::OnGetBack},
        {&Tokens::OnLendShowavailablecds, &CComandsView::OnAvailable},
        {&Tokens::OnLendShownonavailablecds, &CComandsView::OnNonAvailable},
        {&Tokens::OnSearchNamesearch, &CComandsView::OnNameSearch},
        {&Tokens::OnSearchFilesearch, &CComandsView::OnFileSearch},
        {&Tokens::OnSearchSearchcd, &CComandsView::OnSearchInCd},
        {&Tokens::OnOptions, &CComandsView::OnCdInfo},
    };
    if (hint.is(Tokens::OnEditCddbQuery)) {
        OnCddbQuery();
        return;
    }
    for (const auto &[token, action] : commands)
        if (hint.is(*token)) {
            (this->*action)();
            return;
        }
}

bool CComandsView::OnCommand(int id)
{
    static const std::pair<int, void (CComandsView::*)()> kCommands[] = {
        {ID_EDIT_CDSCAN, &CComandsView::OnScan},
        {ID_ACCEL_SCAN, &CComandsView::OnScan},
        {ID_EDIT_FINDGAPS, &CComandsView::OnFindGaps},
        {ID_ACCEL_FINDGAPS, &CComandsView::OnFindGaps},
        {ID_EDIT_DELETECD, &CComandsView::OnDeleteCd},
        {ID_EDIT_CDDBQUERY, &CComandsView::OnCddbQuery},
        {ID_ACCEL_CDDB, &CComandsView::OnCddb},
        {ID_ACCEL_SAVEDATA, &CComandsView::OnSaveCdData},
        {ID_LEND_LENDTO, &CComandsView::OnLend},
        {ID_ACCEL_LEND, &CComandsView::OnLend},
        {ID_LEND_GETBACK, &CComandsView::OnGetBack},
        {ID_ACCEL_GETBACK, &CComandsView::OnGetBack},
        {ID_LEND_SHOWAVAILABLECDS, &CComandsView::OnAvailable},
        {ID_ACCEL_AVAILABLE, &CComandsView::OnAvailable},
        {ID_LEND_SHOWNONAVAILABLECDS, &CComandsView::OnNonAvailable},
        {ID_ACCEL_NONAVAILABLE, &CComandsView::OnNonAvailable},
        {ID_SEARCH_NAMESEARCH, &CComandsView::OnNameSearch},
        {ID_ACCEL_NAMESEARCH, &CComandsView::OnNameSearch},
        {ID_SEARCH_FILESEARCH, &CComandsView::OnFileSearch},
        {ID_ACCEL_FILESEARCH, &CComandsView::OnFileSearch},
        {ID_SEARCH_SEARCHCD, &CComandsView::OnSearchInCd},
        {ID_ACCEL_SEARCHCD, &CComandsView::OnSearchInCd},
        {ID_ACCEL_CTRLENTER, &CComandsView::OnCtrlEnter},
        {ID_OPTIONS, &CComandsView::OnCdInfo},
        {ID_VIEW_LARGEICONS, &CComandsView::OnViewLargeIcons},
        {ID_VIEW_SMALLICONS, &CComandsView::OnViewSmallIcons},
        {ID_DATABASE_BACKHOME, &CComandsView::OnBackToHomeDatabase},
        {ID_ACCEL_BACKHOME, &CComandsView::OnBackToHomeDatabase},
        {ID_DATABASE_LOADFRIEND, &CComandsView::OnLoadFriendDatabase},
        {ID_ACCEL_LOADFRIEND, &CComandsView::OnLoadFriendDatabase},
        {ID_HELP_FINDER, &CComandsView::OnHelp},
    };
    for (const auto &[command, action] : kCommands) {
        if (command == id) {
            (this->*action)();
            return true;
        }
    }
    return false;
}

// The editing actions below also arrive through keys and forwarded menu commands, which
// reach the panel while its buttons are disabled for a friend's catalogue. They act only
// while the button is enabled, so a friend's catalogue is never scanned into or edited.

void CComandsView::OnScan()
{
    if (m_form.m_btnScan->isEnabled())
        UpdateAllViews(HINT_TOKEN, Tokens::Scan);
}

void CComandsView::OnFindGaps()
{
    UpdateAllViews(HINT_TOKEN, Tokens::Missing);
}

void CComandsView::OnDeleteCd()
{
    if (m_form.m_btnDelete->isEnabled())
        UpdateAllViews(HINT_TOKEN, Tokens::Delete);
}

void CComandsView::OnCddb()
{
    if (m_form.m_btnCddb->isEnabled())
        UpdateAllViews(HINT_TOKEN, Tokens::CDDB);
}

void CComandsView::OnCddbQuery()
{
    AfxMessageBox(QStringLiteral("Not implemented in this version."), this);
}

void CComandsView::OnAvailable()
{
    UpdateAllViews(HINT_TOKEN, Tokens::Home);
}

void CComandsView::OnNonAvailable()
{
    UpdateAllViews(HINT_TOKEN, Tokens::Away);
}

void CComandsView::OnFindNumber()
{
    // A copy: the disc tree answers with a selection that refills the panel mid-broadcast.
    const QString number = m_strFindNumber;
    UpdateAllViews(HINT_FIND_NUMBER, number);
}

void CComandsView::OnSaveCdData()
{
    if (!m_form.m_btnSave->isEnabled() || theAppFlags().m_bEditAllowed != 1)
        return;
    // Ask afresh each time; a stale answer must not let a folder be renamed.
    m_bAllowed = 0;
    UpdateAllViews(HINT_TOKEN, Tokens::AllowRequest);
    if (m_bAllowed != 1) {
        AfxMessageBox(QStringLiteral("Please, click on the name of the CD!"), this);
        return;
    }
    UpdateData(true);
    auto finish = [this] {
        m_bNumberEdited = 0;
        UpdateData(true);
    };
    if (!m_pCatalog) {
        finish();
        return;
    }
    // Digits only and at most six of them: a number that does not stay what was typed
    // (12abc, 99999999999999999999) would let two discs share one.
    const std::optional<int> nNumber = ParseDiscNumber(m_strCdNumber);
    if (!nNumber) {
        AfxMessageBox(QStringLiteral("Please, type a valid CD Number."), this);
        finish();
        return;
    }
    m_strCdNumber = QString::number(*nNumber);
    CDiscList &discs = *m_pCatalog->m_pDiscs;

    // Check the number before touching any record, so a refused save changes nothing. A
    // number already on another disc is refused even when the name was edited after it:
    // two discs with one number would merge their files.
    const bool bRenumbered = m_strCdNumber != m_strShownNumber;
    if ((m_bNumberEdited == 1 || bRenumbered) && IsDiscNumberUsed(discs, m_strCdNumber)) {
        m_bNumberEdited = 0;
        m_strCdNumber = m_strShownNumber;
        UpdateData(false);
        AfxMessageBox(QStringLiteral("This number is already used."), this);
        finish();
        return;
    }
    if (CDisc *pEdited = RelabelDiscRecords(discs, m_strShownNumber, m_strCdNumber, m_strCdName))
        UpdateAllViews(HINT_DISC_EDITED, pEdited);
    finish();
}

void CComandsView::RunSearch(const QString &kind)
{
    m_pRequest->clear();
    if (m_pCatalog)
        m_pCatalog->m_lstSelection.clear();
    UpdateAllViews(HINT_COLLECT_CATEGORIES, Tokens::Cats);

    if (m_strPattern.isEmpty()) {
        AfxMessageBox(QStringLiteral("Please, enter a file name to search for."), this);
        return;
    }
    *m_pRequest << m_strPattern << kind;
    if (m_bEverything == 1) {
        if (m_strPattern == QLatin1String("*")) {
            AfxMessageBox(QStringLiteral("Please, use this search pattern only with "
                                         "categories.\nWildcarts are not implemented in this "
                                         "freeware version."),
                          this);
            return;
        }
        m_pRequest->append(QStringLiteral("all"));
    } else if (m_bByCategory == 1) {
        if (!m_pCatalog || m_pCatalog->m_lstSelection.isEmpty()) {
            AfxMessageBox(QStringLiteral("Please, select categories."), this);
            return;
        }
        m_pRequest->append(QStringLiteral("byCat"));
    }
    const QStringList request = *m_pRequest;
    UpdateAllViews(HINT_SEARCH, request);
}

void CComandsView::OnNameSearch()
{
    RunSearch(QStringLiteral("names"));
}

void CComandsView::OnFileSearch()
{
    RunSearch(QStringLiteral("files"));
}

void CComandsView::OnSearchInCd()
{
    m_pResult->clear();
    if (m_pCatalog)
        m_pCatalog->m_lstSelection.clear();
    UpdateAllViews(HINT_COLLECT_CATEGORIES, Tokens::Cats);

    if (m_strPattern.isEmpty()) {
        AfxMessageBox(QStringLiteral("Please, type the name of the file to search."), this);
        return;
    }
    const CFileList *files = m_pCatalog ? m_pCatalog->m_pFiles.get() : nullptr;
    if (m_bEverything == 1) {
        if (files)
            *m_pResult = CatalogSearch::FileNamesInDisc(*files, m_strCdNumber, m_strPattern);
    } else if (m_bByCategory == 1) {
        const QStringList selection = m_pCatalog ? m_pCatalog->m_lstSelection : QStringList();
        if (selection.isEmpty()) {
            AfxMessageBox(QStringLiteral("Please, select categories."), this);
            return;
        }
        if (files)
            *m_pResult
                = CatalogSearch::FileNamesInDisc(*files, m_strCdNumber, m_strPattern, &selection);
    }
    const QStringList result = *m_pResult;
    UpdateAllViews(HINT_SHOW_NAMES, result);
}

void CComandsView::OnLend()
{
    if (!m_form.m_btnLend->isEnabled())
        return;
    // Blanks around a name would make "Anna" and "Anna " two people in the lending lists.
    if (m_bLendEdited == 1) {
        const QString person = m_strLend.trimmed();
        if (person.isEmpty()) {
            AfxMessageBox(QStringLiteral("Please, type the name of the person to lend the CD "
                                         "to. Nothing was lent."),
                          this);
            return;
        }
        m_strCdLocation = person;
        UpdateData(false);
        UpdateAllViews(HINT_LEND_TO, person);
    }
    if (m_bBorrowEdited == 1) {
        const QString person = m_strBorrowedFrom.trimmed();
        UpdateAllViews(HINT_BORROWED_FROM, person);
    }
}

CDisc *CComandsView::SelectedDisc() const
{
    return m_pCatalog ? m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber) : nullptr;
}

void CComandsView::OnGetBack()
{
    if (!m_form.m_btnGetBack->isEnabled())
        return;
    CDisc *disc = SelectedDisc();
    if (!disc)
        return;
    disc->m_strLocation = QStringLiteral("home");
    m_strLend.clear();
    m_strCdLocation = disc->m_strLocation;
    UpdateData(false);
}

void CComandsView::OnAddData()
{
    if (!m_form.m_btnAddData->isEnabled())
        return;
    CDisc *disc = SelectedDisc();
    if (!disc)
        return;
    disc->m_strArtist = m_strCdArtist;
    disc->m_strQuality = m_strCdQuality;
    m_dataEdit.Clear();
    ShowDiscData(*disc);
    UpdateData(false);
}

void CComandsView::OnCtrlEnter()
{
    if (theAppFlags().m_bHomeDatabase != 1)
        return;
    switch (m_nLastEdit) {
    case kCdNumber:
    case kCdName:
        OnSaveCdData();
        break;
    case kFindNumber:
        OnFindNumber();
        break;
    case kPattern:
        OnFileSearch();
        break;
    case kLend:
    case kBorrowedFrom:
        OnLend();
        break;
    case kCdArtist:
    case kCdQuality:
        OnAddData();
        break;
    default:
        break;
    }
}

void CComandsView::OnCdInfo()
{
    if (!m_pCatalog || m_pCatalog->m_pDiscs->isEmpty()) {
        AfxMessageBox(QStringLiteral("No CD on the List"), this);
        return;
    }
    ShowDiscInfoDialog(m_pCatalog->FindDisc(m_pCatalog->m_strCurNumber));
}

void CComandsView::ShowDiscInfoDialog(const CDisc *pDisc)
{
    CDiscInfoDlg dlg(pDisc, *m_pCatalog->m_pFiles, this);
    ExecDialog(dlg);
}

void CComandsView::OnViewLargeIcons()
{
    UpdateAllViews(HINT_VIEW_MODE, Tokens::OnViewLargeicons);
    theAppFlags().m_bSmallIcons = 0;
}

void CComandsView::OnViewSmallIcons()
{
    UpdateAllViews(HINT_VIEW_MODE, Tokens::OnViewSmallicons);
    theAppFlags().m_bSmallIcons = 1;
}

void CComandsView::EnableEditButtons(bool bEnable)
{
    for (CThemedButton *button :
         {m_form.m_btnDelete, m_form.m_btnGetBack, m_form.m_btnCddb, m_form.m_btnScan,
          m_form.m_btnLend, m_form.m_btnSave, m_form.m_btnAddData})
        button->setEnabled(bEnable);
}

void CComandsView::OnLoadFriendDatabase()
{
    AppFlags &flags = theAppFlags();
    // A friend's catalogue is loaded only over the home one, never over another friend's.
    if (flags.m_bHomeDatabase == 0)
        return;
    CFriendDbDlg dlg(this);
    if (ExecDialog(dlg) != QDialog::Accepted)
        return;
    // The home catalogue is saved before the friend's is shown: what was typed goes with it
    // (the category panel keeps its note at "EnableFalse").
    KeepPendingEdits();
    flags.m_bHomeDatabase = 0;
    flags.m_bEditAllowed = 0;
    EnableEditButtons(false);
    UpdateAllViews(HINT_ENABLE, Tokens::EnableFalse);
    if (dlg.m_bConfirmed == 1) {
        m_strDatabase = dlg.m_strFriendName.isEmpty() ? QStringLiteral("Friend's")
                                                      : dlg.m_strFriendName + QStringLiteral("'s");
        UpdateData(false);
        const QString folder = dlg.m_strFolder;
        UpdateAllViews(HINT_LOAD_FRIEND, folder);
    }
}

void CComandsView::OnBackToHomeDatabase()
{
    AppFlags &flags = theAppFlags();
    flags.m_bHomeDatabase = 1;
    flags.m_bEditAllowed = 1;
    UpdateAllViews(HINT_ENABLE, Tokens::EnableTrue);
    EnableEditButtons(true);
    m_strDatabase = QStringLiteral("Personal");
    UpdateData(false);
    UpdateAllViews(HINT_HOME_DATA, Tokens::HomeData);
}

void CComandsView::OnHelp()
{
    // The program's own help page, the same the frame's help command opens; there is no
    // help file in the home directory to look for.
    OpenHelpPage(this);
}

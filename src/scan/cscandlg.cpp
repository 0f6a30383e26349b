#include "scan/cscandlg.h"

#include "chrome/contentwidthcolumn.h"
#include "chrome/elidedlabel.h"
#include "chrome/elidedtooltips.h"
#include "chrome/themedbutton.h"
#include "media/imagelocations.h"
#include "media/imagereader.h"
#include "media/treesource.h"
#include "platform/profilesettings.h"
#include "platform/prompter.h"
#include "resources/resourceicons.h"
#include "scan/cmytree.h"
#include "scan/discwalk.h"
#include "store/catalogstore.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kRootRole = Qt::UserRole;
constexpr int kProgressIntervalMs = 50;

// A long folder or file name loses its middle and stays inside the dialog.
ElidedLabel *makeReadout(const QString &name, QWidget *parent)
{
    auto *label = new ElidedLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

// An icon with its caption beside it; the tip names the key.
CThemedButton *makeButton(const char *name, int icon, const QString &caption, const QString &tip,
                          QWidget *parent)
{
    auto *button = new CThemedButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetIcon(icon, icon);
    button->setIconSize(QSize(32, 32));
    button->setText(caption);
    button->SetTooltipText(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

const QString kLastDriveKey = QStringLiteral("ScanOptions/LastDrive");
const QString kLookInsideKey = QStringLiteral("ScanOptions/LookInsideArchives");
const QString kImageFolderKey = QStringLiteral("ScanOptions/LastImageFolder");

// The image files picked in this session, which every scan dialog lists after the drives.
QList<CdromDrive> &sessionImages()
{
    static QList<CdromDrive> images;
    return images;
}

// A list of names for a message, at most ten of them.
QString listed(const QString &intro, const QStringList &items)
{
    QString text = intro;
    for (qsizetype i = 0; i < items.size() && i < 10; ++i)
        text += u'\n' + items[i];
    if (items.size() > 10)
        text += QStringLiteral("\n...");
    return text;
}

QString driveRowText(const CdromDrive &drive)
{
    QString text = drive.root + QStringLiteral("  ") + drive.mountPoint;
    if (!drive.label.isEmpty())
        text += QStringLiteral("  (") + drive.label + u')';
    return text;
}

} // namespace

CScanDlg::CScanDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CScanDlg"));
    setWindowTitle(QStringLiteral("Scan Options"));
    buildControls();
    fillDriveList();
}

CScanDlg::~CScanDlg()
{
    m_bCancel = true;
    dropWalk();
}

void CScanDlg::buildControls()
{
    m_pTree = new CMyTree(this);
    m_pTree->setObjectName(QStringLiteral("FolderTree"));
    m_pTree->setAccessibleName(QStringLiteral("Folders"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setIconSize(QSize(16, 16));
    ContentWidthColumn::Install(m_pTree);
    ElidedToolTips::Install(m_pTree);

    auto *drives = new QGroupBox(QStringLiteral("Drives"), this);
    m_pDriveList = new QTreeWidget(drives);
    m_pDriveList->setObjectName(QStringLiteral("DriveList"));
    m_pDriveList->setAccessibleName(QStringLiteral("Drives"));
    m_pDriveList->setHeaderLabels({QStringLiteral("Drive")});
    m_pDriveList->header()->resizeSection(0, 200);
    m_pDriveList->setRootIsDecorated(false);
    m_pDriveList->setIconSize(QSize(32, 32));
    m_pDriveList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pDriveList->installEventFilter(this);
    m_pLookInside = new QCheckBox(QStringLiteral("Look inside archives"), drives);
    m_pLookInside->setObjectName(QStringLiteral("LookInsideArchives"));
    m_pLookInside->setAccessibleName(m_pLookInside->text());
    m_pLookInside->setChecked(OpenProfileSettings()->value(kLookInsideKey, false).toBool());
    connect(m_pLookInside, &QCheckBox::toggled, this,
            [](bool bChecked) { OpenProfileSettings()->setValue(kLookInsideKey, bChecked); });
    auto *drivesLayout = new QVBoxLayout(drives);
    drivesLayout->addWidget(m_pDriveList);
    drivesLayout->addWidget(m_pLookInside);

    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName(QStringLiteral("ScanProgress"));
    m_pProgress->setAccessibleName(QStringLiteral("Scan progress"));
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);

    m_pCurFolder = makeReadout(QStringLiteral("Folder"), this);
    m_pCurFile = makeReadout(QStringLiteral("File"), this);
    auto *folderCaption = new QLabel(QStringLiteral("Folder"), this);
    auto *fileCaption = new QLabel(QStringLiteral("File"), this);
    folderCaption->setBuddy(m_pCurFolder);
    fileCaption->setBuddy(m_pCurFile);

    m_btnStart = makeButton("StartScan", 180, QStringLiteral("Start Scan"),
                            QStringLiteral("Start Scan Ctrl + S"), this);
    m_btnStop = makeButton("StopScan", 166, QStringLiteral("Stop Scan"),
                           QStringLiteral("Stop Scan Ctrl + X"), this);
    m_btnSave = makeButton("SaveScan", 181, QStringLiteral("Save Scan"),
                           QStringLiteral("Save Scan Ctrl + H"), this);
    m_btnStart->setDefault(true);
    connect(m_btnStart, &QPushButton::clicked, this, &CScanDlg::OnStartScan);
    connect(m_btnStop, &QPushButton::clicked, this, &CScanDlg::reject);
    connect(m_btnSave, &QPushButton::clicked, this, &CScanDlg::accept);
    connect(m_pDriveList, &QTreeWidget::itemSelectionChanged, this,
            &CScanDlg::onDriveSelectionChanged);
    connect(m_pDriveList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (item == m_pAddImageRow)
            AddImage();
    });

    // The keys the tool tips name.
    const auto addKey = [this](QKeyCombination key, CThemedButton *button) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    };
    addKey(Qt::CTRL | Qt::Key_S, m_btnStart);
    addKey(Qt::CTRL | Qt::Key_X, m_btnStop);
    addKey(Qt::CTRL | Qt::Key_H, m_btnSave);

    auto *readouts = new QGridLayout;
    readouts->addWidget(folderCaption, 0, 0);
    readouts->addWidget(m_pCurFolder, 0, 1);
    readouts->addWidget(fileCaption, 1, 0);
    readouts->addWidget(m_pCurFile, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_btnStart);
    buttons->addWidget(m_btnStop);
    buttons->addWidget(m_btnSave);
    buttons->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(drives, 1);
    right->addLayout(readouts);
    right->addWidget(m_pProgress);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_pTree, 1);
    layout->addLayout(right, 1);

    setTabOrder(m_pDriveList, m_pLookInside);
    setTabOrder(m_pLookInside, m_btnStart);
    setTabOrder(m_btnStart, m_btnStop);
    setTabOrder(m_btnStop, m_btnSave);
    setTabOrder(m_btnSave, m_pTree);
    m_pDriveList->setFocus();
    resize(std::max(minimumSizeHint().width(), 720), 400);
}

void CScanDlg::fillDriveList()
{
    FindCdromDrives(m_lstDrives);
    m_drives = QueryCdromDrives();
    const QIcon icon = ResourceIcon(167);
    // Each root goes in at the top, so the rows read in ascending order.
    for (const QString &root : std::as_const(m_lstDrives)) {
        auto *row = new QTreeWidgetItem;
        row->setData(0, kRootRole, root);
        row->setText(0, root);
        row->setIcon(0, icon);
        for (const CdromDrive &drive : std::as_const(m_drives)) {
            if (drive.root == root) {
                row->setText(0, driveRowText(drive));
                row->setToolTip(0, driveRowText(drive));
            }
        }
        m_pDriveList->insertTopLevelItem(0, row);
    }
    // The images of this session follow the drives, then the row that adds one, which is
    // never chosen itself.
    QList<CdromDrive> &images = sessionImages();
    for (CdromDrive &image : images) {
        // A folder named later may have taken the image's name since.
        image = ImageDrive(image.mountPoint, image.label, m_drives);
        m_drives.append(image);
        addDriveRow(image, m_pDriveList->topLevelItemCount());
    }
    m_pAddImageRow = new QTreeWidgetItem(QStringList {QStringLiteral("Add Image...")});
    m_pAddImageRow->setIcon(0, ResourceIcon(191));
    m_pAddImageRow->setToolTip(0,
                               QStringLiteral("Scan an image file of a disc without mounting it"));
    m_pAddImageRow->setFlags(Qt::ItemIsEnabled);
    m_pDriveList->addTopLevelItem(m_pAddImageRow);
    // What looks chosen is chosen: the drive scanned last when it is still there, else the
    // first one.
    const QString last = OpenProfileSettings()->value(kLastDriveKey).toString();
    QTreeWidgetItem *current = m_pDriveList->topLevelItem(0);
    for (int i = 0; i < m_pDriveList->topLevelItemCount(); ++i) {
        if (!last.isEmpty() && m_pDriveList->topLevelItem(i)->data(0, kRootRole).toString() == last)
            current = m_pDriveList->topLevelItem(i);
    }
    if (current)
        m_pDriveList->setCurrentItem(current);
}

QTreeWidgetItem *CScanDlg::addDriveRow(const CdromDrive &drive, int row)
{
    auto *item = new QTreeWidgetItem;
    item->setData(0, kRootRole, drive.root);
    item->setText(0, driveRowText(drive));
    item->setToolTip(0, driveRowText(drive));
    item->setIcon(0, ResourceIcon(167));
    m_pDriveList->insertTopLevelItem(row, item);
    return item;
}

void CScanDlg::AddImage()
{
    const std::unique_ptr<QSettings> settings = OpenProfileSettings();
    QFileDialog chooser(this, QStringLiteral("Add Image"),
                        settings->value(kImageFolderKey).toString(),
                        QStringLiteral("Disc images (*.iso *.img *.udf *.bin);;All files (*)"));
    chooser.setObjectName(QStringLiteral("AddImageDialog"));
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    if (ExecDialog(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString path = chooser.selectedFiles().first();
    settings->setValue(kImageFolderKey, QFileInfo(path).absolutePath());
    const auto choose = [this](const QString &root) {
        for (int i = 0; i < m_pDriveList->topLevelItemCount(); ++i) {
            if (m_pDriveList->topLevelItem(i)->data(0, kRootRole).toString() == root)
                m_pDriveList->setCurrentItem(m_pDriveList->topLevelItem(i));
        }
    };
    for (const CdromDrive &drive : std::as_const(m_drives)) {
        if (drive.bImage && drive.mountPoint == path)
            return choose(drive.root);
    }
    const ImageContents probe = ProbeImage(path);
    if (!probe.bOk) {
        AfxMessageBox(QStringLiteral("The image file \"%1\" %2.").arg(path, probe.error), this);
        return;
    }
    const CdromDrive image = ImageDrive(path, probe.label, m_drives);
    m_drives.append(image);
    sessionImages().append(image);
    addDriveRow(image, m_pDriveList->indexOfTopLevelItem(m_pAddImageRow));
    choose(image.root);
}

bool CScanDlg::eventFilter(QObject *watched, QEvent *event)
{
    // Enter or Space on "Add Image..." adds one, as a click does.
    if (watched == m_pDriveList && event->type() == QEvent::KeyPress
        && m_pDriveList->currentItem() == m_pAddImageRow) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            AddImage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CScanDlg::onDriveSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_pDriveList->selectedItems();
    if (selected.isEmpty()) {
        // A click on empty space or a Ctrl+click leaves the chosen drive chosen.
        for (int i = 0; i < m_pDriveList->topLevelItemCount(); ++i) {
            QTreeWidgetItem *row = m_pDriveList->topLevelItem(i);
            if (row->data(0, kRootRole).toString() == m_strChosenDrive) {
                // The arrows may rest on "Add Image...", which is never chosen itself, so
                // that Enter or Space can add one: the chosen drive is marked again there
                // without moving the key focus back.
                if (m_pDriveList->currentItem() == m_pAddImageRow)
                    row->setSelected(true);
                else
                    m_pDriveList->setCurrentItem(row);
                return;
            }
        }
        m_strChosenDrive.clear();
        return;
    }
    m_strChosenDrive = selected.first()->data(0, kRootRole).toString();
}

const CdromDrive *CScanDlg::chosenDrive() const
{
    for (const CdromDrive &drive : m_drives) {
        if (drive.root == m_strChosenDrive)
            return &drive;
    }
    return nullptr;
}

void CScanDlg::OnStartScan()
{
    if (IsWalking())
        return;
    const CdromDrive *drive = chosenDrive();
    if (m_strChosenDrive.isEmpty() || !drive) {
        AfxMessageBox(QStringLiteral("Please, click on a disc drive !!!"), this);
        return;
    }
    m_bScanned = 1;
    removePendingRecords();
    m_pTree->clear();
    m_strRootLabel = QString::number(m_nLastNumber + 1);
    auto *root = new QTreeWidgetItem(QStringList {m_strRootLabel + QStringLiteral(" Untitled")});
    root->setIcon(0, ResourceIcon(191));
    m_pTree->addTopLevelItem(root);
    m_pProgress->setValue(0);
    m_strCurFolder.clear();
    m_strCurFile.clear();
    m_pCurFolder->SetFullText(QString());
    m_pCurFile->SetFullText(QString());

    m_strWalkDrive = m_strChosenDrive;
    OpenProfileSettings()->setValue(kLastDriveKey, m_strWalkDrive);
    m_bCancel = false;
    const bool bLookInside = m_pLookInside->isChecked();
    if (drive->bImage) {
        ImageOptions options;
        options.bLookInside = bLookInside;
        options.limits.pCancel = &m_bCancel;
        m_pWalk = std::make_unique<DiscWalk>(
            std::make_unique<ImageSource>(drive->mountPoint, options), drive->root, m_strRootLabel);
    } else {
        m_pWalk = std::make_unique<DiscWalk>(drive->mountPoint, drive->root, m_strRootLabel);
    }
    m_strScannedImage = drive->bImage ? drive->mountPoint : QString();
    m_pWalk->SetLookInsideArchives(bLookInside);
    m_pWalk->SetCancelFlag(&m_bCancel);
    // Called on the worker thread; the read-outs are painted on ours, at most every interval.
    m_pWalk->SetProgressHandler(
        [this](const WalkProgress &progress) {
            QMetaObject::invokeMethod(
                this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
        },
        kProgressIntervalMs);
    DiscWalk *walk = m_pWalk.get();
    m_pThread = QThread::create([walk] { walk->Run(); });
    connect(m_pThread, &QThread::finished, this, &CScanDlg::onWalkFinished);
    setWalking(true);
    m_pThread->start();
}

void CScanDlg::showProgress(const WalkProgress &progress)
{
    if (!IsWalking())
        return;
    m_strCurFolder = progress.folder;
    m_strCurFile = progress.file;
    m_pCurFolder->SetFullText(m_strCurFolder);
    m_pCurFile->SetFullText(m_strCurFile);
    // One step per file, starting over after every 100.
    m_pProgress->setValue(progress.files == 0 ? 0 : int((progress.files - 1) % 100) + 1);
}

void CScanDlg::setWalking(bool bWalking)
{
    m_btnStart->setEnabled(!bWalking);
    m_btnSave->setEnabled(!bWalking);
    m_pDriveList->setEnabled(!bWalking);
    if (bWalking)
        m_btnStop->setFocus();
}

void CScanDlg::onWalkFinished()
{
    if (!m_pThread)
        return; // dropped by Stop
    m_pThread->wait();
    m_pThread->deleteLater();
    m_pThread = nullptr;
    std::unique_ptr<DiscWalk> walk = std::move(m_pWalk);

    // Rebuild the folders under the root from the walk's depth-first list.
    QList<QTreeWidgetItem *> parents {m_pTree->topLevelItem(0)};
    QIcon folderIcon = ResourceIcon(175);
    folderIcon.addPixmap(ResourceIcon(153).pixmap(16, 16), QIcon::Selected);
    for (const WalkFolder &folder : walk->Folders()) {
        parents.resize(qMin<qsizetype>(folder.depth, parents.size()));
        auto *item = new QTreeWidgetItem(parents.last(), QStringList {folder.label});
        item->setIcon(0, folderIcon);
        parents.append(item);
    }
    m_pTree->expandItem(m_pTree->topLevelItem(0));

    if (!walk->Files().isEmpty())
        m_strCurFile = walk->Files().last().m_strFileName;
    if (m_pFileList) {
        m_nPendingStart = m_pFileList->size();
        m_nPendingCount = walk->Files().size();
        m_pFileList->append(std::move(walk->Files()));
    }
    m_pProgress->setValue(100);
    m_pCurFile->SetFullText(m_strCurFile);
    m_pCurFolder->SetFullText(m_strCurFolder);

    // The drive stays chosen, as the list shows it, for a scan of the next disc in it.
    m_strScannedDrive = m_strWalkDrive;
    setWalking(false);
    m_btnSave->setFocus();

    reportWalkProblems(*walk);
    Q_EMIT walkFinished(true);
}

void CScanDlg::reportWalkProblems(const DiscWalk &walk)
{
    if (!walk.RootReadable() && !m_strScannedImage.isEmpty()) {
        // An image that cannot be read adds nothing, not even an empty disc.
        AfxMessageBox(
            QStringLiteral("The image file \"%1\" %2.").arg(m_strScannedImage, walk.SourceError()),
            this);
        m_bScanned = 0;
        m_strScannedImage.clear();
        return;
    }
    if (!walk.RootReadable()) {
        AfxMessageBox(QStringLiteral("The disc in %1 could not be read.").arg(m_strScannedDrive),
                      this);
        return;
    }
    if (!walk.UnreadableFolders().isEmpty())
        AfxMessageBox(listed(QStringLiteral("These folders could not be read; they are kept "
                                            "without their files:"),
                             walk.UnreadableFolders()),
                      this);
    if (!walk.BadArchives().isEmpty())
        AfxMessageBox(listed(QStringLiteral("These archives are recorded as files; what is "
                                            "inside them could not be read:"),
                             walk.BadArchives()),
                      this);
}

void CScanDlg::rememberImage()
{
    // Where the image lives, so a file of the disc can be opened later; a disc scanned from
    // a drive clears what an older disc of the same number left.
    const QString path = m_strHomeDir + QStringLiteral("Data/") + ImageLocations::FileName();
    ImageLocations locations;
    StoreResult result = locations.Load(path);
    if (result) {
        const QString number = QString::number(m_nLastNumber + 1);
        const bool bHad = !locations.Find(number).imagePath.isEmpty();
        if (!m_strScannedImage.isEmpty())
            locations.Set(number, {m_strScannedDrive, m_strScannedImage});
        else
            locations.Remove(number);
        if (bHad || !m_strScannedImage.isEmpty())
            result = locations.Save(path);
    }
    if (!result)
        AfxMessageBox(result.message(), this);
}

void CScanDlg::dropWalk()
{
    if (!m_pThread)
        return;
    QThread *thread = m_pThread;
    m_pThread = nullptr;
    thread->disconnect(this);
    thread->wait();
    delete thread;
    m_pWalk.reset();
}

void CScanDlg::removePendingRecords()
{
    if (m_pFileList && m_nPendingCount > 0
        && m_nPendingStart + m_nPendingCount <= m_pFileList->size())
        m_pFileList->remove(m_nPendingStart, m_nPendingCount);
    m_nPendingCount = 0;
}

bool CScanDlg::SaveTreeTemp()
{
    const StoreResult result
        = WriteWholeFile(m_strHomeDir + QStringLiteral("Data/TreeTemp.tkdt"), m_pTree->TreeText());
    if (!result)
        AfxMessageBox(result.message(), this);
    return result.ok();
}

void CScanDlg::accept()
{
    if (IsWalking())
        return;
    // Without the tree file the disc tree would take an older scan's folders for this disc,
    // so the dialog stays open with the scan pending.
    if (m_bScanned && !SaveTreeTemp())
        return;
    if (m_bScanned)
        rememberImage();
    QDialog::accept();
}

void CScanDlg::reject()
{
    const bool bWalking = IsWalking();
    if (bWalking) {
        m_bCancel = true;
        dropWalk();
        setWalking(false);
    }
    removePendingRecords();
    QDialog::reject();
    if (bWalking)
        Q_EMIT walkFinished(false);
}

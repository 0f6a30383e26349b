#include "platform/chomedirdialog.h"

#include "platform/prompter.h"
#include "resources/resourceicons.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStorageInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kPlaceholderRole = Qt::UserRole + 1;
constexpr int kNotMadeRole = Qt::UserRole + 2; // offered, made only when chosen
constexpr int kNewFolderRole = Qt::UserRole + 3; // made by "New Folder", named by the user

enum Image { DriveImage = 191, SelectedFolderImage = 153, FolderImage = 175 };

bool hasSubfolder(const QString &path)
{
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot);
    return it.hasNext();
}

bool isOptical(const QStorageInfo &volume)
{
    const QByteArray type = volume.fileSystemType().toLower();
    return type == "iso9660" || type == "udf" || type == "fuse.fuseiso"
        || volume.device().startsWith("/dev/sr");
}

bool isNetwork(const QByteArray &type)
{
    static const QByteArray kTypes[]
        = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p", "afs", "ceph", "glusterfs"};
    for (const QByteArray &t : kTypes) {
        if (type == t)
            return true;
    }
    return false;
}

QString withSlash(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

CHomeDirDialog::CHomeDirDialog(QWidget *parent) : QDialog(parent), m_pTree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("CHomeDirDialog"));
    setWindowTitle(QStringLiteral("Create Home Directory"));

    auto *intro = new QLabel(
        QStringLiteral("You don't have a home directory. It is likely that you start Tavikon for "
                       "the first time or you have used the \"Cancel\" option previously."),
        this);
    intro->setObjectName(QStringLiteral("introText"));
    intro->setWordWrap(true);
    // The blank before the full stop does not break, so the stop never wraps onto a line of
    // its own.
    auto *hint = new QLabel(QStringLiteral("Choose a home directory by clicking on the name of "
                                           "the directory\u00a0."),
                            this);
    hint->setObjectName(QStringLiteral("chooseText"));
    hint->setWordWrap(true);
    hint->setBuddy(m_pTree);

    m_pTree->setObjectName(QStringLiteral("directoryTree"));
    m_pTree->setAccessibleName(QStringLiteral("Directories"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setColumnCount(1);
    m_pTree->setIconSize(QSize(16, 16));

    auto *buttons = new QDialogButtonBox(this);
    auto *newFolder
        = buttons->addButton(QStringLiteral("New Folder"), QDialogButtonBox::ActionRole);
    newFolder->setObjectName(QStringLiteral("newFolderButton"));
    newFolder->setAutoDefault(false);
    connect(newFolder, &QPushButton::clicked, this, [this] { OnNewFolder(); });
    auto *choose = buttons->addButton(QStringLiteral("Choose"), QDialogButtonBox::AcceptRole);
    choose->setObjectName(QStringLiteral("chooseButton"));
    choose->setDefault(true);
    auto *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(hint);
    layout->addWidget(m_pTree, 1);
    layout->addWidget(buttons);
    resize(480, 480);
    // At the first start no window of ours is on the screen yet, and Qt would put the dialog
    // at the corner where the hidden main window lies: centre it on the screen instead.
    if (!parent || !parent->window()->isVisible()) {
        if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }

    connect(m_pTree, &QTreeWidget::itemExpanded, this, &CHomeDirDialog::OnItemExpanded);
    connect(m_pTree, &QTreeWidget::itemCollapsed, this, &CHomeDirDialog::OnItemCollapsed);
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CHomeDirDialog::OnSelectionChanged);
    connect(m_pTree, &QTreeWidget::itemChanged, this, &CHomeDirDialog::OnItemChanged);

    for (const QString &place : CatalogueLocations())
        addPlace(place);
    selectSuggestedHome();
    m_pTree->setFocus();
}

QString CHomeDirDialog::SuggestedHome()
{
    return QDir::cleanPath(QDir::homePath()) + QStringLiteral("/Tavikon");
}

void CHomeDirDialog::selectSuggestedHome()
{
    const QString home = QDir::cleanPath(QDir::homePath());
    for (int i = 0; i < m_pTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *place = m_pTree->topLevelItem(i);
        if (place->data(0, kPathRole).toString() != home)
            continue;
        place->setExpanded(true);
        for (int c = 0; c < place->childCount(); ++c) {
            if (place->child(c)->data(0, kPathRole).toString() == SuggestedHome()) {
                m_pTree->setCurrentItem(place->child(c));
                m_pTree->scrollToItem(place->child(c));
                return;
            }
        }
    }
    // No home to offer a folder in: the first place, as before.
    if (QTreeWidgetItem *first = m_pTree->topLevelItem(0)) {
        m_pTree->setCurrentItem(first);
        first->setExpanded(true);
    }
}

QStringList CHomeDirDialog::CatalogueLocations()
{
    QStringList places;
    const auto add = [&](const QString &path) {
        const QString clean = QDir::cleanPath(path);
        if (!clean.isEmpty() && !places.contains(clean) && QFileInfo(clean).isDir())
            places.append(clean);
    };
    add(QDir::rootPath());
    add(QDir::homePath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || isOptical(volume))
            continue;
        // Fixed disks show up as block devices; anything else counts only when it is a
        // network share (pseudo file systems such as proc or tmpfs are no place for data).
        const bool fixed
            = volume.device().startsWith("/dev/") && !volume.device().startsWith("/dev/loop");
        if (!fixed && !isNetwork(volume.fileSystemType().toLower()))
            continue;
        add(volume.rootPath());
    }
    return places;
}

void CHomeDirDialog::addPlace(const QString &path)
{
    auto *item = new QTreeWidgetItem(m_pTree, {QDir::toNativeSeparators(path)});
    item->setData(0, kPathRole, path);
    item->setIcon(0, ResourceIcon(DriveImage));
    addPlaceholder(item);
}

void CHomeDirDialog::addPlaceholder(QTreeWidgetItem *item)
{
    const QString path = item->data(0, kPathRole).toString();
    const bool offersHome = path == QDir::cleanPath(QDir::homePath());
    if (!offersHome && !hasSubfolder(path))
        return;
    auto *placeholder = new QTreeWidgetItem(item);
    placeholder->setData(0, kPlaceholderRole, true);
}

void CHomeDirDialog::fillChildren(QTreeWidgetItem *item)
{
    const QString path = item->data(0, kPathRole).toString();
    const QStringList names
        = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        addFolder(item, name, true);
    // The suggested place is offered in the home folder even before it exists.
    const QString suggested = SuggestedHome();
    if (QDir::cleanPath(path) == QFileInfo(suggested).path() && !QFileInfo(suggested).isDir())
        addFolder(item, QFileInfo(suggested).fileName(), false);
}

QTreeWidgetItem *CHomeDirDialog::addFolder(QTreeWidgetItem *parent, const QString &name,
                                           bool bExists)
{
    auto *child = new QTreeWidgetItem(parent, {name});
    child->setData(0, kPathRole, withSlash(parent->data(0, kPathRole).toString()) + name);
    QIcon icon = ResourceIcon(FolderImage);
    icon.addPixmap(ResourceIcon(SelectedFolderImage).pixmap(16, 16), QIcon::Selected);
    child->setIcon(0, icon);
    if (bExists) {
        addPlaceholder(child);
    } else {
        child->setData(0, kNotMadeRole, true);
        child->setToolTip(0, QStringLiteral("Made when you choose it"));
    }
    return child;
}

QString CHomeDirDialog::OnNewFolder()
{
    QTreeWidgetItem *parent = m_pTree->currentItem();
    if (!parent || parent->data(0, kPlaceholderRole).toBool())
        return {};
    const QString parentPath = parent->data(0, kPathRole).toString();
    parent->setExpanded(true);
    QString name = QStringLiteral("New Folder");
    for (int n = 2; QFileInfo::exists(withSlash(parentPath) + name); ++n)
        name = QStringLiteral("New Folder %1").arg(n);
    const QString path = withSlash(parentPath) + name;
    if (!QDir().mkpath(path)) {
        AfxMessageBox(QStringLiteral("The folder %1 could not be made.").arg(path), this);
        return {};
    }
    if (parent->data(0, kNotMadeRole).toBool()) {
        // Made on the way, as its parent.
        parent->setData(0, kNotMadeRole, QVariant());
        parent->setToolTip(0, QString());
    }
    QTreeWidgetItem *child = nullptr;
    {
        const QScopedValueRollback guard(m_bRenaming, true);
        child = addFolder(parent, name, true);
        child->setData(0, kNewFolderRole, true);
        child->setFlags(child->flags() | Qt::ItemIsEditable);
    }
    m_pTree->setCurrentItem(child);
    m_pTree->editItem(child, 0);
    return path;
}

void CHomeDirDialog::OnItemChanged(QTreeWidgetItem *item)
{
    if (m_bRenaming || !item->data(0, kNewFolderRole).toBool())
        return;
    const QScopedValueRollback guard(m_bRenaming, true);
    const QString oldPath = item->data(0, kPathRole).toString();
    const QString name = item->text(0).trimmed();
    const QString newPath = QFileInfo(oldPath).path() + u'/' + name;
    if (newPath == oldPath)
        return;
    if (name.isEmpty() || name.contains(u'/') || name == u"." || name == u".."
        || QFileInfo::exists(newPath) || !QDir().rename(oldPath, newPath)) {
        item->setText(0, QFileInfo(oldPath).fileName());
        AfxMessageBox(QStringLiteral("The folder could not be named %1.").arg(name), this);
        return;
    }
    item->setText(0, name);
    item->setData(0, kPathRole, newPath);
    if (m_pTree->currentItem() == item)
        OnSelectionChanged();
}

void CHomeDirDialog::accept()
{
    // The offered folder, or one typed away since, is made now.
    if (!m_strPath.isEmpty() && !QFileInfo(m_strPath).isDir() && !QDir().mkpath(m_strPath)) {
        AfxMessageBox(QStringLiteral("The folder %1 could not be made. Please choose another one.")
                          .arg(QDir::toNativeSeparators(m_strPath)),
                      this);
        return;
    }
    QDialog::accept();
}

void CHomeDirDialog::OnItemExpanded(QTreeWidgetItem *item)
{
    // Only the first opening lists the folder; the placeholder marks that it is due.
    if (item->childCount() != 1 || !item->child(0)->data(0, kPlaceholderRole).toBool())
        return;
    delete item->takeChild(0);
    fillChildren(item);
    if (item->childCount() == 0)
        item->setExpanded(false);
}

void CHomeDirDialog::OnItemCollapsed(QTreeWidgetItem *item)
{
    // Forget the listing so the next opening shows the folder as it is then.
    const QList<QTreeWidgetItem *> children = item->takeChildren();
    qDeleteAll(children);
    addPlaceholder(item);
}

void CHomeDirDialog::OnSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_pTree->selectedItems();
    if (selected.isEmpty() || selected.first()->data(0, kPlaceholderRole).toBool())
        return;
    m_strPath
        = withSlash(QDir::toNativeSeparators(selected.first()->data(0, kPathRole).toString()));
}

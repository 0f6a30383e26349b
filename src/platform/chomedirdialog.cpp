#include "platform/chomedirdialog.h"

#include "resources/resourceicons.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kPlaceholderRole = Qt::UserRole + 1;

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
    auto *hint = new QLabel(
        QStringLiteral("Choose a home directory by clicking on the name of the directory ."), this);
    hint->setObjectName(QStringLiteral("chooseText"));
    hint->setWordWrap(true);
    hint->setBuddy(m_pTree);

    m_pTree->setObjectName(QStringLiteral("directoryTree"));
    m_pTree->setAccessibleName(QStringLiteral("Directories"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setColumnCount(1);
    m_pTree->setIconSize(QSize(16, 16));

    auto *buttons = new QDialogButtonBox(this);
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
    resize(420, 460);

    connect(m_pTree, &QTreeWidget::itemExpanded, this, &CHomeDirDialog::OnItemExpanded);
    connect(m_pTree, &QTreeWidget::itemCollapsed, this, &CHomeDirDialog::OnItemCollapsed);
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CHomeDirDialog::OnSelectionChanged);

    for (const QString &place : CatalogueLocations())
        addPlace(place);
    if (QTreeWidgetItem *first = m_pTree->topLevelItem(0)) {
        m_pTree->setCurrentItem(first);
        first->setExpanded(true);
    }
    m_pTree->setFocus();
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
    if (!hasSubfolder(item->data(0, kPathRole).toString()))
        return;
    auto *placeholder = new QTreeWidgetItem(item);
    placeholder->setData(0, kPlaceholderRole, true);
}

void CHomeDirDialog::fillChildren(QTreeWidgetItem *item)
{
    const QString path = item->data(0, kPathRole).toString();
    const QStringList names
        = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        const QString childPath = withSlash(path) + name;
        auto *child = new QTreeWidgetItem(item, {name});
        child->setData(0, kPathRole, childPath);
        QIcon icon = ResourceIcon(FolderImage);
        icon.addPixmap(ResourceIcon(SelectedFolderImage).pixmap(16, 16), QIcon::Selected);
        child->setIcon(0, icon);
        addPlaceholder(child);
    }
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

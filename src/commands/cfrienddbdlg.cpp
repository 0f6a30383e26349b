#include "commands/cfrienddbdlg.h"

#include "resources/resourceicons.h"

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Drives (file-system roots) and folders with the program's own pictures; the selected
// folder shows the open-folder picture.
class FolderIcons final : public QAbstractFileIconProvider
{
public:
    QIcon icon(IconType type) const override
    {
        return type == Drive || type == Computer ? ResourceIcon(191) : folderIcon();
    }
    QIcon icon(const QFileInfo &info) const override
    {
        return info.isRoot() ? ResourceIcon(191) : folderIcon();
    }

private:
    static QIcon folderIcon()
    {
        QIcon icon;
        for (const QSize size : {QSize(16, 16), QSize(32, 32)}) {
            icon.addPixmap(ResourceIcon(175).pixmap(size), QIcon::Normal);
            icon.addPixmap(ResourceIcon(153).pixmap(size), QIcon::Selected);
        }
        return icon;
    }
};

FolderIcons &folderIcons()
{
    // Outlives every model that points to it.
    static FolderIcons icons;
    return icons;
}

} // namespace

CFriendDbDlg::CFriendDbDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CFriendDbDlg"));
    setWindowTitle(tr("Open Alternative Database"));

    auto *layout = new QVBoxLayout(this);
    auto *prompt
        = new QLabel(tr("Please, select the directory which contains\nyour friend's database"));
    prompt->setObjectName(QStringLiteral("folderPrompt"));
    layout->addWidget(prompt);

    // Folders only, read lazily as the user opens them.
    m_pModel = new QFileSystemModel(this);
    m_pModel->setIconProvider(&folderIcons());
    m_pModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_pModel->setReadOnly(true);
    m_pModel->setRootPath(QString());

    m_pTree = new QTreeView(this);
    m_pTree->setObjectName(QStringLiteral("folderTree"));
    m_pTree->setAccessibleName(tr("Folders"));
    m_pTree->setModel(m_pModel);
    m_pTree->setHeaderHidden(true);
    for (int column = 1; column < m_pModel->columnCount(); ++column)
        m_pTree->hideColumn(column);
    m_pTree->setMinimumSize(280, 260);
    prompt->setBuddy(m_pTree);
    layout->addWidget(m_pTree, 1);

    auto *nameLabel = new QLabel(tr("Please, type your friend's name"));
    m_edFriendName = new QLineEdit(this);
    m_edFriendName->setObjectName(QStringLiteral("friendNameEdit"));
    m_edFriendName->setAccessibleName(tr("Please, type your friend's name"));
    nameLabel->setBuddy(m_edFriendName);
    layout->addWidget(nameLabel);
    layout->addWidget(m_edFriendName);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_btnLoad = new QPushButton(tr("Load it !"), this);
    m_btnLoad->setObjectName(QStringLiteral("loadButton"));
    m_btnLoad->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(m_btnLoad);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { OnFolderSelected(current); });
    connect(m_btnLoad, &QPushButton::clicked, this, &CFriendDbDlg::OnLoadIt);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Open the first root, the way a drive list opens on its first drive.
    const QModelIndex first = m_pModel->index(0, 0);
    if (first.isValid()) {
        m_pTree->setCurrentIndex(first);
        m_pTree->expand(first);
    }
}

CFriendDbDlg::~CFriendDbDlg() = default;

bool CFriendDbDlg::SelectFolder(const QString &path)
{
    const QModelIndex index = m_pModel->index(QDir::cleanPath(path));
    if (!index.isValid())
        return false;
    m_pTree->setCurrentIndex(index);
    m_pTree->scrollTo(index);
    return true;
}

void CFriendDbDlg::OnFolderSelected(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    QString folder = QDir::toNativeSeparators(m_pModel->filePath(index));
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_strFolder = folder;
    m_strFriendName = m_edFriendName->text();
}

void CFriendDbDlg::OnLoadIt()
{
    m_strFriendName = m_edFriendName->text();
    m_bConfirmed = 1;
    accept();
}

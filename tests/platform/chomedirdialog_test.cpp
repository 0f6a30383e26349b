#include "platform/chomedirdialog.h"

#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QTreeWidgetItem *childNamed(QTreeWidgetItem *item, const QString &name)
{
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == name)
            return item->child(i);
    return nullptr;
}

} // namespace

// ~/Tavikon is offered and selected before it exists and made when chosen; "New Folder" makes
// a folder in the selected one, which the user names in place.
TEST(CHomeDirDialog, OffersTavikonInTheHomeAndMakesNewFolders)
{
    TestHome home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString tavikon = QDir::cleanPath(home.path()) + QStringLiteral("/Tavikon");
    {
        CHomeDirDialog dialog;
        auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("directoryTree"));
        EXPECT_EQ(dialog.m_strPath, tavikon + u'/');
        EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Tavikon"));
        EXPECT_FALSE(QFileInfo::exists(tavikon));

        FakePrompter prompter;
        EXPECT_EQ(dialog.OnNewFolder(), tavikon + QStringLiteral("/New Folder"));
        EXPECT_EQ(dialog.OnNewFolder(), tavikon + QStringLiteral("/New Folder/New Folder"));
        QTreeWidgetItem *made = tree->currentItem();
        made->setText(0, QStringLiteral("Discs"));
        EXPECT_TRUE(QFileInfo(tavikon + QStringLiteral("/New Folder/Discs")).isDir());
        EXPECT_EQ(dialog.m_strPath, tavikon + QStringLiteral("/New Folder/Discs/"));
        made->setText(0, QStringLiteral("a/b")); // not a name: stays as it was
        EXPECT_EQ(made->text(0), QStringLiteral("Discs"));
        EXPECT_EQ(prompter.messages.size(), 1);
        dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    ASSERT_TRUE(QDir(tavikon).removeRecursively());
    {
        CHomeDirDialog dialog;
        dialog.findChild<QPushButton *>(QStringLiteral("chooseButton"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(QFileInfo(tavikon).isDir());
    }
    qputenv("HOME", oldHome);
}

// The places are offered, no optical disc among them; the tree lists a folder's subfolders when
// it is opened, and choosing one gives its path.
TEST(CHomeDirDialog, OffersThePlacesOpensFoldersLazilyAndChoosesOne)
{
    const QStringList places = CHomeDirDialog::CatalogueLocations();
    ASSERT_FALSE(places.isEmpty());
    EXPECT_EQ(places.first(), QStringLiteral("/"));
    EXPECT_TRUE(places.contains(QDir::cleanPath(QDir::homePath())));
    EXPECT_EQ(QStringList(places).removeDuplicates(), 0);
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QByteArray type = volume.fileSystemType();
        if (type == "iso9660" || type == "udf" || volume.device().startsWith("/dev/sr")) {
            EXPECT_FALSE(places.contains(volume.rootPath())) << volume.rootPath().toStdString();
        }
    }

    TestHome home;
    QDir(home.path()).mkpath(QStringLiteral("pick/leaf"));
    QDir(home.path()).mkpath(QStringLiteral("pick/branch/twig"));
    CHomeDirDialog dialog;
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("directoryTree"));
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->topLevelItemCount(), places.size());
    // With no window of ours on the screen yet, it is centred on the screen.
    QWidget hiddenParent;
    CHomeDirDialog first(&hiddenParent);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    const QPoint offset = first.geometry().center() - first.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 16); // the frame and rounding aside
    // The prompt's last word keeps its full stop on its line.
    EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("chooseText"))
                    ->text()
                    .endsWith(QStringLiteral("directory\u00a0.")));

    QTreeWidgetItem *item = tree->topLevelItem(0);
    const QStringList parts
        = QDir::cleanPath(home.path()).split(u'/', Qt::SkipEmptyParts) + QStringList {"pick"};
    for (const QString &part : parts) {
        item->setExpanded(true);
        item = childNamed(item, part);
        ASSERT_TRUE(item) << part.toStdString();
    }
    EXPECT_EQ(item->childCount(), 1) << "one placeholder until it is opened";
    item->setExpanded(true);
    ASSERT_EQ(item->childCount(), 2);
    QTreeWidgetItem *leaf = childNamed(item, QStringLiteral("leaf"));
    QTreeWidgetItem *branch = childNamed(item, QStringLiteral("branch"));
    ASSERT_TRUE(leaf && branch);
    EXPECT_EQ(QList<int>({leaf->childCount(), branch->childCount()}), QList<int>({0, 1}))
        << "a folder without subfolders has nothing to open";

    // Closing forgets the listing; opening again shows what is there now.
    QDir(home.path()).mkpath(QStringLiteral("pick/new"));
    item->setExpanded(false);
    item->setExpanded(true);
    EXPECT_EQ(item->childCount(), 3);

    tree->setCurrentItem(childNamed(item, QStringLiteral("branch"))); // rebuilt on reopening
    EXPECT_EQ(dialog.m_strPath, QDir::cleanPath(home.path()) + QStringLiteral("/pick/branch/"));
}

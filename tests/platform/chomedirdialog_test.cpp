#include "platform/chomedirdialog.h"

#include "support/tempdir.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QTreeWidgetItem *childNamed(QTreeWidgetItem *item, const QString &name)
{
    for (int i = 0; i < item->childCount(); ++i) {
        if (item->child(i)->text(0) == name)
            return item->child(i);
    }
    return nullptr;
}

} // namespace

TEST(CHomeDirDialog, ShowsItsTextsAndButtons)
{
    CHomeDirDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create Home Directory"));
    auto *intro = dialog.findChild<QLabel *>(QStringLiteral("introText"));
    ASSERT_TRUE(intro);
    EXPECT_EQ(intro->text(),
              QStringLiteral("You don't have a home directory. It is likely that you start Tavikon "
                             "for the first time "
                             "or you have used the \"Cancel\" option previously."));
    auto *hint = dialog.findChild<QLabel *>(QStringLiteral("chooseText"));
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->text(),
              QStringLiteral("Choose a home directory by clicking on the name of the directory ."));
    auto *choose = dialog.findChild<QPushButton *>(QStringLiteral("chooseButton"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"));
    ASSERT_TRUE(choose && cancel);
    EXPECT_EQ(choose->text(), QStringLiteral("Choose"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));

    QSignalSpy rejected(&dialog, &QDialog::rejected);
    cancel->click();
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(CHomeDirDialog, OffersThePlacesButNoOpticalDisc)
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

    CHomeDirDialog dialog;
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("directoryTree"));
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->topLevelItemCount(), places.size());
    // The first place is selected and opened at the start.
    EXPECT_EQ(dialog.m_strPath, QStringLiteral("/"));
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
}

// The tree lists a folder's subfolders when it is opened, and choosing one gives its path.
TEST(CHomeDirDialog, OpensFoldersLazilyAndChoosesOne)
{
    TestHome home;
    QDir(home.path()).mkpath(QStringLiteral("pick/leaf"));
    QDir(home.path()).mkpath(QStringLiteral("pick/branch/twig"));
    CHomeDirDialog dialog;
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("directoryTree"));
    ASSERT_TRUE(tree);

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
    EXPECT_EQ(leaf->childCount(), 0) << "a folder without subfolders has nothing to open";
    EXPECT_EQ(branch->childCount(), 1);

    // Closing forgets the listing; opening again shows what is there now.
    QDir(home.path()).mkpath(QStringLiteral("pick/new"));
    item->setExpanded(false);
    item->setExpanded(true);
    EXPECT_EQ(item->childCount(), 3);

    tree->setCurrentItem(childNamed(item, QStringLiteral("branch")));
    EXPECT_EQ(dialog.m_strPath, QDir::cleanPath(home.path()) + QStringLiteral("/pick/branch/"));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.findChild<QPushButton *>(QStringLiteral("chooseButton"))->click();
    EXPECT_EQ(accepted.count(), 1);
}

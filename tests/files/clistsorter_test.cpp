#include "files/clistsorter.h"
#include "files/listcompare.h"
#include "support/widgets.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

TEST(CListSorter, SortsOneColumnAndKeepsSelectionAndCurrentRow)
{
    QTreeWidget list;
    list.setColumnCount(2);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const auto &[name, number] :
         {std::pair {"Ten", "10"}, {"nine", "9"}, {"Hundred", "100"}, {"one", "1"}})
        list.addTopLevelItem(
            new QTreeWidgetItem({QString::fromLatin1(name), QString::fromLatin1(number)}));
    QTreeWidgetItem *nine = list.topLevelItem(1);
    QTreeWidgetItem *hundred = list.topLevelItem(2);
    list.setCurrentItem(nine);
    hundred->setSelected(true);

    CListSorter byNumber(&list, 1);
    byNumber.Sort(true, SORT_INT);
    EXPECT_EQ(Texts(&list, 1), (QStringList {"1", "9", "10", "100"}));
    byNumber.Sort(false, SORT_INT);
    EXPECT_EQ(Texts(&list, 1), (QStringList {"100", "10", "9", "1"}));
    EXPECT_EQ(list.currentItem(), nine);
    EXPECT_EQ(list.selectedItems().size(), 2);
    EXPECT_TRUE(nine->isSelected() && hundred->isSelected());

    CListSorter(&list, 0).Sort(true, SORT_TEXT);
    EXPECT_EQ(Texts(&list, 0), (QStringList {"Hundred", "nine", "one", "Ten"}));

    // A column the list does not have changes nothing.
    CListSorter(&list, 5).Sort(true, SORT_TEXT);
    CListSorter(nullptr, 0).Sort(true, SORT_TEXT);
    EXPECT_EQ(Texts(&list, 0), (QStringList {"Hundred", "nine", "one", "Ten"}));
}

} // namespace

#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// True when the area holds a pixel clearly different from the header's own background.
bool hasMark(const QImage &image, const QRect &area, const QColor &background)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.lightness() - background.lightness()) > 60)
                return true;
        }
    return false;
}

} // namespace

// SetSortArrow returns the column marked before; the arrow is drawn on the marked column
// only, sized from the header's height, and turns over with the direction.
TEST(SortHeader, ArrowMarksOneColumnScalesWithHeightAndReturnsThePreviousColumn)
{
    CSortListCtrl list;
    list.setHeaderLabels({"A", "B"});
    list.resize(300, 200);
    CSortHeader *header = list.SortHeader();
    ASSERT_EQ(list.header(), header);
    EXPECT_EQ(header->SetSortArrow(0, true), -1);
    EXPECT_EQ(header->SetSortArrow(0, false), 0) << "same column, other direction";
    header->resizeSection(0, 120);
    header->resizeSection(1, 120);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    const QRect low(0, 0, 120, 20), tall(0, 0, 120, 40);
    EXPECT_GT(header->ArrowRect(tall).height(), header->ArrowRect(low).height());
    EXPECT_LE(header->ArrowRect(tall).height(), 40);
    EXPECT_TRUE(tall.contains(header->ArrowRect(tall)));

    EXPECT_EQ(header->SetSortArrow(1, true), 0);
    const QImage image = header->grab().toImage();
    const QColor bg = header->palette().color(QPalette::Button);
    const int h = header->height();
    const QRect arrow1 = header->ArrowRect(QRect(header->sectionViewportPosition(1), 0, 120, h));
    const QRect arrow0 = header->ArrowRect(QRect(header->sectionViewportPosition(0), 0, 120, h));
    EXPECT_TRUE(hasMark(image, arrow1, bg));
    EXPECT_FALSE(hasMark(image, arrow0.adjusted(1, 1, -1, -1), bg));

    // The triangle turns over with the direction.
    header->SetSortArrow(1, false);
    const QImage flipped = header->grab().toImage();
    EXPECT_NE(image.copy(arrow1), flipped.copy(arrow1));
}

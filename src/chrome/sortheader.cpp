#include "chrome/sortheader.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>

#include <algorithm>

CSortHeader::CSortHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    // The style's own indicator would be drawn as well as ours.
    setSortIndicatorShown(false);
}

CSortHeader::~CSortHeader() = default;

int CSortHeader::SetSortArrow(int nColumn, bool bAscending)
{
    const int previous = m_nSortColumn;
    m_nSortColumn = nColumn;
    m_bSortAscending = bAscending;
    // Kept in step for code that reads Qt's indicator; it stays hidden.
    setSortIndicator(nColumn, bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    viewport()->update();
    return previous;
}

QRect CSortHeader::ArrowRect(const QRect &sectionRect) const
{
    const int h = sectionRect.height();
    const int side = std::max(7, (h * 9) / 20) | 1; // odd, so the tip sits on a pixel
    const int margin = std::max(4, h / 4);
    return QRect(sectionRect.right() - margin - side + 1, sectionRect.top() + (h - side) / 2, side,
                 side);
}

void CSortHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (logicalIndex != m_nSortColumn || !rect.isValid()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QStyleOptionHeader opt;
    initStyleOptionForIndex(&opt, logicalIndex);
    opt.rect = rect;
    opt.sortIndicator = QStyleOptionHeader::None;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
    const QRect arrow = ArrowRect(rect);
    // The label gives way to the arrow instead of running under it.
    QStyleOptionHeader label = opt;
    label.rect = style()->subElementRect(QStyle::SE_HeaderLabel, &opt, this);
    label.rect.setRight(std::min(label.rect.right(), arrow.left() - 3));
    style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);

    // The triangle: filled in the text colour so it reads on light and dark headers, edged
    // with the 3-D highlight and shadow colours for the etched look.
    const int l = arrow.left(), r = arrow.right(), t = arrow.top();
    const int mid = l + arrow.width() / 2;
    // A flat triangle, half as high as wide, centred in the square.
    const int rise = arrow.width() / 2;
    const int top = t + (arrow.height() - rise) / 2, bottom = top + rise;
    QPolygon tri;
    if (m_bSortAscending)
        tri << QPoint(mid, top) << QPoint(r, bottom) << QPoint(l, bottom);
    else
        tri << QPoint(l, top) << QPoint(r, top) << QPoint(mid, bottom);
    const QPalette &pal = palette();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    QColor fill = pal.color(QPalette::ButtonText);
    fill.setAlpha(190);
    painter->setBrush(fill);
    painter->drawPolygon(tri);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(pal.color(QPalette::Light), 1));
    painter->drawLine(tri[0], tri[2]);
    painter->setPen(QPen(pal.color(QPalette::Dark), 1));
    painter->drawLine(tri[0], tri[1]);
    painter->drawLine(tri[1], tri[2]);
    painter->restore();
}

QSize CSortHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    // Room for the arrow, so resizing to contents does not clip the label of the sorted column.
    size.rwidth() += ArrowRect(QRect(0, 0, size.width(), size.height())).width() + 6;
    return size;
}

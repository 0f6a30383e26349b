#include "chrome/elidedtooltips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

ElidedToolTips::ElidedToolTips(QAbstractItemView *view)
    : QObject(view), m_pView(view), m_pViewport(view->viewport())
{
    view->viewport()->installEventFilter(this);
}

void ElidedToolTips::Install(QAbstractItemView *view)
{
    new ElidedToolTips(view);
}

QString ElidedToolTips::TipAt(const QAbstractItemView *view, const QPoint &viewportPos)
{
    const QModelIndex index = view->indexAt(viewportPos);
    if (!index.isValid())
        return {};
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return {};
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.font = view->font();
    option.rect = view->visualRect(index);
    option.decorationSize = view->iconSize().isValid()
        ? view->iconSize()
        : QSize(view->style()->pixelMetric(QStyle::PM_SmallIconSize),
                view->style()->pixelMetric(QStyle::PM_SmallIconSize));
    const QAbstractItemDelegate *delegate = view->itemDelegateForIndex(index);
    const int needed = delegate ? delegate->sizeHint(option, index).width() : 0;
    // What can be read is what lies inside the viewport, so a cell scrolled partly out of
    // sight counts as cut too.
    const QRect visible = option.rect.intersected(view->viewport()->rect());
    return needed > visible.width() ? text : QString();
}

bool ElidedToolTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || watched != m_pViewport)
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = m_pView->indexAt(help->pos());
    if (index.isValid() && index.data(Qt::ToolTipRole).isValid())
        return false; // the model's own tip
    const QString tip = TipAt(m_pView, help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, m_pView->viewport(), m_pView->visualRect(index));
    return true;
}

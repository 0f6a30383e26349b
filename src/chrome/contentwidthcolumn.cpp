#include "chrome/contentwidthcolumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

#include <algorithm>

ContentWidthColumn::ContentWidthColumn(QTreeView *view)
    : QObject(view), m_pView(view), m_pViewport(view->viewport())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ContentWidthColumn::Fit);

    QHeaderView *header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->viewport()->installEventFilter(this);
    connect(view, &QTreeView::expanded, this, &ContentWidthColumn::schedule);
    connect(view, &QTreeView::collapsed, this, &ContentWidthColumn::schedule);
    if (QAbstractItemModel *model = view->model()) {
        connect(model, &QAbstractItemModel::rowsInserted, this, &ContentWidthColumn::schedule);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ContentWidthColumn::schedule);
        connect(model, &QAbstractItemModel::modelReset, this, &ContentWidthColumn::schedule);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ContentWidthColumn::schedule);
        connect(model, &QAbstractItemModel::dataChanged, this, &ContentWidthColumn::schedule);
    }
}

void ContentWidthColumn::Install(QTreeView *view)
{
    new ContentWidthColumn(view);
}

void ContentWidthColumn::schedule()
{
    m_timer.start();
}

void ContentWidthColumn::Fit()
{
    m_timer.stop();
    // The hint of column 0 includes the indentation of the deepest row it measured.
    const int wanted = std::max(m_pView->viewport()->width(),
                                static_cast<QAbstractItemView *>(m_pView)->sizeHintForColumn(0));
    if (m_pView->header()->sectionSize(0) != wanted)
        m_pView->header()->resizeSection(0, wanted);
}

bool ContentWidthColumn::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_pViewport)
        schedule();
    return false;
}

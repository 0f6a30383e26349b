#pragma once

#include <QObject>
#include <QTimer>

class QTreeView;

// Keeps the only column of a tree as wide as its widest row and never narrower than the
// view, so that a long label makes the tree scroll sideways instead of being cut. The width
// is worked out once per burst of changes (expanding, filling, resizing). Owned by the view.
class ContentWidthColumn final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentWidthColumn)

public:
    static void Install(QTreeView *view);

    // Sets the width now rather than at the next turn of the event loop.
    void Fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ContentWidthColumn(QTreeView *view);
    void schedule();

    QTreeView *m_pView;
    QObject *m_pViewport; // compared only: events arrive while the view is being destroyed
    QTimer m_timer;
};

#pragma once

#include <QObject>

class QAbstractItemView;

// Shows the whole text of a cell in a tool tip when the cell is too narrow for it (or
// scrolled partly out of sight), and no tip when the text is there to read. Cells whose
// model gives a tool tip of its own keep that one. Installed on a view's viewport, owned by
// the view.
class ElidedToolTips final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ElidedToolTips)

public:
    static void Install(QAbstractItemView *view);

    // The text the tip shows at a viewport point: empty when the cell there is not cut.
    static QString TipAt(const QAbstractItemView *view, const QPoint &viewportPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ElidedToolTips(QAbstractItemView *view);

    QAbstractItemView *m_pView;
    QObject *m_pViewport; // compared only: events arrive while the view is being destroyed
};

#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// The in-place editor of a category name. It never writes the edited text into the list
// itself: the owner decides whether the new name is accepted, so a refused rename leaves
// the row as it was. A cancelled edit (Escape) reports nothing.
class CLabelEditDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CLabelEditDelegate)

public:
    explicit CLabelEditDelegate(QObject *parent = nullptr);
    ~CLabelEditDelegate() override;

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

Q_SIGNALS:
    // The user finished editing the row with this text (possibly unchanged or empty).
    void labelEdited(const QPersistentModelIndex &index, const QString &text) const;
};

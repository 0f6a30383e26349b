#include "categories/labeleditdelegate.h"

#include <QLineEdit>

CLabelEditDelegate::CLabelEditDelegate(QObject *parent) : QStyledItemDelegate(parent) { }

CLabelEditDelegate::~CLabelEditDelegate() = default;

void CLabelEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                      const QModelIndex &index) const
{
    if (const auto *edit = qobject_cast<QLineEdit *>(editor))
        Q_EMIT labelEdited(QPersistentModelIndex(index), edit->text());
}

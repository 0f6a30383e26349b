#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QList>

// A one-column list of distinct numbers, each shown as decimal text with the disc icon. It keeps
// the numbers themselves, not texts or items, so a list of a million gaps costs four megabytes and
// shows at once.
class CNumberListModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CNumberListModel)

public:
    CNumberListModel(QList<int> numbers, QString title, QIcon icon, QObject *parent = nullptr);
    ~CNumberListModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void SortNumbers(bool bAscending);
    const QList<int> &Numbers() const { return m_numbers; }

private:
    QList<int> m_numbers;
    QString m_title;
    QIcon m_icon;
};

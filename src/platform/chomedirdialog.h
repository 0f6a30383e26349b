#pragma once

#include <QDialog>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Dialog 192 "Create Home Directory", shown at the first start: the user picks the folder
// the catalogue will live in from a tree of the places that can hold one. The tree is filled
// as the user opens it. Optical discs are never offered. Run it through ExecDialog.
class CHomeDirDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHomeDirDialog)

public:
    explicit CHomeDirDialog(QWidget *parent = nullptr);

    // The chosen directory, a native path ending in '/'; empty until an item is selected.
    QString m_strPath;

    // The top-level places: the root file system, the user's home and every mounted fixed or
    // network volume, in this order, each once.
    static QStringList CatalogueLocations();

private:
    void addPlace(const QString &path);
    void OnItemExpanded(QTreeWidgetItem *item);
    void OnItemCollapsed(QTreeWidgetItem *item);
    void OnSelectionChanged();
    void fillChildren(QTreeWidgetItem *item);
    void addPlaceholder(QTreeWidgetItem *item);

    QTreeWidget *m_pTree;
};

#pragma once

#include <QDialog>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Dialog 192 "Create Home Directory", shown at the first start: the user picks the folder
// the catalogue will live in from a tree of the places that can hold one. The tree is filled
// as the user opens it. Optical discs are never offered. It opens with ~/Tavikon selected,
// offered even before it exists and made when it is chosen; "New Folder" makes a folder in
// the selected one and lets the user name it. Run it through ExecDialog.
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
    // The place offered first: the folder Tavikon in the user's home.
    static QString SuggestedHome();

    // Makes a folder "New Folder" (or "New Folder 2", ...) in the selected one, selects it
    // and opens its name for editing. Returns its path, empty when it could not be made.
    QString OnNewFolder();

public Q_SLOTS:
    // Choose: makes the chosen folder when it does not exist yet.
    void accept() override;

private:
    void addPlace(const QString &path);
    void OnItemExpanded(QTreeWidgetItem *item);
    void OnItemCollapsed(QTreeWidgetItem *item);
    void OnSelectionChanged();
    void OnItemChanged(QTreeWidgetItem *item);
    void fillChildren(QTreeWidgetItem *item);
    void addPlaceholder(QTreeWidgetItem *item);
    QTreeWidgetItem *addFolder(QTreeWidgetItem *parent, const QString &name, bool bExists);
    void selectSuggestedHome();

    QTreeWidget *m_pTree;
    bool m_bRenaming = false;
};

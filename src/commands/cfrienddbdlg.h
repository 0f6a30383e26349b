#pragma once

#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

// "Open Alternative Database": the user picks the folder that holds a friend's catalogue
// files and may type the friend's name. The command panel runs it and reads the members.
class CFriendDbDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFriendDbDlg)

public:
    explicit CFriendDbDlg(QWidget *parent = nullptr);
    ~CFriendDbDlg() override;

    // Selects the folder in the tree as a click would (false when the tree cannot show it).
    bool SelectFolder(const QString &path);

    int m_bConfirmed = 0; // 1 when "Load it !" closed the dialog
    QString m_strFolder; // native path of the chosen folder, ending with '/'
    QString m_strFriendName;

private:
    void OnFolderSelected(const QModelIndex &index);
    void OnLoadIt();

    QFileSystemModel *m_pModel = nullptr;
    QTreeView *m_pTree = nullptr;
    QLineEdit *m_edFriendName = nullptr;
    QPushButton *m_btnLoad = nullptr;
};

#pragma once

#include <QDialog>

// Dialog 100: the program's name and version with one OK button.
class CAboutDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDlg)

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
    ~CAboutDlg() override;
};

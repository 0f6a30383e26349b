#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// Dialog 195 "Delete CD": asks whether the disc named in the prompt is to be deleted.
// The caller sets m_strPrompt before running it.
class CDeleteDiscDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDeleteDiscDlg)

public:
    explicit CDeleteDiscDlg(QWidget *parent = nullptr);
    ~CDeleteDiscDlg() override;

    QString m_strPrompt;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_stPrompt;
};

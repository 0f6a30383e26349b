#include "discs/cdeletediscdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDeleteDiscDlg::CDeleteDiscDlg(QWidget *parent)
    : QDialog(parent),
      m_stPrompt(new QLabel(QStringLiteral("Do you really want to delete this CD?"), this))
{
    setObjectName(QStringLiteral("CDeleteDiscDlg"));
    setWindowTitle(QStringLiteral("Delete CD"));
    m_stPrompt->setObjectName(QStringLiteral("promptLabel"));
    m_stPrompt->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_stPrompt);
    layout->addWidget(buttons);
    setMinimumWidth(320); // the caption and the prompt on one line each
}

CDeleteDiscDlg::~CDeleteDiscDlg() = default;

void CDeleteDiscDlg::showEvent(QShowEvent *event)
{
    m_stPrompt->setText(m_strPrompt);
    setAccessibleDescription(m_strPrompt);
    QDialog::showEvent(event);
}

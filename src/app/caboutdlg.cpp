#include "app/caboutdlg.h"

#include "resources/resourceicons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("Tavikon"));

    auto *icon = new QLabel(this);
    icon->setPixmap(ResourceIcon(173).pixmap(48, 48));
    auto *version = new QLabel(QStringLiteral("Tavikon Version 1.0"), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    auto *blurb = new QLabel(tr("A catalogue for your collection of CDs and DVDs."), this);

    auto *text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(blurb);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

CAboutDlg::~CAboutDlg() = default;

#include "discs/cgapsdlg.h"

#include "chrome/sortheader.h"
#include "discs/numberlistmodel.h"
#include "resources/resourceicons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

CGapsDlg::CGapsDlg(QList<int> gaps, QWidget *parent)
    : QDialog(parent),
      m_pList(new QTreeView(this)),
      m_pHeader(new CSortHeader(m_pList)),
      m_pModel(
          new CNumberListModel(std::move(gaps), QStringLiteral("Number"), ResourceIcon(191), this))
{
    setObjectName(QStringLiteral("CGapsDlg"));
    setWindowTitle(QStringLiteral("Find Gaps in the CD Index"));
    // Its own window beside the main one, not a sheet over it.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *caption = new QLabel(QStringLiteral("Unassigned Indices"), this);
    m_pList->setObjectName(QStringLiteral("gapsList"));
    m_pList->setAccessibleName(caption->text());
    caption->setBuddy(m_pList);
    m_pList->setHeader(m_pHeader);
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true); // a million rows lay out without measuring each
    m_pList->setIconSize(QSize(16, 16));
    m_pList->setModel(m_pModel);
    m_pHeader->setSectionsClickable(true);
    m_pHeader->setStretchLastSection(false);
    m_pHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pHeader->resizeSection(0, 100);
    connect(m_pHeader, &QHeaderView::sectionClicked, this, &CGapsDlg::OnColumnClick);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);
    resize(320, 360); // wide enough for the caption
}

CGapsDlg::~CGapsDlg() = default;

void CGapsDlg::OnColumnClick(int nColumn)
{
    if (nColumn != 0)
        return;
    const bool bAscending = m_nSortFlag == 1;
    m_nSortFlag = bAscending ? 0 : 1;
    m_pHeader->SetSortArrow(0, bAscending);
    m_pModel->SortNumbers(bAscending);
}

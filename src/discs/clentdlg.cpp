#include "discs/clentdlg.h"

#include "files/listcompare.h"

#include <QLabel>
#include <QVBoxLayout>

CLentDlg::CLentDlg(const CDiscList &discs, SelectDisc selectDisc, QWidget *parent)
    : CDiscListDlg("CLentDlg", QStringLiteral("Non-Available CDs"),
                   {{QStringLiteral("CD Name"), 270, &LendingRow::name, SORT_TEXT},
                    {QStringLiteral("CD Number"), 100, &LendingRow::number, SORT_INT},
                    {QStringLiteral("CD Location"), 100, &LendingRow::location, SORT_TEXT},
                    {QStringLiteral("Lent at..."), 150, &LendingRow::lendDate, SORT_DATE}},
                   discs, LentDiscRows(discs), std::move(selectDisc), parent)
{
    TopLayout()->addWidget(new QLabel(QStringLiteral("List of All Non-Available CDs"), this));
}

CLentDlg::~CLentDlg() = default;

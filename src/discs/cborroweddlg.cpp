#include "discs/cborroweddlg.h"

#include "files/listcompare.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CBorrowedDlg::CBorrowedDlg(const CDiscList &discs, const QString &strPerson, SelectDisc selectDisc,
                           QWidget *parent)
    : CDiscListDlg("CBorrowedDlg", QStringLiteral("Borrowed CDs"),
                   {{QStringLiteral("CD Name"), 300, &LendingRow::name, SORT_TEXT},
                    {QStringLiteral("CD Number"), 100, &LendingRow::number, SORT_INT},
                    {QStringLiteral("Lent at..."), 150, &LendingRow::lendDate, 0}},
                   discs, DiscRowsOfPerson(discs, strPerson), std::move(selectDisc), parent),
      m_strPerson(strPerson)
{
    auto *person = new QLabel(m_strPerson, this);
    person->setObjectName(QStringLiteral("personLabel"));
    person->setTextFormat(Qt::PlainText);
    auto *line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("Person : "), this));
    line->addWidget(person, 1);
    TopLayout()->addLayout(line);
}

CBorrowedDlg::~CBorrowedDlg() = default;

#include "discs/cavailabledlg.h"

#include "files/listcompare.h"

CAvailableDlg::CAvailableDlg(const CDiscList &discs, SelectDisc selectDisc, QWidget *parent)
    : CDiscListDlg("CAvailableDlg", QStringLiteral("Available CDs"),
                   {{QStringLiteral("CD Name"), 270, &LendingRow::name, SORT_TEXT},
                    {QStringLiteral("CD Number"), 100, &LendingRow::number, SORT_INT}},
                   discs, AvailableDiscRows(discs), std::move(selectDisc), parent)
{ }

CAvailableDlg::~CAvailableDlg() = default;

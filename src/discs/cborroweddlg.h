#pragma once

#include "discs/cdisclistdlg.h"

// Dialog 200 "Borrowed CDs": the discs one person has, the name compared exactly.
class CBorrowedDlg final : public CDiscListDlg
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CBorrowedDlg)

public:
    CBorrowedDlg(const CDiscList &discs, const QString &strPerson, SelectDisc selectDisc,
                 QWidget *parent = nullptr);
    ~CBorrowedDlg() override;

    const QString m_strPerson;
};

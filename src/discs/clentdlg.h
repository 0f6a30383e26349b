#pragma once

#include "discs/cdisclistdlg.h"

// Dialog 199 "Non-Available CDs": every disc that is lent, with the person and the date.
class CLentDlg final : public CDiscListDlg
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CLentDlg)

public:
    CLentDlg(const CDiscList &discs, SelectDisc selectDisc, QWidget *parent = nullptr);
    ~CLentDlg() override;
};

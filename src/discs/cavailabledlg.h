#pragma once

#include "discs/cdisclistdlg.h"

// Dialog 198 "Available CDs": every disc at home, by name and number.
class CAvailableDlg final : public CDiscListDlg
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAvailableDlg)

public:
    CAvailableDlg(const CDiscList &discs, SelectDisc selectDisc, QWidget *parent = nullptr);
    ~CAvailableDlg() override;
};

#include "scan/cscandlg.h"

CScanDlg::CScanDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CScanDlg"));
    setWindowTitle(QStringLiteral("Scan Options"));
}

CScanDlg::~CScanDlg() = default;

#pragma once

#include "store/ccatalog.h"

#include <QDialog>

// "Scan Options": the user picks a CD-ROM drive, walks the disc in it into a folder tree and
// one file record per file, and saves the scan (Data/TreeTemp.tkdt) or throws it away.
// Opened by the disc tree; the records are appended to the catalogue's file list and are
// pending until Save.
class CScanDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CScanDlg)

public:
    explicit CScanDlg(QWidget *parent = nullptr);
    ~CScanDlg() override;

    // Set by the opener before the dialog runs.
    int m_nLastNumber = 1; // highest disc number; the scanned disc gets this + 1
    QString m_strHomeDir; // native, ends with '/'
    CFileList *m_pFileList = nullptr; // not owned

    // Read by the opener after the dialog closed with Accepted.
    int m_bScanned = 0;
    QString m_strScannedDrive; // catalogue form, e.g. "SR0:\"
};

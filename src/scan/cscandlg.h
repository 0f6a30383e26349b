#pragma once

#include "platform/cdromdrives.h"
#include "store/ccatalog.h"

#include <QDialog>

#include <atomic>
#include <memory>

class CMyTree;
class CThemedButton;
class QCheckBox;
class DiscWalk;
class ElidedLabel;
class QProgressBar;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;
struct WalkProgress;

// "Scan Options": the user picks a CD-ROM drive, walks the disc in it into a folder tree and
// one file record per file, and saves the scan (Data/TreeTemp.tkdt) or throws it away.
// Opened by the disc tree; the records are appended to the catalogue's file list and are
// pending until Save: a new Start replaces them, Stop (or Esc, or closing) removes them.
//
// The walk runs on a worker thread, because one read of a slow or scratched disc can block
// for seconds and the window must stay responsive; the records reach the file list on the
// dialog's thread when the walk is over. Stop during a walk halts it and keeps nothing of it.
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

    // Start Scan: walks the chosen drive, or asks for a drive when none is chosen.
    void OnStartScan();
    // Writes the folder tree to Data/TreeTemp.tkdt under the home directory.
    bool SaveTreeTemp();

    // "Add Image...": asks for an image file and adds it to the drives, chosen.
    void AddImage();

    bool IsWalking() const { return m_pThread != nullptr; }
    const QString &ChosenDrive() const { return m_strChosenDrive; }
    const QStringList &Drives() const { return m_lstDrives; }

public Q_SLOTS:
    // Save Scan: keeps the pending records and writes the tree; ignored during a walk.
    void accept() override;
    // Stop Scan: halts a walk and removes the pending records.
    void reject() override;

Q_SIGNALS:
    // A walk is over: its records are in the file list (completed) or were dropped.
    void walkFinished(bool bCompleted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fillDriveList();
    QTreeWidgetItem *addDriveRow(const CdromDrive &drive, int row);
    void reportWalkProblems(const DiscWalk &walk);
    void rememberImage();
    void onDriveSelectionChanged();
    void onWalkFinished();
    void showProgress(const WalkProgress &progress);
    void setWalking(bool bWalking);
    void dropWalk();
    void removePendingRecords();
    const CdromDrive *chosenDrive() const;

    QStringList m_lstDrives; // roots, highest first, as FindCdromDrives gives them
    QList<CdromDrive> m_drives;
    QString m_strChosenDrive;
    QString m_strRootLabel;
    QString m_strCurFile;
    QString m_strCurFolder;

    qsizetype m_nPendingStart = 0; // the pending scan's records in m_pFileList
    qsizetype m_nPendingCount = 0;

    std::unique_ptr<DiscWalk> m_pWalk;
    QThread *m_pThread = nullptr;
    std::atomic<bool> m_bCancel {false};
    QString m_strWalkDrive; // root being walked
    QString m_strScannedImage; // the image file of the last scan, if it was one

    CThemedButton *m_btnStart = nullptr;
    CThemedButton *m_btnStop = nullptr;
    CThemedButton *m_btnSave = nullptr;
    QProgressBar *m_pProgress = nullptr;
    CMyTree *m_pTree = nullptr;
    QTreeWidget *m_pDriveList = nullptr;
    QTreeWidgetItem *m_pAddImageRow = nullptr;
    QCheckBox *m_pLookInside = nullptr;
    ElidedLabel *m_pCurFile = nullptr;
    ElidedLabel *m_pCurFolder = nullptr;
};

#include "categories/homestart.h"

#include "platform/chomedirdialog.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "store/homepaths.h"

bool StartHomeDirectory(QWidget *dialogParent,
                        const std::function<void(int, const QString &)> &broadcast)
{
    HomePaths paths;
    if (ReadHomePaths(paths)) {
        broadcast(HINT_BACKUP_DIR, paths.backup);
        broadcast(HINT_LOAD_HOME, paths.home);
        return true;
    }

    // First start: ask until a directory can take the catalogue, or the user gives up.
    QString home;
    bool kept = false;
    for (;;) {
        CHomeDirDialog dialog(dialogParent);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        home = dialog.m_strPath;
        if (home.isEmpty()) {
            AfxMessageBox(QStringLiteral("Please choose a directory for the catalogue."),
                          dialogParent);
            continue;
        }
        kept = HoldsCatalogue(home);
        const StoreResult laidOut = LayOutCatalogue(home);
        if (laidOut)
            break;
        AfxMessageBox(laidOut.message()
                          + QStringLiteral("\nPlease choose a directory you may write to."),
                      dialogParent);
    }

    // Written only now, so a directory that could not take the catalogue is not remembered.
    const StoreResult saved = WriteHomePaths(home);
    if (!saved)
        AfxMessageBox(saved.message()
                          + QStringLiteral("\nThe home directory will be asked for again at the "
                                           "next start."),
                      dialogParent);

    const QString backup = BackupDirFor(home);
    if (kept) {
        // An existing catalogue may need its backup while it loads.
        broadcast(HINT_BACKUP_DIR, backup);
        broadcast(HINT_LOAD_HOME, home);
    } else {
        broadcast(HINT_LOAD_HOME, home);
        broadcast(HINT_BACKUP_DIR, backup);
    }
    return true;
}

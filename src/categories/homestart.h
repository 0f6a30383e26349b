#pragma once

#include <QString>

#include <functional>

class QWidget;

// Finds the home directory at the category panel's first update and hands it, with the
// backup directory, to the disc tree through `broadcast` (HINT_BACKUP_DIR and
// HINT_LOAD_HOME in the order the start calls for). At the first start it asks the user for
// a directory and lays out a new catalogue there. Returns false when the user cancelled.
bool StartHomeDirectory(QWidget *dialogParent,
                        const std::function<void(int lHint, const QString &text)> &broadcast);

#pragma once

#include <QKeyCombination>
#include <QObject>

class QWidget;

// Lets a window-wide shortcut fire from inside one editor that would otherwise claim the key
// for itself (a line edit takes Ctrl+A as "select all"). Installed on that editor alone, so
// every other editor keeps its own meaning of the key. Owned by the editor.
class ShortcutPassThrough final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortcutPassThrough)

public:
    ShortcutPassThrough(QWidget *editor, QKeyCombination key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QKeyCombination m_key;
};

#include "platform/shortcutpassthrough.h"

#include <QKeyEvent>
#include <QWidget>

ShortcutPassThrough::ShortcutPassThrough(QWidget *editor, QKeyCombination key)
    : QObject(editor), m_key(key)
{
    editor->installEventFilter(this);
}

bool ShortcutPassThrough::eventFilter(QObject *, QEvent *event)
{
    // Not claiming the override is what hands the key to the shortcut.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->keyCombination() == m_key) {
        event->ignore();
        return true;
    }
    return false;
}

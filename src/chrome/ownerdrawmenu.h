#pragma once

#include <QColor>
#include <QHash>
#include <QList>

class QAction;
class QMenuBar;
class QWidget;

// The frame's menu bar built from menu resource 128. Items keep their command numbers in
// QAction::data(); one item may carry a picture.
class COwnerDrawMenu
{
public:
    COwnerDrawMenu();
    ~COwnerDrawMenu();
    COwnerDrawMenu(const COwnerDrawMenu &) = delete;
    COwnerDrawMenu &operator=(const COwnerDrawMenu &) = delete;

    // Builds the pop-ups of the menu resource into the bar.
    bool LoadMenu(int nMenuId, QMenuBar *pBar, QWidget *pActionOwner);
    void SetTransparentColor(const QColor &color);
    void ReleaseTransparentColor();
    // Puts a bitmap resource on the item of a command.
    bool SetItemBitmap(int nCommandId, int nBitmapId);

    QAction *Action(int nCommandId) const { return m_actions.value(nCommandId); }
    QList<QAction *> Actions() const { return m_actions.values(); }

private:
    QHash<int, QAction *> m_actions;
    QColor m_transparent;
    bool m_bTransparent = false;
};

#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Reading and driving widgets the way the tests need it, shared by every pane's tests.

// The texts of a column, row by row (top-level rows of a tree widget).
QStringList Texts(const QTreeWidget *list, int column = 0);
QStringList Texts(const QAbstractItemModel *model, int column = 0);
// The item at a path of labels from the top level, or null.
QTreeWidgetItem *ItemAt(QTreeWidget *tree, const QStringList &path);
// Selects exactly the top-level rows with these texts.
void Pick(QTreeWidget *list, const QStringList &names);
// The action of a menu with this text, as a person picks it; null when there is none.
QAction *Choose(QMenu &menu, const QString &text);
// A right click (a context-menu event) at the top left of the widget.
void RightClick(QWidget *widget);
// Clicks the push button with this object name inside `parent`.
void ClickButton(QWidget *parent, const char *name);
// The visible widgets under `form` (direct children only, or all) that are cut: not wholly
// inside it, narrower or lower than they need, or a label too low for its wrapped text.
QStringList ClippedWidgets(QWidget *form, bool bDirectOnly);
// Gives the widget the focus and types the text, as a person would.
void TypeInto(QWidget *widget, const QString &text);

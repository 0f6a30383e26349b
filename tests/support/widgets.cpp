#include "support/widgets.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

QStringList Texts(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int i = 0; list && i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

QStringList Texts(const QAbstractItemModel *model, int column)
{
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        texts << model->index(r, column).data().toString();
    return texts;
}

QTreeWidgetItem *ItemAt(QTreeWidget *tree, const QStringList &path)
{
    QTreeWidgetItem *at = tree->invisibleRootItem();
    for (const QString &label : path) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; at && i < at->childCount(); ++i)
            if (at->child(i)->text(0) == label)
                next = at->child(i);
        at = next;
    }
    return at;
}

void Pick(QTreeWidget *list, const QStringList &names)
{
    list->clearSelection();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setSelected(names.contains(list->topLevelItem(i)->text(0)));
}

QAction *Choose(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

void RightClick(QWidget *widget)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
}

void ClickButton(QWidget *parent, const char *name)
{
    QTest::mouseClick(parent->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
}

void TypeInto(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

QStringList ClippedWidgets(QWidget *form, bool bDirectOnly)
{
    QStringList cut;
    for (QWidget *w : form->findChildren<QWidget *>(bDirectOnly ? Qt::FindDirectChildrenOnly
                                                                : Qt::FindChildrenRecursively)) {
        if (!w->isVisible())
            continue;
        const QRect inForm(w->mapTo(form, QPoint(0, 0)), w->size());
        const auto *label = qobject_cast<QLabel *>(w);
        if (!form->rect().contains(inForm) || w->width() < w->minimumSizeHint().width()
            || (bDirectOnly && w->height() < w->minimumSizeHint().height())
            || (label && w->height() < label->heightForWidth(w->width())))
            cut << w->objectName();
    }
    return cut;
}

#pragma once

#include "store/catalogstore.h"
#include "store/ccatalog.h"
#include "store/treetext.h"

#include <QList>
#include <QString>

// One scanned disc on its way into the catalogue, apart from its tree items: it takes the
// next free number, the scan dialog appends its file records to the catalogue's file list
// and leaves its folder tree in Data/TreeTemp.tkdt, and the disc's record goes to the head of
// the disc list. The disc tree view makes one for each scan and adds the tree items itself.
class ScannedDisc
{
public:
    explicit ScannedDisc(CCatalog &catalog);

    // The number the disc gets; 0 when every number is taken (Refusal() says so).
    int Number() const { return m_nNumber; }
    QString Refusal() const;

    // The folder tree the scan left; empty, with `error` saying why for the user, when the
    // file cannot be read or holds no tree.
    QList<TreeTextNode> ReadTree(const CatalogStore &store, QString &error) const;
    // Puts the record of the new disc, "Unbennant", added today, at the head of the list.
    void AddRecord(const QString &strDrive);
    // Takes out the file records the dialog appended since; no disc is added for them.
    void DropFiles();

private:
    CCatalog &m_catalog;
    qsizetype m_nFilesBefore;
    int m_nNumber;
};

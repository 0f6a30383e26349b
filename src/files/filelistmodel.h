#pragma once

#include "files/reorderabletablemodel.h"

#include <QString>

#include <vector>

class CShellIconList;

// One row of the file list: the texts of the three columns, the byte count the size column
// sorts on, and the name its icon comes from.
struct FileListRow
{
    QString name; // "File Name": the name before its last "."
    QString size; // "Size": the byte count in the unit that fits ("1.4 KB")
    QString type; // "Type": the extension in upper case
    QString iconName; // the name the icon is looked up by
    qint64 bytes = -1; // -1 for a row without a size (names from a search)
};

// Where a file name's type begins: the position of its last ".", or -1 when it has none. A
// leading dot belongs to the name: ".bashrc" is a name without a type.
qsizetype FileTypeDot(QStringView fileName);
// The "Type" text of a file name: what follows that dot, in upper case. A name without any
// "." shows whole there, as it always has; one whose only dots lead it shows nothing.
QString FileTypeText(QStringView fileName);

// The rows the file list shows. It holds copies of the texts, never the records, so that
// listing a folder cannot change the catalogue.
class CFileListModel final : public ReorderableTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFileListModel)

public:
    enum Column { NameColumn = 0, SizeColumn = 1, TypeColumn = 2, ColumnCount = 3 };

    CFileListModel(const CShellIconList &icons, QObject *parent = nullptr);
    ~CFileListModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void SetRows(std::vector<FileListRow> rows);
    void Clear();
    // Text of a cell; empty outside the rows.
    QString Text(int row, int column) const;
    // The whole name of the row's file, as the record holds it.
    QString StoredName(int row) const;
    qint64 Bytes(int row) const;
    // Reorders the rows by one column: names and types as text without regard to case,
    // sizes by their byte count. Rows that compare equal keep their order; selection and
    // other persistent indexes move with their rows.
    void Sort(int column, bool ascending);

private:
    const CShellIconList &m_icons;
    std::vector<FileListRow> m_rows;
};

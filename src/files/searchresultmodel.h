#pragma once

#include "files/cshelliconlist.h"
#include "store/ccatalog.h"

#include "files/reorderabletablemodel.h"

#include <QIcon>
#include <QList>
#include <QString>

#include <vector>

// The rows of a search result window, filled in one pass from the hits of a search. The
// texts are copied out of the records into one buffer of the model's own, so the window
// never reaches back into the catalogue (its rows are a snapshot) and holds no more than
// its rows. Display texts are made only for the rows on screen.
class CSearchResultModel final : public ReorderableTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSearchResultModel)

public:
    enum Mode { NoRows, Files, Discs };
    // Columns of a "files" window; "Folder" is the file's folder on its disc, as stored.
    enum FileColumn { FileName = 0, FileNr, FileSize, FileType, FileFolder, FileColumns };
    // Columns of a "names" window.
    enum DiscColumn { DiscName = 0, DiscNumber, DiscLocation, DiscColumns };

    explicit CSearchResultModel(QObject *parent = nullptr);
    ~CSearchResultModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Rows in the order of the file list.
    void SetFileRows(const CFileList &files, const QList<qsizetype> &hits);
    // Rows in the reverse order of the disc list, the newest disc at the bottom.
    void SetDiscRows(const CDiscList &discs, const QList<qsizetype> &hits);
    void Clear();
    Mode RowMode() const { return m_mode; }

    // The shown text of a cell; empty outside the rows.
    QString Text(int row, int column) const;
    // The name as the record holds it (file name with its extension, or disc name).
    QString StoredName(int row) const;
    // The disc number; for a file row also its folder and size in bytes.
    QString Number(int row) const;
    QString Folder(int row) const;
    qint64 Size(int row) const;

    // Reorders the rows by a column: texts without regard to case, numbers by their value,
    // sizes by the byte count. Selection and other persistent indexes follow their rows.
    void Sort(int column, bool bAscending);
    // Takes out the rows at these positions.
    void RemoveRowsAt(QList<int> rows);

    void SetDiscIcon(const QIcon &icon) { m_discIcon = icon; }

private:
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    struct Row
    {
        Span name;
        Span number;
        Span place; // the folder of a file, the location of a disc
        qint64 size = 0;
        qsizetype dot = -1; // where the type begins in the name (FileTypeDot)
    };

    Span Keep(const QString &text);
    QStringView View(Span span) const
    {
        return QStringView(m_text).sliced(span.offset, span.length);
    }
    void Reset(Mode mode, std::vector<Row> rows);

    // Owned here rather than by the window: the view still asks for icons while the window
    // is being taken down.
    CShellIconList m_icons;
    QIcon m_discIcon;
    Mode m_mode = NoRows;
    std::vector<Row> m_rows;
    QString m_text; // every text of every row, one after the other
};

#include "store/disctotals.h"

#include "store/textnumbers.h"

#include <limits>

DiscFileTotals SumDiscFiles(const CFileList &files, const QString &strNumber)
{
    DiscFileTotals totals;
    for (const CFileData &file : files) {
        if (file.m_strDiscNumber != strNumber)
            continue;
        ++totals.files;
        // A damaged size text can be near the largest number; saturate rather than wrap.
        const qint64 size = SizeFromText(file.m_strSize);
        totals.bytes = size > std::numeric_limits<qint64>::max() - totals.bytes
            ? std::numeric_limits<qint64>::max()
            : totals.bytes + size;
    }
    return totals;
}

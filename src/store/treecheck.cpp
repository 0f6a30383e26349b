#include "store/treecheck.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// Control characters never come from a disc (the scan replaces them) nor from a catalogue
// made on Windows, whose names cannot hold them; random bytes are full of them.
bool isText(QStringView label)
{
    return std::none_of(label.begin(), label.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    });
}

// Adds to `out` every disc number of `numbers` that the label could stand for: the whole
// label, or the text before any of its blanks (numbers typed with a blank stay matched).
bool matchLabel(const QString &label, const QSet<QString> &numbers, QSet<QString> &out)
{
    bool found = false;
    const auto take = [&](const QString &candidate) {
        if (numbers.contains(candidate)) {
            out.insert(candidate);
            found = true;
        }
    };
    take(label);
    for (qsizetype i = label.indexOf(u' '); i >= 0; i = label.indexOf(u' ', i + 1))
        take(label.left(i));
    return found;
}

// Sorts folder paths so that every folder comes right before its own subfolders.
constexpr QChar kSeparator(0x01);

} // namespace

QString TreeTextFault(QByteArrayView text, const QList<TreeTextNode> &tree)
{
    if (!text.isEmpty() && text.back() != '\n' && text.back() != '\r')
        return QStringLiteral("it ends in the middle of a line");
    const auto bad = std::count_if(tree.cbegin(), tree.cend(),
                                   [](const TreeTextNode &n) { return !isText(n.label); });
    if (bad > 0)
        return QStringLiteral("%1 of its labels hold characters that are not text").arg(bad);
    return {};
}

TreeRecordFit FitTreeToRecords(const QList<TreeTextNode> &tree, const CCatalog &catalog)
{
    QSet<QString> numbers;
    for (const CDisc &disc : *catalog.m_pDiscs)
        numbers.insert(disc.m_strNumber);

    TreeRecordFit fit;
    QSet<QString> matched;
    QString stranger;
    qsizetype discItems = 0;
    for (const TreeTextNode &node : tree) {
        if (node.parent >= 0)
            continue;
        ++discItems;
        if (!matchLabel(node.label, numbers, matched) && fit.strangers++ == 0)
            stranger = node.label;
    }
    fit.matched = matched.size();
    fit.missing = numbers.size() - matched.size();
    if (fit.strangers > 0) {
        fit.fault = QStringLiteral("%1 of its discs (the first is \"%2\") have no disc record")
                        .arg(fit.strangers)
                        .arg(stranger);
    } else if (fit.missing > 0 && discItems == 0) {
        fit.fault
            = QStringLiteral("it holds no disc, although the records hold %1").arg(numbers.size());
    } else if (fit.missing > 0) {
        QStringList missing;
        for (const QString &number : std::as_const(numbers))
            if (!matched.contains(number))
                missing.append(number);
        std::sort(missing.begin(), missing.end());
        fit.fault = QStringLiteral("the discs %1 of the records are not in it")
                        .arg(missing.mid(0, 5).join(QStringLiteral(", "))
                             + (missing.size() > 5 ? QStringLiteral(", ...") : QString()));
    }
    return fit;
}

QList<TreeTextNode> RebuildTree(const CCatalog &catalog)
{
    // The folder paths of each disc number, every parent path included, joined by kSeparator.
    QHash<QString, QSet<QString>> folders;
    const QString *lastNumber = nullptr;
    const QString *lastFolder = nullptr;
    for (const CFileData &file : *catalog.m_pFiles) {
        // Files of one folder stand together: look at each folder once.
        if (lastNumber && *lastNumber == file.m_strDiscNumber && *lastFolder == file.m_strFolder)
            continue;
        lastNumber = &file.m_strDiscNumber;
        lastFolder = &file.m_strFolder;
        const qsizetype root = file.m_strFolder.indexOf(u'\\');
        if (root < 0)
            continue;
        QSet<QString> &paths = folders[file.m_strDiscNumber];
        QString path;
        for (QStringView part :
             QStringView(file.m_strFolder).sliced(root + 1).split(u'\\', Qt::SkipEmptyParts)) {
            if (!path.isEmpty())
                path += kSeparator;
            path += part;
            paths.insert(path);
        }
    }

    QList<TreeTextNode> nodes;
    QSet<QString> placed; // a number shared by two discs gets its folders once
    const CDiscList &discs = *catalog.m_pDiscs;
    for (auto disc = discs.crbegin(); disc != discs.crend(); ++disc) {
        const qsizetype discIndex = nodes.size();
        nodes.append({disc->m_strNumber + u' ' + disc->m_strName, -1, true});
        if (placed.contains(disc->m_strNumber))
            continue;
        placed.insert(disc->m_strNumber);
        const QSet<QString> paths = folders.value(disc->m_strNumber);
        QStringList sorted(paths.cbegin(), paths.cend());
        std::sort(sorted.begin(), sorted.end());
        QHash<QString, qsizetype> indexOf;
        for (const QString &path : std::as_const(sorted)) {
            const qsizetype cut = path.lastIndexOf(kSeparator);
            const qsizetype parent = cut < 0 ? discIndex : indexOf.value(path.left(cut), discIndex);
            indexOf.insert(path, nodes.size());
            nodes.append({path.mid(cut + 1), parent, false});
        }
    }
    return nodes;
}

QList<TreeTextNode> MendTree(const QList<TreeTextNode> &tree, const CCatalog &catalog)
{
    QSet<QString> numbers;
    for (const CDisc &disc : *catalog.m_pDiscs)
        numbers.insert(disc.m_strNumber);

    // Copies whole disc subtrees: in a read tree, as in a rebuilt one, the items below a disc
    // follow it up to the next disc.
    QList<TreeTextNode> mended;
    QList<qsizetype> newIndex;
    const auto copySubtrees = [&](const QList<TreeTextNode> &from, auto &&wanted) {
        newIndex = QList<qsizetype>(from.size(), -1);
        bool keep = false;
        for (qsizetype i = 0; i < from.size(); ++i) {
            const TreeTextNode &node = from[i];
            if (node.parent < 0)
                keep = wanted(node.label);
            if (!keep)
                continue;
            newIndex[i] = mended.size();
            mended.append({node.label, node.parent < 0 ? -1 : newIndex[node.parent], node.disc});
        }
    };
    QSet<QString> present;
    copySubtrees(tree, [&](const QString &label) { return matchLabel(label, numbers, present); });
    if (present.size() < numbers.size()) {
        copySubtrees(RebuildTree(catalog), [&](const QString &label) {
            QSet<QString> hit;
            return matchLabel(label, numbers, hit) && !hit.intersects(present);
        });
    }
    return mended;
}

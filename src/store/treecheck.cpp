#include "store/treecheck.h"

#include "store/treelabel.h"

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

// Joins the folder names of a path below its disc. It sorts below every character of a
// name, so that every folder comes right before its own subfolders.
constexpr QChar kSeparator(0x01);

using FolderPaths = QHash<QString, QSet<QString>>;

// The folders the file records name, by disc number: each path below the disc with its
// names joined by kSeparator, in the records' letters, every parent path included.
FolderPaths recordFolders(const CCatalog &catalog)
{
    FolderPaths folders;
    // Each folder is taken apart once per disc: a catalogue holds far fewer folders than
    // files, and its files need not stand together by folder.
    QHash<QString, QSet<QString>> seen;
    const QString *lastNumber = nullptr;
    const QString *lastFolder = nullptr;
    QSet<QString> *seenHere = nullptr;
    for (const CFileData &file : *catalog.m_pFiles) {
        if (!lastNumber || *lastNumber != file.m_strDiscNumber)
            seenHere = &seen[file.m_strDiscNumber];
        else if (*lastFolder == file.m_strFolder)
            continue;
        lastNumber = &file.m_strDiscNumber;
        lastFolder = &file.m_strFolder;
        if (seenHere->contains(file.m_strFolder))
            continue;
        seenHere->insert(file.m_strFolder);
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
    return folders;
}

// The records keep folder names in lower case, the tree as they are on the disc.
QString folded(const QString &path)
{
    return path.toCaseFolded();
}

// The folder paths below each disc item of `tree`, folded, by the disc numbers the item's
// label stands for. A number given to two disc items has the folders of both.
FolderPaths treeFolders(const QList<TreeTextNode> &tree, const QSet<QString> &numbers)
{
    FolderPaths folders;
    QList<QString> paths(tree.size());
    QList<QStringList> numbersOf(tree.size()); // filled for disc items only
    QList<qsizetype> discOf(tree.size(), -1);
    for (qsizetype i = 0; i < tree.size(); ++i) {
        const TreeTextNode &node = tree[i];
        if (node.parent < 0) {
            QSet<QString> hit;
            matchLabel(node.label, numbers, hit);
            numbersOf[i] = QStringList(hit.cbegin(), hit.cend());
            discOf[i] = i;
            continue;
        }
        discOf[i] = discOf[node.parent];
        const QString &above = paths[node.parent];
        paths[i] = above.isEmpty() ? folded(node.label) : above + kSeparator + folded(node.label);
        for (const QString &number : std::as_const(numbersOf[discOf[i]]))
            folders[number].insert(paths[i]);
    }
    return folders;
}

// The folders of `records` that `present` lacks, sorted so that parents come first.
QStringList lostFolders(const QSet<QString> &records, const QSet<QString> &present)
{
    QStringList lost;
    for (const QString &path : records)
        if (!present.contains(folded(path)))
            lost.append(path);
    std::sort(lost.begin(), lost.end());
    return lost;
}

// Copies `tree` (a disc's items follow it up to the next disc) and adds at the end of each
// disc's items the folders of its file records that it lacks, labelled as the records name
// them, so that every file can be reached again.
QList<TreeTextNode> addLostFolders(const QList<TreeTextNode> &tree, const CCatalog &catalog,
                                   const QSet<QString> &numbers)
{
    const FolderPaths named = recordFolders(catalog);
    const FolderPaths present = treeFolders(tree, numbers);
    QList<TreeTextNode> out;
    out.reserve(tree.size());
    QList<qsizetype> newIndex(tree.size(), -1);
    QList<QString> paths(tree.size());
    QHash<QString, qsizetype> indexOf; // the current disc's folders, folded, in `out`
    qsizetype disc = -1; // the current disc item in `out`
    QSet<QString> done; // a number shared by two discs gets its folders once
    const auto finishDisc = [&] {
        if (disc < 0)
            return;
        QSet<QString> hit;
        matchLabel(out[disc].label, numbers, hit);
        for (const QString &number : std::as_const(hit)) {
            if (done.contains(number))
                continue;
            done.insert(number);
            const QStringList lost = lostFolders(named.value(number), present.value(number));
            for (const QString &path : lost) {
                const qsizetype cut = path.lastIndexOf(kSeparator);
                const qsizetype parent
                    = cut < 0 ? disc : indexOf.value(folded(path.left(cut)), disc);
                indexOf.insert(folded(path), out.size());
                out.append({path.mid(cut + 1), parent, false});
            }
        }
    };
    for (qsizetype i = 0; i < tree.size(); ++i) {
        const TreeTextNode &node = tree[i];
        if (node.parent < 0) {
            finishDisc();
            disc = out.size();
            indexOf.clear();
        } else {
            const QString &above = paths[node.parent];
            paths[i]
                = above.isEmpty() ? folded(node.label) : above + kSeparator + folded(node.label);
            indexOf.insert(paths[i], out.size());
        }
        newIndex[i] = out.size();
        out.append({node.label, node.parent < 0 ? -1 : newIndex[node.parent], node.disc});
    }
    finishDisc();
    return out;
}

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

    // Files whose folder has no item could never be reached in the tree.
    const FolderPaths present = treeFolders(tree, numbers);
    const FolderPaths named = recordFolders(catalog);
    QString lostExample;
    for (auto it = named.cbegin(); it != named.cend(); ++it) {
        if (!matched.contains(it.key()))
            continue; // the whole disc is missing, counted above
        const QStringList lost = lostFolders(it.value(), present.value(it.key()));
        fit.lostFolders += lost.size();
        if (!lost.isEmpty()) {
            const QString example
                = QStringLiteral("\"%1\" of disc %2")
                      .arg(QString(lost.first()).replace(kSeparator, u'\\'), it.key());
            if (lostExample.isEmpty() || example < lostExample)
                lostExample = example;
        }
    }
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
    } else if (fit.lostFolders > 0) {
        fit.fault = QStringLiteral("%1 folders of the file records are not in it (the first is "
                                   "%2)")
                        .arg(fit.lostFolders)
                        .arg(lostExample);
    }
    return fit;
}

QList<TreeTextNode> RebuildTree(const CCatalog &catalog)
{
    const FolderPaths folders = recordFolders(catalog);

    QList<TreeTextNode> nodes;
    QSet<QString> placed; // a number shared by two discs gets its folders once
    const CDiscList &discs = *catalog.m_pDiscs;
    for (auto disc = discs.crbegin(); disc != discs.crend(); ++disc) {
        const qsizetype discIndex = nodes.size();
        // A disc not renamed since its scan gets the label the scan gave it.
        const QString &name
            = disc->m_strName == kScannedDiscName ? kScannedDiscLabel : disc->m_strName;
        nodes.append({disc->m_strNumber + u' ' + name, -1, true});
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
    mended = addLostFolders(mended, catalog, numbers);
    if (present.size() < numbers.size()) {
        copySubtrees(RebuildTree(catalog), [&](const QString &label) {
            QSet<QString> hit;
            return matchLabel(label, numbers, hit) && !hit.intersects(present);
        });
    }
    return mended;
}

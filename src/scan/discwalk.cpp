#include "scan/discwalk.h"

#include "media/archivelister.h"
#include "platform/drivepaths.h"
#include "scan/foldersource.h"

#include <algorithm>

struct DiscWalk::Entry
{
    DiscEntry disc;
    QString name; // as the catalogue holds it
    std::unique_ptr<DiscFolder> archive; // the entries of an archive file, as a folder
};

DiscWalk::DiscWalk(QString nativeRoot, const QString &driveRoot, QString discNumber)
    : DiscWalk(std::make_unique<FolderSource>(std::move(nativeRoot)), driveRoot,
               std::move(discNumber))
{ }

DiscWalk::DiscWalk(std::unique_ptr<DiscSource> source, const QString &driveRoot, QString discNumber)
    : m_pSource(std::move(source)),
      m_strDrive(driveRoot.toLower()),
      m_strDiscNumber(std::move(discNumber))
{ }

DiscWalk::~DiscWalk() = default;

void DiscWalk::SetProgressHandler(std::function<void(const WalkProgress &)> handler,
                                  int nIntervalMs)
{
    m_progressHandler = std::move(handler);
    m_nIntervalMs = nIntervalMs;
}

bool DiscWalk::Run()
{
    m_sinceReport.start();
    std::unique_ptr<DiscFolder> root = m_pSource->OpenRoot(m_strSourceError);
    if (!root) {
        m_bRootReadable = false;
        m_lstUnreadable.append(m_strDrive);
        return !cancelled();
    }
    walkFolder(*root, 0, m_strDrive, false);
    if (!m_files.isEmpty())
        m_progress.file = m_files.last().m_strFileName;
    report(true);
    return !m_bCancelled;
}

void DiscWalk::report(bool bForce)
{
    if (!m_progressHandler)
        return;
    if (!bForce && m_sinceReport.elapsed() < m_nIntervalMs)
        return;
    m_sinceReport.restart();
    m_progressHandler(m_progress);
}

void DiscWalk::walkFolder(DiscFolder &folder, int depth, const QString &catalogFolder,
                          bool bInArchive)
{
    m_openFolders.append(folder.Identity());
    QList<DiscEntry> listedFiles;
    QList<DiscEntry> listedFolders;
    if (!folder.List(listedFiles, listedFolders, [this] { return cancelled(); })) {
        m_lstUnreadable.append(catalogFolder);
        if (depth == 0 && listedFiles.isEmpty() && listedFolders.isEmpty())
            m_bRootReadable = false;
    }
    if (cancelled())
        m_bCancelled = true;

    const auto toEntries = [](QList<DiscEntry> &listed) {
        std::vector<Entry> entries;
        entries.reserve(size_t(listed.size()));
        for (DiscEntry &disc : listed) {
            Entry entry;
            entry.name = CatalogName(disc.name);
            entry.disc = std::move(disc);
            entries.push_back(std::move(entry));
        }
        return entries;
    };
    std::vector<Entry> files = toEntries(listedFiles);
    std::vector<Entry> folders = toEntries(listedFolders);
    const auto byName = [](const Entry &a, const Entry &b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.disc.native < b.disc.native;
    };
    std::sort(files.begin(), files.end(), byName);

    if (m_bLookInside && !bInArchive && !m_bCancelled) {
        for (const Entry &file : files) {
            if (!IsArchiveName(file.name))
                continue;
            const QString path = catalogFolder + file.name.toLower();
            // The archive's folder would share its path with the real one.
            if (std::any_of(folders.begin(), folders.end(), [&](const Entry &f) {
                    return f.name.compare(file.name, Qt::CaseInsensitive) == 0;
                })) {
                m_lstBadArchives.append(path
                                        + QStringLiteral(": a folder of the same name is "
                                                         "beside it"));
                continue;
            }
            QString why;
            Entry inside;
            inside.archive = folder.OpenArchive(file.disc, why);
            if (!inside.archive) {
                m_lstBadArchives.append(path + QStringLiteral(": ") + why);
                continue;
            }
            inside.disc = file.disc;
            inside.name = file.name;
            folders.push_back(std::move(inside));
        }
    }
    std::sort(folders.begin(), folders.end(), byName);

    // The root's own files come after those of all its folders.
    if (depth > 0)
        recordFiles(files, catalogFolder);
    for (Entry &entry : folders) {
        if (m_bCancelled || cancelled()) {
            m_bCancelled = true;
            break;
        }
        m_folders.append({entry.name, depth + 1});
        const bool bArchive = entry.archive != nullptr;
        std::unique_ptr<DiscFolder> child
            = entry.archive ? std::move(entry.archive) : folder.Open(entry.disc);
        if (child && m_openFolders.contains(child->Identity()))
            continue; // a folder that contains itself: listed once, not walked again
        m_progress.folder = entry.name;
        const QString childFolder = catalogFolder + entry.name.toLower() + u'\\';
        if (!child) {
            m_lstUnreadable.append(childFolder);
            continue;
        }
        walkFolder(*child, depth + 1, childFolder, bInArchive || bArchive);
    }
    if (depth == 0 && !m_bCancelled)
        recordFiles(files, catalogFolder);
    m_openFolders.removeLast();
}

void DiscWalk::recordFiles(const std::vector<Entry> &files, const QString &catalogFolder)
{
    for (const Entry &entry : files) {
        if (cancelled()) {
            m_bCancelled = true;
            return;
        }
        CFileData record;
        record.m_strFileName = entry.name;
        record.m_strDiscNumber = m_strDiscNumber;
        record.m_strFolder = catalogFolder;
        record.m_strDrive = m_strDrive;
        record.m_strSize = QString::number(entry.disc.size);
        m_files.append(std::move(record));
        ++m_progress.files;
        if (m_progressHandler && m_sinceReport.elapsed() >= m_nIntervalMs) {
            m_progress.file = entry.name;
            report(true);
        }
    }
}

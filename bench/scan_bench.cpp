// The walk of a generated disc against find(1) on the same tree in the same run: the file
// system, not our bookkeeping, should be the cost. The tree holds 100,000 files in 5,000
// folders; "--records=N" makes it N files (one top folder per thousand).

#include "scan/cscandlg.h"
#include "scan/discwalk.h"
#include "support/benchsize.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int kTopFolders = 100;
constexpr int kSubFolders = 49; // per top folder: 100 + 4,900 = 5,000 folders
constexpr int kFilesPerFolder = 20; // 100,000 files

QString g_root;

bool generate(const QString &root)
{
    const QByteArray base = QFile::encodeName(root);
    const auto files = [](const QByteArray &folder) {
        for (int f = 0; f < kFilesPerFolder; ++f) {
            const QByteArray path = folder + "/Track " + QByteArray::number(f) + ".mp3";
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0)
                return false;
            const bool ok = ::ftruncate(fd, off_t(f) * 4096) == 0;
            ::close(fd);
            if (!ok)
                return false;
        }
        return true;
    };
    for (int t = 0; t < kTopFolders; ++t) {
        const QByteArray top = base + "/Album " + QByteArray::number(t);
        if (::mkdir(top.constData(), 0755) != 0 || !files(top))
            return false;
        for (int s = 0; s < kSubFolders; ++s) {
            const QByteArray sub = top + "/CD" + QByteArray::number(s);
            if (::mkdir(sub.constData(), 0755) != 0 || !files(sub))
                return false;
        }
    }
    return true;
}

void BM_Find(benchmark::State &state)
{
    const QByteArray command = "find '" + QFile::encodeName(g_root) + "' -type f | wc -l";
    long count = 0;
    for (auto _ : state) {
        FILE *pipe = ::popen(command.constData(), "r");
        if (!pipe || std::fscanf(pipe, "%ld", &count) != 1) {
            state.SkipWithError("find failed");
            if (pipe)
                ::pclose(pipe);
            return;
        }
        ::pclose(pipe);
    }
    state.counters["files"] = double(count);
}

// The least any walk that records sizes must do: list every folder and stat every file.
long readdirStat(int fd)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir)
        return 0;
    long count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type == DT_DIR) {
            count += readdirStat(
                ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
        } else {
            struct stat st;
            if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                ++count;
        }
    }
    ::closedir(dir);
    return count;
}

void BM_ReaddirStat(benchmark::State &state)
{
    long count = 0;
    for (auto _ : state)
        count = readdirStat(::open(QFile::encodeName(g_root).constData(), O_RDONLY | O_DIRECTORY));
    state.counters["files"] = double(count);
}

void BM_DiscWalk(benchmark::State &state)
{
    qsizetype count = 0;
    for (auto _ : state) {
        auto walk
            = std::make_unique<DiscWalk>(g_root, QStringLiteral("BENCH:\\"), QStringLiteral("12"));
        walk->SetProgressHandler([](const WalkProgress &p) { benchmark::DoNotOptimize(p.files); },
                                 50);
        walk->Run();
        count = walk->Files().size();
        benchmark::DoNotOptimize(walk->Files().data());
        // The records go on to the catalogue; freeing them is not part of a scan.
        state.PauseTiming();
        walk.reset();
        state.ResumeTiming();
    }
    state.counters["files"] = double(count);
}

// The whole Start of the hidden dialog: worker thread, records into the list, tree built.
void BM_ScanDialog(benchmark::State &state)
{
    qputenv("TAVIKON_CDROM_ROOTS", QFile::encodeName(g_root));
    qsizetype count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CFileList files;
        CScanDlg dlg;
        dlg.m_pFileList = &files;
        auto *list = dlg.findChild<QTreeWidget *>(QStringLiteral("DriveList"));
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(0).startsWith(QStringLiteral("BENCH")))
                list->topLevelItem(i)->setSelected(true);
        }
        QEventLoop loop;
        bool bDone = false;
        QObject::connect(&dlg, &CScanDlg::walkFinished, &loop, [&] {
            bDone = true;
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        state.ResumeTiming();
        dlg.OnStartScan();
        if (!bDone)
            loop.exec();
        if (!bDone) {
            state.SkipWithError("no scan");
            return;
        }
        count = files.size();
        state.PauseTiming();
        // Leave the destruction of 100,000 records out of the time.
        files.clear();
        state.ResumeTiming();
    }
    state.counters["files"] = double(count);
}

} // namespace

BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_ReaddirStat)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_DiscWalk)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_ScanDialog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int records
        = TakeRecordCount(argc, argv, kTopFolders * (kSubFolders + 1) * kFilesPerFolder);
    kTopFolders = std::max(1, records / ((kSubFolders + 1) * kFilesPerFolder));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_root = dir.filePath(QStringLiteral("BENCH"));
    // SCAN_BENCH_TREE names a tree made by an earlier run, for profiling the walk alone.
    if (const QString kept = qEnvironmentVariable("SCAN_BENCH_TREE"); !kept.isEmpty()) {
        g_root = kept;
        if (!QFileInfo::exists(g_root) && (!QDir().mkpath(g_root) || !generate(g_root)))
            return 1;
    } else if (!QDir().mkpath(g_root) || !generate(g_root)) {
        std::fprintf(stderr, "could not generate the tree under %s\n", qPrintable(dir.path()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// What the user waits for in the disc operations: deleting a disc and renumbering one of
// 10,000 files in a catalogue of 1,000 discs and a million file records (records, tree,
// atomic save and backup on the disk), and the gaps and lending windows for 10,000 discs
// until they show their rows.

#include "chrome/sortlistctrl.h"
#include "discs/cavailabledlg.h"
#include "discs/cborroweddlg.h"
#include "discs/cgapsdlg.h"
#include "discs/cleftview.h"
#include "discs/clentdlg.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/archive.h"
#include "support/benchsize.h"
#include "support/cataloguegenerator.h"
#include "support/folderdisc.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

int gRecords = 1000000;

// Confirms every dialog (the delete question) and keeps messages to itself.
class YesPrompter final : public Prompter
{
public:
    void message(QWidget *, const QString &text) override { messages << text; }
    bool question(QWidget *, const QString &) override { return true; }
    int exec(QDialog &) override { return QDialog::Accepted; }
    bool openDocument(const QString &) override { return false; }
    QStringList messages;
};

// Stands in for the other panes: sends the notifications, listens to nothing.
class Sender final : public CView
{
public:
    void OnUpdate(CView *, int, const HintArg &) override { }
    QWidget *viewWidget() override { return &widget; }
    void send(int code, const HintArg &hint = {}) { UpdateAllViews(code, hint); }
    QWidget widget;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A home directory on the disk holding the generated catalogue plus disc 5000 with 10,000
// files, loaded into a real disc tree.
struct LoadedHome
{
    LoadedHome() : dir(QStringLiteral("/var/tmp/tavikon-discops-XXXXXX"))
    {
        GeneratedCatalogue gen;
        GenerateCatalogue(gen, 1000, gRecords - 10000, 100);
        AddFolderDisc(gen.catalog, QStringLiteral("5000"), QStringLiteral("big"), 10000, false);
        CDisc big;
        big.m_strNumber = QStringLiteral("5000");
        big.m_strName = QStringLiteral("Big");
        gen.catalog.m_pDiscs->prepend(big);
        const QString home = dir.path() + u'/';
        QDir().mkpath(home + QStringLiteral("Data"));
        QDir().mkpath(home + QStringLiteral("DataBackUp"));
        for (const QString &sub : {QStringLiteral("Data/"), QStringLiteral("DataBackUp/")}) {
            writeFile(home + sub + QStringLiteral("Data.dat"),
                      WriteDiscList(*gen.catalog.m_pDiscs));
            writeFile(home + sub + QStringLiteral("FileData.dat"),
                      WriteFileList(*gen.catalog.m_pFiles));
            writeFile(home + sub + QStringLiteral("Cat.dat"),
                      WriteStringList(gen.catalog.m_lstCategories));
            writeFile(home + sub + QStringLiteral("Tree.tkdt"),
                      gen.treeText + QByteArray("5000 Big\r\n\tbig\r\n"));
        }
        Prompter::install(&prompter);
        doc.AddView(&sender);
        doc.AddView(&tree);
        sender.send(HINT_BACKUP_DIR, home + QStringLiteral("DataBackUp"));
        sender.send(HINT_LOAD_HOME, home);
        tree.resize(255, 800);
        tree.show();
        QApplication::processEvents();
    }
    ~LoadedHome()
    {
        doc.RemoveView(&tree);
        Prompter::install(nullptr);
    }

    QTemporaryDir dir;
    YesPrompter prompter;
    CTavikonDoc doc;
    Sender sender;
    CLeftView tree;
};

void BM_DeleteDisc(benchmark::State &state)
{
    LoadedHome home;
    CLeftView &tree = home.tree;
    for (auto _ : state) {
        state.PauseTiming();
        tree.setCurrentItem(tree.topLevelItem(tree.topLevelItemCount() / 2));
        state.ResumeTiming();
        tree.OnCommand(ID_DELETE);
        QApplication::processEvents();
    }
    state.counters["records"] = double(tree.Catalog()->m_pFiles->size());
    if (!home.prompter.messages.isEmpty())
        state.SkipWithError(qPrintable(home.prompter.messages.join(u'|')));
}
BENCHMARK(BM_DeleteDisc)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RenumberDisc(benchmark::State &state)
{
    LoadedHome home;
    CLeftView &tree = home.tree;
    QString number = QStringLiteral("5000");
    for (auto _ : state) {
        CDisc *disc = tree.Catalog()->FindDisc(number);
        disc->m_strOldNumber = number;
        number = number == QLatin1String("5000") ? QStringLiteral("5001") : QStringLiteral("5000");
        disc->m_strNumber = number;
        home.sender.send(HINT_DISC_EDITED, disc);
        QApplication::processEvents();
    }
    state.counters["files"] = 10000;
    if (!home.prompter.messages.isEmpty())
        state.SkipWithError(qPrintable(home.prompter.messages.join(u'|')));
}
BENCHMARK(BM_RenumberDisc)->Unit(benchmark::kMillisecond)->Iterations(5);

// 10,000 discs for the windows, numbered 2, 4, 6 ... so that there are 10,000 gaps below
// the highest, all at home or all lent to one person.
const CDiscList &tenThousandDiscs(bool bLent)
{
    static const auto make = [](bool lent) {
        CDiscList out;
        for (int i = 1; i <= 10000; ++i) {
            CDisc disc;
            disc.m_strNumber = QString::number(2 * i);
            disc.m_strName = QStringLiteral("Disc %1").arg(i);
            if (lent) {
                disc.m_strLocation = QStringLiteral("Anna");
                disc.m_strLendDate = QStringLiteral("December 05 2026");
            }
            out.prepend(disc);
        }
        return out;
    };
    static const CDiscList home = make(false);
    static const CDiscList lent = make(true);
    return bLent ? lent : home;
}

// Opens a window and waits until its rows are on the screen.
template<typename Open> void measureWindow(benchmark::State &state, Open open)
{
    int rows = 0;
    for (auto _ : state) {
        QDialog *dlg = open();
        dlg->show();
        QApplication::processEvents();
        dlg->repaint();
        state.PauseTiming();
        if (auto *gaps = qobject_cast<CGapsDlg *>(dlg))
            rows = gaps->List()->model()->rowCount();
        else
            rows = static_cast<CDiscListDlg *>(dlg)->List()->topLevelItemCount();
        delete dlg;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

void BM_GapsWindow(benchmark::State &state)
{
    // The way the user opens it: the token reaches the tree, which collects and shows.
    CTavikonDoc doc;
    Sender sender;
    CLeftView tree;
    doc.AddView(&sender);
    doc.AddView(&tree);
    *tree.Catalog()->m_pDiscs = tenThousandDiscs(false);
    measureWindow(state, [&]() -> QDialog * {
        sender.send(HINT_TOKEN, Tokens::Missing);
        return tree.findChild<CGapsDlg *>();
    });
}
BENCHMARK(BM_GapsWindow)->Unit(benchmark::kMillisecond);

void BM_AvailableWindow(benchmark::State &state)
{
    measureWindow(state, [] { return new CAvailableDlg(tenThousandDiscs(false), {}); });
}
BENCHMARK(BM_AvailableWindow)->Unit(benchmark::kMillisecond);

void BM_LentWindow(benchmark::State &state)
{
    measureWindow(state, [] { return new CLentDlg(tenThousandDiscs(true), {}); });
}
BENCHMARK(BM_LentWindow)->Unit(benchmark::kMillisecond);

void BM_BorrowedWindow(benchmark::State &state)
{
    measureWindow(
        state, [] { return new CBorrowedDlg(tenThousandDiscs(true), QStringLiteral("Anna"), {}); });
}
BENCHMARK(BM_BorrowedWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gRecords = TakeRecordCount(argc, argv, gRecords);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

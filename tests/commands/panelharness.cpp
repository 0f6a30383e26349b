#include "panelharness.h"

#include <QDir>

namespace {
CDisc makeDisc(const QString &number, const QString &name, const QString &location)
{
    CDisc disc = MakeDisc(number, name);
    disc.m_strLocation = location;
    disc.m_strArtist = name + QStringLiteral(" artist");
    disc.m_strQuality = QStringLiteral("good");
    return disc;
}
} // namespace

PanelHarness::PanelHarness()
{
    theAppFlags().reset();
    for (CView *v : {static_cast<CView *>(&view), static_cast<CView *>(&tree),
                     static_cast<CView *>(&files), static_cast<CView *>(&cats)})
        doc.AddView(v);
    tree.react = [this](int lHint, const HintArg &hint) {
        if (lHint == HINT_TOKEN && hint.is(Tokens::AllowRequest))
            tree.send(HINT_ALLOW_REPLY, discSelected ? Tokens::Yes : Tokens::No);
    };
    cats.react = [this](int lHint, const HintArg &) {
        if (lHint == HINT_COLLECT_CATEGORIES)
            catalog.m_lstSelection = chosenCategories;
    };

    *catalog.m_pDiscs << makeDisc("12", "Holiday", "home") << makeDisc("7", "Jazz", "Anna")
                      << makeDisc("3", "Work", "home");
    *catalog.m_pFiles << MakeFile("12", "sr0:\\", "Beach.JPG", "100", {"Photos", "Summer"})
                      << MakeFile("7", "sr0:\\", "beach.mp3", "100", {"Photos"})
                      << MakeFile("12", "sr0:\\", "beach2.png", "100", {"Photos"})
                      << MakeFile("12", "sr0:\\", "notes.txt", "100");
    catalog.m_lstCategories = QStringList {"Photos", "Summer"};
    catalog.m_strDiscCount = QStringLiteral("3");
    catalog.m_strLastEntry = QStringLiteral("12 Holiday");
    catalog.m_strHomeDir = QDir(home.path()).absolutePath() + QLatin1Char('/');
    view.OnInitialUpdate();
    select(QStringLiteral("12"), QStringLiteral("Holiday"));
    sent();
}

PanelHarness::~PanelHarness()
{
    theAppFlags().reset();
}

void PanelHarness::select(const QString &number, const QString &path)
{
    catalog.m_strCurNumber = number;
    catalog.m_strCurPath = path;
    tree.send(HINT_SELECTION, &catalog);
}

QLineEdit *PanelHarness::edit(const char *name) const
{
    return view.findChild<QLineEdit *>(QLatin1String(name));
}

QPushButton *PanelHarness::button(const char *name) const
{
    return view.findChild<QPushButton *>(QLatin1String(name));
}

void PanelHarness::type(const char *name, const QString &text) const
{
    QLineEdit *field = edit(name);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

QStringList PanelHarness::sent()
{
    return tree.take();
}

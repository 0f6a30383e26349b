// Renders the window chrome alone, in every button state, to a PNG: a way to look at the
// buttons, the header arrow and the frame menu without a catalogue or a display.
//
//   tavikon_chrome_preview OUT.png      (honours TAVIKON_PALETTE and QT_STYLE_OVERRIDE)
#include "chrome/ownerdrawmenu.h"
#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"
#include "chrome/themedbutton.h"
#include "chrome/themeloader.h"
#include "resources/resource.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <cstdio>

namespace {

struct ButtonDef
{
    int in, out;
    const char *tip;
};

const ButtonDef kButtons[] = {
    {191, 191, "Scan New CD Ctrl + Y"},
    {183, 183, "Search for Gaps in the CD Index Ctrl + G"},
    {179, 179, "CD Delete Del"},
    {258, 258, "CDDB Query Ctrl + B"},
    {150, 150, "Save CD Data Ctrl + S or Ctrl + ENTER"},
    {233, 233, "Search for a specific CD Ctrl + N"},
    {182, 182, "Search for Files Ctrl + A or Ctrl + ENTER"},
    {232, 232, "Search in CD Ctrl + D or Ctrl + ENTER"},
    {150, 159, "Available CD's Ctrl + W"},
    {150, 176, "Non-Available CD's Ctrl + Q"},
    {168, 168, "Create New Category"},
    {180, 180, "Start"},
    {166, 166, "Stop"},
    {181, 181, "Save"},
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    CThemeLoader::ApplyEnvironmentPalette();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tavikon chrome"));
    COwnerDrawMenu menu;
    menu.LoadMenu(IDR_MAINFRAME, window.menuBar(), &window);
    menu.SetItemBitmap(ID_HELP_FINDER, 249);

    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    CThemeLoader theme;

    auto *states
        = new QGroupBox(QStringLiteral("Buttons: out, hover, pressed, focused, default, disabled"));
    auto *stateGrid = new QGridLayout(states);
    int row = 0;
    QList<CThemedButton *> hovered;
    CThemedButton *focused = nullptr;
    for (const ButtonDef &def : kButtons) {
        for (int col = 0; col < 6; ++col) {
            auto *b = new CThemedButton(states);
            b->SetIcon(def.in, def.out);
            b->SetTooltipText(QString::fromLatin1(def.tip));
            b->SetHoverFace();
            b->SetThemeHelper(&theme);
            b->setFixedSize(40, 34);
            stateGrid->addWidget(b, row % 7, (row / 7) * 6 + col);
            if (col == 1)
                hovered.append(b);
            if (col == 2)
                b->setDown(true);
            if (col == 3 && row == 0)
                focused = b;
            if (col == 4)
                b->setDefault(true);
            if (col == 5)
                b->setEnabled(false);
        }
        ++row;
    }
    grid->addWidget(states, 0, 0, 1, 2);

    auto *caption = new CThemedButton;
    caption->setText(QStringLiteral("Get Back"));
    caption->SetTooltipText(QStringLiteral("Get CD Back Ctrl + H"));
    caption->SetHoverFace();
    caption->SetThemeHelper(&theme);
    grid->addWidget(caption, 1, 0);
    auto *tip = new QLabel(
        QStringLiteral("Themed: %1").arg(theme.IsAppThemed() ? "yes" : "no (classic face)"));
    grid->addWidget(tip, 1, 1);

    auto *list = new CSortListCtrl;
    list->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Nr"),
                           QStringLiteral("Size"), QStringLiteral("Type")});
    for (const char *name : {"holiday", "beach", "notes"}) {
        auto *item = new QTreeWidgetItem(list,
                                         {QString::fromLatin1(name), QStringLiteral("1"),
                                          QStringLiteral("1.234 KB"), QStringLiteral("jpg")});
        Q_UNUSED(item);
    }
    list->SortHeader()->SetSortArrow(2, false);
    list->setMinimumHeight(110);
    grid->addWidget(list, 2, 0);
    auto *list2 = new CSortListCtrl;
    list2->setHeaderLabels({QStringLiteral("CD Name"), QStringLiteral("CD Number")});
    list2->SortHeader()->SetSortArrow(0, true);
    list2->SortHeader()->setMinimumHeight(34);
    grid->addWidget(list2, 2, 1);

    window.setCentralWidget(central);
    window.resize(760, 560);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    if (focused)
        focused->setFocus(Qt::TabFocusReason);
    // Hovering needs an active window, so the pointer "arrives" only now.
    for (CThemedButton *b : hovered) {
        const QPointF p(20, 17);
        QEnterEvent e(p, b->mapTo(&window, p), b->mapToGlobal(p));
        QApplication::sendEvent(b, &e);
    }

    QImage image(window.size() + QSize(240, 0), QImage::Format_ARGB32);
    image.fill(window.palette().color(QPalette::Window).darker(130));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, window.grab());
    QMenu *help = menu.Action(ID_HELP_FINDER)->associatedObjects().isEmpty()
        ? nullptr
        : qobject_cast<QMenu *>(menu.Action(ID_HELP_FINDER)->associatedObjects().first());
    if (help) {
        help->setActiveAction(menu.Action(ID_APP_ABOUT));
        help->popup(QPoint(window.width() + 10, 30));
        QApplication::processEvents();
        painter.drawPixmap(window.width() + 10, 30, help->grab());
        QMenu *edit = window.menuBar()->actions().at(1)->menu();
        edit->popup(QPoint(window.width() + 10, 140));
        QApplication::processEvents();
        painter.drawPixmap(window.width() + 10, 140, edit->grab());
    }
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

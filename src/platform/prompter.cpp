#include "platform/prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QUrl>

namespace {
Prompter *g_installed = nullptr;
bool g_sessionEnding = false;

// A box for a short text is so narrow that window managers cut its caption to "T...": keep
// room for the caption beside the title bar's buttons.
void keepCaptionReadable(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 2 + 120;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
    // Before the main window is shown (a start that ends early) nothing places the box: centre
    // it rather than leave it in the screen's corner.
    const QWidget *parent = box.parentWidget();
    if (!parent || !parent->window()->isVisible()) {
        box.adjustSize();
        if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
            box.move(screen->availableGeometry().center() - box.rect().center());
    }
}
} // namespace

Prompter::~Prompter()
{
    if (g_installed == this)
        g_installed = nullptr;
}

Prompter &Prompter::current()
{
    static DesktopPrompter desktop;
    return g_installed ? *g_installed : desktop;
}

void Prompter::install(Prompter *prompter)
{
    g_installed = prompter;
}

void Prompter::SetSessionEnding(bool ending)
{
    g_sessionEnding = ending;
}

bool Prompter::SessionEnding()
{
    return g_sessionEnding;
}

void DesktopPrompter::message(QWidget *parent, const QString &text)
{
    if (g_sessionEnding)
        return;
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    parent);
    keepCaptionReadable(box);
    box.exec();
}

bool DesktopPrompter::question(QWidget *parent, const QString &text)
{
    if (g_sessionEnding)
        return false;
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    keepCaptionReadable(box);
    return box.exec() == QMessageBox::Yes;
}

int DesktopPrompter::exec(QDialog &dialog)
{
    return g_sessionEnding ? int(QDialog::Rejected) : dialog.exec();
}

bool DesktopPrompter::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

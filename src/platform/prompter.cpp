#include "platform/prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
Prompter *g_installed = nullptr;
bool g_sessionEnding = false;
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

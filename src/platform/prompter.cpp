#include "platform/prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
Prompter *g_installed = nullptr;
}

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

void Prompter::install(Prompter *prompter) { g_installed = prompter; }

void DesktopPrompter::message(QWidget *parent, const QString &text)
{
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

int DesktopPrompter::exec(QDialog &dialog) { return dialog.exec(); }

bool DesktopPrompter::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

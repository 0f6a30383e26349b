#include "support/fakeprompter.h"

#include <QDialog>

FakePrompter::FakePrompter()
{
    Prompter::install(this);
}

FakePrompter::~FakePrompter()
{
    Prompter::install(nullptr);
}

void FakePrompter::message(QWidget *, const QString &text)
{
    messages.append(text);
    if (onMessage)
        onMessage(text);
}

bool FakePrompter::question(QWidget *, const QString &text)
{
    questions.append(text);
    return !answers.isEmpty() && answers.takeFirst();
}

int FakePrompter::exec(QDialog &dialog)
{
    dialogs.append(dialog.objectName().isEmpty()
                       ? QString::fromLatin1(dialog.metaObject()->className())
                       : dialog.objectName());
    if (m_handlers.isEmpty())
        return QDialog::Rejected;
    DialogHandler handler = m_handlers.size() > 1 ? m_handlers.takeFirst() : m_handlers.first();
    return handler(dialog);
}

bool FakePrompter::openDocument(const QString &path)
{
    opened.append(path);
    return openResult;
}

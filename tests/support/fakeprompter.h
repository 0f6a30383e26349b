#pragma once

#include "platform/prompter.h"

#include <QStringList>

#include <functional>

class QDialog;

// Answers message boxes and dialogs in tests and records what the program asked. Installed
// for its lifetime. A dialog is handed to the handler, which may click through it and
// returns the result; without a handler dialogs are rejected.
class FakePrompter final : public Prompter
{
public:
    using DialogHandler = std::function<int(QDialog &)>;

    FakePrompter();
    ~FakePrompter() override;

    void message(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
    int exec(QDialog &dialog) override;
    bool openDocument(const QString &path) override;

    // Handlers are used in order, one per dialog; the last one stays for later dialogs.
    void onDialog(DialogHandler handler) { m_handlers.append(std::move(handler)); }

    QStringList messages; // texts of every message box, in order
    QStringList questions; // texts of every yes/no question, in order
    QList<bool> answers; // taken in order, one per question; No once they run out
    QStringList dialogs; // object names (or class names) of every dialog run
    QStringList opened; // documents handed to the desktop
    bool openResult = true;
    // Runs while a message is "shown", as a person would act before pressing OK.
    std::function<void(const QString &)> onMessage;

private:
    QList<DialogHandler> m_handlers;
};

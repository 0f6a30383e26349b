#pragma once

#include <QString>

class QDialog;
class QWidget;

// Every message box, modal dialog and shell "open" of the program goes through here, so that
// tests can answer them instead of a person and no test ever blocks. The program installs
// the desktop version; a test installs its own and records what was asked.
class Prompter
{
public:
    virtual ~Prompter();

    // A message with one OK button; the caption is the application title "Tavikon".
    virtual void message(QWidget *parent, const QString &text) = 0;
    // A question with Yes and No buttons; true for Yes. Nobody answers while the session
    // ends, and that counts as No: callers that must not stop then look at SessionEnding().
    virtual bool question(QWidget *parent, const QString &text) = 0;
    // Runs a dialog modally and returns its result code (QDialog::Accepted or Rejected).
    virtual int exec(QDialog &dialog) = 0;
    // Hands a document to the desktop's handler; false when none could open it.
    virtual bool openDocument(const QString &path) = 0;

    static Prompter &current();

    // While the session ends (a signal, the desktop's log-out) nobody answers: messages are
    // not shown and dialogs are rejected at once.
    static void SetSessionEnding(bool ending);
    static bool SessionEnding();
    // Installs a prompter (not owned); nullptr goes back to the desktop one.
    static void install(Prompter *prompter);
};

// The desktop version: real Qt message boxes and dialogs.
class DesktopPrompter final : public Prompter
{
public:
    void message(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
    int exec(QDialog &dialog) override;
    bool openDocument(const QString &path) override;
};

// Shorthands used by the panes.
inline void AfxMessageBox(const QString &text, QWidget *parent = nullptr)
{
    Prompter::current().message(parent, text);
}
inline int ExecDialog(QDialog &dialog)
{
    return Prompter::current().exec(dialog);
}

// The caption of every message box.
inline const char *const kAppTitle = "Tavikon";

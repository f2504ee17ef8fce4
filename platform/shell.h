#pragma once

#include <QString>
#include <QUrl>

// What the program asks of the desktop outside its own windows: message
// boxes, the default browser and ending the process. The program reaches it
// through shell(); a test installs a stand-in with setShell() to answer
// message boxes, record opened addresses and see the end of the program.
class Shell
{
public:
    // Message box flags; they add up.
    enum Flags {
        OkOnly = 0,
        OkCancel = 1,
        StopIcon = 16,
        InformationIcon = 64,
    };
    // What a message box returns.
    enum Answer { Ok = 0, Cancel = 1 };

    virtual ~Shell() = default;

    // Shows `text` with `caption`, owned by no window; every program window
    // is blocked while it shows. Returns Ok, or Cancel for Cancel or closed.
    virtual int messageBox(const QString &text, int flags, const QString &caption) = 0;

    // Opens the address in the default browser; a failure is not reported.
    virtual void openAddress(const QUrl &address) = 0;

    // Ends the program at once with exit code 0: no window event runs any
    // more and the exit clean-up runs. The real shell never returns; a test's
    // stand-in records the request and returns, so every caller must stop its
    // own work right after asking.
    virtual void endProgram() = 0;
};

// The shell in use. The program installs the Qt one at start-up.
Shell &shell();
// Installs `replacement` (not owned) and returns the previous one.
Shell *setShell(Shell *replacement);

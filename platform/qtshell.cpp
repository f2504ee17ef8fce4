#include "platform/qtshell.h"

#include "app/exitcleanup.h"
#include "platform/messagebox.h"

#include <QDesktopServices>

#include <cstdio>
#include <cstdlib>
#include <memory>

int QtShell::messageBox(const QString &text, int flags, const QString &caption)
{
    std::unique_ptr<QMessageBox> box(buildMessageBox(text, flags, caption));
    box->exec();
    return messageBoxAnswer(*box);
}

void QtShell::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void QtShell::endProgram()
{
    // No window event may run any more (the main window's farewell page must
    // not open), so the process ends here without unwinding the windows.
    // quick_exit runs the exit clean-up but no destructor of the windows.
    runExitCleanup();
    std::fflush(nullptr);
    std::quick_exit(0);
}

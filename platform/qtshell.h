#pragma once

#include "platform/shell.h"

// The shell of the running program: Qt message boxes, the desktop's default
// browser and a real end of the process.
class QtShell final : public Shell
{
public:
    int messageBox(const QString &text, int flags, const QString &caption) override;
    void openAddress(const QUrl &address) override;
    [[noreturn]] void endProgram() override;
};

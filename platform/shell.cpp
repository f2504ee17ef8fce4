#include "platform/shell.h"

namespace {

// Used before the program installs the real shell: it shows nothing, opens
// nothing and treats every message box as closed.
class SilentShell final : public Shell
{
public:
    int messageBox(const QString &, int, const QString &) override { return Cancel; }
    void openAddress(const QUrl &) override {}
    void endProgram() override {}
};

SilentShell silentShell;
Shell *current = &silentShell;

} // namespace

Shell &shell()
{
    return *current;
}

Shell *setShell(Shell *replacement)
{
    Shell *previous = current;
    current = replacement ? replacement : &silentShell;
    return previous;
}

#include "windows/main/launch.h"

#include "platform/programwindow.h"
#include "platform/windows.h"

namespace {

// Stands for a window that is not built yet: its caption and nothing more.
class PlaceholderWindow final : public ProgramWindow
{
public:
    PlaceholderWindow(const QString &caption, QWidget *owner)
        : ProgramWindow(owner)
    {
        setWindowTitle(caption);
        setFixedOuterSize(400, 300);
    }
};

} // namespace

void launchGame(QWidget *owner)
{
    loadModally(new PlaceholderWindow(QStringLiteral("猜词游戏"), owner));
}

void launchWordBank(QWidget *owner)
{
    loadModally(new PlaceholderWindow(QStringLiteral("词库管理"), owner));
}

// Runs the program's real start-up and then, from inside its event loop, does
// what the first argument says: "close" closes the main window, "end" asks to
// end the program. It prints what a test needs to see: every address the
// program opens, and how often the exit clean-up ran at the very end.
#include "app/exitcleanup.h"
#include "app/gamestate.h"
#include "app/startup.h"
#include "platform/qtshell.h"
#include "windows/main/mainwindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// The real shell, except that addresses are printed instead of opened.
class PrintingShell final : public Shell
{
public:
    int messageBox(const QString &text, int flags, const QString &caption) override
    {
        std::printf("message %s\n", qPrintable(text));
        return real.messageBox(text, flags, caption);
    }
    void openAddress(const QUrl &address) override
    {
        std::printf("open %s\n", qPrintable(address.toString()));
    }
    void endProgram() override { real.endProgram(); }

private:
    QtShell real;
};

} // namespace

int main(int argc, char **argv)
{
    // Registered before the program's own clean-up, so it runs after it.
    static const auto report = [] {
        std::printf("cleanup runs %d, state %s\n", exitCleanupRuns(), gameStateExists() ? "kept" : "released");
        std::fflush(stdout);
    };
    std::atexit(report);
    std::at_quick_exit(report);

    const QByteArray action = argc > 1 ? QByteArray(argv[1]) : QByteArray("close");
    preparePlatform();
    QApplication application(argc, argv);
    MainWindow *window = startUp();
    static PrintingShell printingShell;
    setShell(&printingShell);
    std::printf("started %s, state %s\n", qPrintable(window->objectName()), gameStateExists() ? "created" : "missing");
    std::printf("icon %s\n", QApplication::windowIcon().pixmap(32, 32).isNull() ? "missing" : "set");

    std::fflush(stdout);

    QTimer::singleShot(0, [&] {
        if (action == "end")
            shell().endProgram();
        else
            window->close();
    });
    const int code = application.exec();
    std::printf("event loop ended\n");
    return code;
}

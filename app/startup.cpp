#include "app/startup.h"

#include "app/exitcleanup.h"
#include "app/gamestate.h"
#include "platform/files.h"
#include "platform/qtshell.h"
#include "platform/windows.h"
#include "windows/main/mainwindow.h"

#include <QApplication>
#include <QIcon>

#include <cfenv>

void preparePlatform()
{
    // The embedded web view shares its OpenGL context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

MainWindow *startUp()
{
    static QtShell qtShell;
    setShell(&qtShell);

    // The word bank and the pages are found beside the program.
    enterProgramDirectory(QCoreApplication::applicationDirPath());
    // Every floating-point exception masked: 0 / 0 gives NaN, never a trap.
    std::fesetenv(FE_DFL_ENV);

    createGameState();
    registerExitCleanup();

    // Every window of the program shows the program's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    auto *window = new MainWindow;
    loadStartupWindow(window);
    return window;
}

int runProgram(int &argc, char **argv)
{
    preparePlatform();
    QApplication application(argc, argv);
    startUp();
    return application.exec();
}

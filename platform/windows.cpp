#include "platform/windows.h"

#include "platform/programwindow.h"

#include <QEventLoop>
#include <QPointer>

void loadStartupWindow(ProgramWindow *window)
{
    window->created();
    if (window->destroyRequested()) {
        delete window;
        return;
    }
    window->show();
}

void loadModally(ProgramWindow *window)
{
    QPointer<ProgramWindow> guard(window);
    window->created();
    if (!guard)
        return;
    if (window->destroyRequested()) {
        delete window;
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    if (guard)
        loop.exec();
}

void refreshNow(QWidget *window)
{
    window->repaint();
}

#include "windows/main/mainwindow.h"

#include <QLabel>

MainWindow::MainWindow(QWidget *parent)
    : ProgramWindow(parent)
{
    setObjectName(QStringLiteral("mainwindow"));
    setWindowTitle(QStringLiteral("猜词游戏"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedOuterSize(584, 354);
    auto *label = new QLabel(QStringLiteral("猜词游戏"), this);
    label->setGeometry(0, 0, 584, 354);
    label->setAlignment(Qt::AlignCenter);
}

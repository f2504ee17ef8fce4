#pragma once

#include "platform/programwindow.h"

// The first window of the program; it stays open for the whole run.
class MainWindow final : public ProgramWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
};

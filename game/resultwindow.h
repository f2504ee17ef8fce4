#pragma once

#include "platform/programwindow.h"

class QLabel;

// The results of a finished game: words answered, words guessed and the hit
// rate, read from the game state when the window is created.
class ResultWindow final : public ProgramWindow
{
    Q_OBJECT
public:
    explicit ResultWindow(QWidget *owner = nullptr);

    void created() override;

private:
    QLabel *zonggong;
    QLabel *zhengque;
    QLabel *caizhonglv;
};

#include "windows/main/launch.h"

#include "game/gamewindow.h"
#include "wordbank/wordbankwindow.h"

void launchGame(QWidget *owner)
{
    playGame(owner);
}

void launchWordBank(QWidget *owner)
{
    manageWordBank(owner);
}

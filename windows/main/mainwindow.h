#pragma once

#include "platform/programwindow.h"

class PictureBox;
class QComboBox;

// The first window of the program; it stays open for the whole run. The
// player picks the length of a game, starts it, opens the word bank manager
// and reaches the game's home and support pages; the banner page runs across
// the top.
class MainWindow final : public ProgramWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    void willBeDestroyed() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    // Replaces the banner's stand-in by the real view, once the window has
    // been painted for the first time: creating the web view takes a while.
    void createBanner();

    void timePicked();
    void startGame();
    void manageWordBank();
    void openSupportPage();
    void openHomePage();

    QComboBox *m_shijian = nullptr;
    QWidget *m_banner = nullptr;
    PictureBox *m_rightStrip = nullptr; // the lowest strip: the banner lies just under it
    bool m_bannerRequested = false;
};

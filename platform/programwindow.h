#pragma once

#include <QSize>
#include <QWidget>

// A window of the program: fixed outer size, centred on the screen, closed by
// Esc, with the two events the program's windows react to.
class ProgramWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ProgramWindow(QWidget *parent = nullptr);

    // Raised once the window and its controls exist, before it is shown.
    virtual void created() {}
    // Raised once when the window is closed and is about to be destroyed.
    virtual void willBeDestroyed() {}

    // Destroys the window once control is back in an event loop; also safe
    // from the window's own handlers and from created().
    void destroyWindow();
    bool destroyRequested() const { return m_destroyRequested; }

    // The size including the window frame; the client area is what remains.
    QSize outerSize() const { return m_outerSize; }

protected:
    // Fixes the outer size and the frame's buttons. The client area is set
    // from the frame the desktop draws once the window is shown.
    void setFixedOuterSize(int width, int height);

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitClientToFrame();
    void centreOnScreen();

    QSize m_outerSize;
    bool m_destroyRequested = false;
    bool m_farewellRaised = false;
};

#include "platform/programwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

ProgramWindow::ProgramWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ProgramWindow::setFixedOuterSize(int width, int height)
{
    m_outerSize = QSize(width, height);
    setFixedSize(m_outerSize); // until the desktop tells the frame's size
}

void ProgramWindow::destroyWindow()
{
    m_destroyRequested = true;
    if (isVisible())
        QTimer::singleShot(0, this, [this] { close(); });
}

void ProgramWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && !m_farewellRaised) {
        m_farewellRaised = true;
        willBeDestroyed();
    }
}

void ProgramWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitClientToFrame();
    centreOnScreen();
}

void ProgramWindow::fitClientToFrame()
{
    if (!m_outerSize.isValid())
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(m_outerSize - frame);
}

void ProgramWindow::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = m_outerSize.isValid() ? m_outerSize : frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

#include "game/answerbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

AnswerButton::AnswerButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setAutoDefault(false);
}

void AnswerButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit leftButtonDown();
}

namespace {

bool pressesTheButton(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

} // namespace

void AnswerButton::keyPressEvent(QKeyEvent *event)
{
    if (pressesTheButton(event)) {
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void AnswerButton::keyReleaseEvent(QKeyEvent *event)
{
    if (pressesTheButton(event)) {
        event->accept();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

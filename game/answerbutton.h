#pragma once

#include <QPushButton>

// An answer button of the game: it answers the moment the left mouse button
// goes down over it. Space and Enter do nothing on it, so a player who
// tabbed to it cannot answer by accident.
class AnswerButton final : public QPushButton
{
    Q_OBJECT
public:
    AnswerButton(const QString &text, QWidget *parent);

signals:
    void leftButtonDown();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

#pragma once

#include "platform/clock.h"
#include "platform/programwindow.h"
#include "game/draw.h"

class AnswerButton;
class QLabel;
class QTimer;
class RandomGenerator;
class WordBankConnection;

// The screen of a running game: one word of the bank at a time in very large
// letters, "正确" and "跳过" to count it and draw the next one, and a
// countdown that shows for its last ten seconds and then opens the results.
// The draws take the time from `clock` and their numbers from `generator`.
class GameWindow final : public ProgramWindow
{
    Q_OBJECT
public:
    explicit GameWindow(QWidget *owner = nullptr, const Clock &clock = systemClock(),
                        RandomGenerator &generator = gameRandomGenerator());

    // Sets the game up: caption, the bank's IDs, countdown, counters and the
    // first word. A bank that is missing, unusable or empty ends the game
    // before it is shown.
    void created() override;
    void willBeDestroyed() override;

    // One second of the countdown; the timer 时钟1 calls it every second.
    void tick();

private:
    void answer(bool guessed);
    // Shows the next word; false when the game had to end instead.
    bool drawNextWord();
    void showWord(const QString &word);
    // Ends the game at once, after telling the player why when `message` is
    // not empty.
    void endGame(const QString &message, int flags);

    const Clock &m_clock;
    RandomGenerator &m_generator;

    QLabel *xianshibiaoqian;
    QLabel *daojishi;
    AnswerButton *zhengquebtn;
    AnswerButton *tiaoguobtn;
    QTimer *shizhong1;
    WordBankConnection *waibushujuku1;
};

// Plays one game over `owner` and returns once the game window is gone.
void playGame(QWidget *owner);

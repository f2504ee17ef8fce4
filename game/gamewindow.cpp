#include "game/gamewindow.h"

#include "app/gamestate.h"
#include "game/answerbutton.h"
#include "game/countdown.h"
#include "game/gamefont.h"
#include "game/resultwindow.h"
#include "game/wordidwalk.h"
#include "platform/conversions.h"
#include "platform/shell.h"
#include "platform/windows.h"
#include "wordbank/wordbankconnection.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int wordPixelSize = 200;

QLabel *gameLabel(const char *name, const QRect &geometry, int pixelSize, const QColor &colour,
                  Qt::Alignment alignment, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("标签"), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    label->setFont(heitiBold(pixelSize));
    label->setAlignment(alignment);
    label->setWordWrap(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

GameWindow::GameWindow(QWidget *owner, const Clock &clock, RandomGenerator &generator)
    : ProgramWindow(owner)
    , m_clock(clock)
    , m_generator(generator)
{
    setObjectName(QStringLiteral("gamewindow"));
    setWindowTitle(QStringLiteral("猜词进行中..."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedOuterSize(898, 570);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    xianshibiaoqian = gameLabel("xianshibiaoqian", QRect(40, 24, 808, 416), wordPixelSize, Qt::black,
                                Qt::AlignCenter, this);
    daojishi = gameLabel("daojishi", QRect(40, 472, 96, 40), 14, Qt::red, Qt::AlignLeft | Qt::AlignVCenter, this);
    daojishi->setVisible(false);

    zhengquebtn = new AnswerButton(QStringLiteral("正确"), this);
    zhengquebtn->setObjectName(QStringLiteral("zhengquebtn"));
    zhengquebtn->setGeometry(544, 480, 104, 32);
    tiaoguobtn = new AnswerButton(QStringLiteral("跳过"), this);
    tiaoguobtn->setObjectName(QStringLiteral("tiaoguobtn"));
    tiaoguobtn->setGeometry(680, 480, 104, 32);
    setTabOrder(zhengquebtn, tiaoguobtn);
    connect(zhengquebtn, &AnswerButton::leftButtonDown, this, [this] { answer(true); });
    connect(tiaoguobtn, &AnswerButton::leftButtonDown, this, [this] { answer(false); });

    waibushujuku1 = new WordBankConnection(this);

    // A precise timer keeps a ten-minute game from drifting.
    shizhong1 = new QTimer(this);
    shizhong1->setObjectName(QStringLiteral("时钟1"));
    shizhong1->setTimerType(Qt::PreciseTimer);
    shizhong1->setInterval(1000);
    connect(shizhong1, &QTimer::timeout, this, &GameWindow::tick);
    shizhong1->start();
}

void GameWindow::created()
{
    GameState &state = gameState();
    setWindowTitle(QStringLiteral("计时") + integerToText(state.gameminutes) + QStringLiteral("分钟 ")
                   + windowTitle());

    switch (openWithCheck(*waibushujuku1)) {
    case OpenOutcome::ProgramEnded:
        endGame({}, 0);
        return;
    case OpenOutcome::Failed:
        endGame(openFailureMessage(*waibushujuku1), Shell::StopIcon);
        return;
    case OpenOutcome::Opened:
        break;
    }

    if (!loadWordIds(*waibushujuku1, state)) {
        endGame(openFailureMessage(*waibushujuku1), Shell::StopIcon);
        return;
    }
    if (state.wordcount == 0) {
        endGame(QStringLiteral("词库中还没有词语，请先在“管理词库”中添加！"), Shell::InformationIcon);
        return;
    }

    daojishi->setText(countdownStartText(state.gameminutes));
    state.elapsed = 1;
    state.answered = 0;
    state.correct = 0;
    drawNextWord();
}

void GameWindow::willBeDestroyed()
{
    // A game closed early ends here: no tick may come after it.
    shizhong1->stop();
}

void GameWindow::tick()
{
    GameState &state = gameState();
    const CountdownStep step = countdownTick(daojishi->text(), state.gameminutes, state.elapsed);
    if (step.show)
        daojishi->setVisible(true);
    if (!step.finished) {
        daojishi->setText(step.caption);
        state.elapsed += 1;
        return;
    }
    shizhong1->stop();
    loadModally(new ResultWindow(this));
    destroyWindow();
}

void GameWindow::answer(bool guessed)
{
    GameState &state = gameState();
    state.answered += 1;
    if (guessed)
        state.correct += 1;
    drawNextWord();
}

bool GameWindow::drawNextWord()
{
    const DrawnWord drawn = drawWord(*waibushujuku1, m_generator, m_clock, gameState());
    switch (drawn.outcome) {
    case OpenOutcome::ProgramEnded:
        endGame({}, 0);
        return false;
    case OpenOutcome::Failed:
        endGame(openFailureMessage(*waibushujuku1), Shell::StopIcon);
        return false;
    case OpenOutcome::Opened:
        break;
    }
    showWord(drawn.word);
    return true;
}

void GameWindow::showWord(const QString &word)
{
    // At 200 pixels four characters fill the line; a longer word gets the
    // largest size at which all of it fits.
    QFont font = xianshibiaoqian->font();
    font.setPixelSize(pixelSizeToFit(font, word, xianshibiaoqian->contentsRect().width(), wordPixelSize));
    xianshibiaoqian->setFont(font);
    xianshibiaoqian->setText(word);
}

void GameWindow::endGame(const QString &message, int flags)
{
    shizhong1->stop();
    // The last word shown is no longer the drawn one.
    xianshibiaoqian->clear();
    if (!message.isEmpty())
        shell().messageBox(message, flags, QStringLiteral("提示"));
    destroyWindow();
}

void playGame(QWidget *owner)
{
    loadModally(new GameWindow(owner));
}

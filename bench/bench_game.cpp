// Times the game on a bank of 100,000 words: its set-up (the window built
// and its created event: the bank opened, every ID loaded, the countdown and
// counters set, the first word drawn) and one draw after a press of "正确"
// (the bank reopened, the word queried, the label updated). Prints the
// median of each over repeated runs.
//
// bench_game [words] [runs]; it runs headless unless QT_QPA_PLATFORM says
// otherwise.

#include "bench/benchbank.h"
#include "app/gamestate.h"
#include "game/gamewindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

struct Timing
{
    double median = 0;
    double fastest = 0;
    double slowest = 0;
};

Timing timeRuns(int runs, const std::function<void()> &prepare, const std::function<void()> &work,
                const std::function<void()> &tidy)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        tidy();
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void report(const char *what, const Timing &timing, int runs)
{
    std::printf("%-40s median %8.3f ms   (fastest %.3f, slowest %.3f, %d runs)\n", what, timing.median,
                timing.fastest, timing.slowest, runs);
}

// The left mouse button going down over `button`, then coming up again.
void pressLeftButton(QPushButton *button, bool down)
{
    const QPointF inside(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, inside,
                      button->mapToGlobal(inside), Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int wordCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 31;

    QTemporaryDir folder;
    enterGeneratedWordBank(folder, wordCount);
    createGameState();
    gameState().gameminutes = 10;
    std::printf("word bank of %d words in %s\n", wordCount, qPrintable(QDir::toNativeSeparators(folder.path())));

    GameWindow *game = nullptr;
    const Timing setUp = timeRuns(
        runs, [&] { game = new GameWindow; },
        [&] { game->created(); },
        [&] {
            if (game->destroyRequested() || gameState().wordcount != wordCount)
                qFatal("the set-up failed");
            delete game;
            game = nullptr;
        });
    report("game set-up (with the first draw)", setUp, runs);

    game = new GameWindow;
    game->created();
    auto *guessed = game->findChild<QPushButton *>(QStringLiteral("zhengquebtn"));
    auto *word = game->findChild<QLabel *>(QStringLiteral("xianshibiaoqian"));
    const int drawRuns = runs * 10;
    const Timing draw = timeRuns(
        drawRuns, [] {},
        [&] { pressLeftButton(guessed, true); },
        [&] {
            pressLeftButton(guessed, false);
            if (game->destroyRequested() || !word->text().startsWith(QStringLiteral("词语")))
                qFatal("the draw failed");
        });
    report("one draw (reopen, query, label)", draw, drawRuns);
    if (gameState().answered != drawRuns)
        qFatal("the presses were not counted");
    delete game;
    releaseGameState();
    return 0;
}

// Times the word bank manager on a bank of 100,000 words: opening it (the
// window built and its created event: the bank opened, queried and listed),
// rebuilding the list, and a search. Prints the median of each.
//
// Run headless: QT_QPA_PLATFORM=offscreen bench_wordbank [words] [runs]

#include "bench/benchbank.h"
#include "app/gamestate.h"
#include "wordbank/wordbankwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template<typename T>
T *control(QWidget *window, const char16_t *name)
{
    T *found = window->findChild<T *>(QString::fromUtf16(name));
    if (!found)
        qFatal("no control %s", qPrintable(QString::fromUtf16(name)));
    return found;
}

void report(const char *what, double ms)
{
    std::printf("%-44s %8.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int wordCount = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 15;

    QTemporaryDir folder;
    enterGeneratedWordBank(folder, wordCount);
    createGameState();

    std::printf("word bank manager, %d words, median of %d runs\n", wordCount, runs);

    WordBankWindow *window = nullptr;
    report("open (construct + created)", medianMs(runs, [&] { delete window; window = nullptr; }, [&] {
        window = new WordBankWindow;
        window->created();
    }));
    if (gameState().wordcount != wordCount)
        qFatal("listed %d words instead of %d", gameState().wordcount, wordCount);

    // Shown, so that the list lays out and paints its rows as the player sees them.
    window->show();
    application.processEvents();
    auto *list = control<QTableView>(window, u"xinxi");

    report("refreshlist", medianMs(runs, [] {}, [&] {
        window->refreshlist();
        list->repaint();
    }));

    auto *ciyu = control<QLineEdit>(window, u"ciyu");
    auto *zishu = control<QLineEdit>(window, u"zishu");
    auto *selectbtn = control<QPushButton>(window, u"selectbtn");
    struct Search {
        const char *what;
        QString word;
        QString count;
    };
    const Search searches[] = {
        {"search, both boxes empty (whole bank)", {}, {}},
        {"search, word 1", QStringLiteral("词语1"), {}},
        {"search, word 99999 and count 7", QStringLiteral("词语99999"), QStringLiteral("7")},
    };
    for (const Search &search : searches) {
        const double ms = medianMs(runs, [&] {
            ciyu->setText(search.word);
            zishu->setText(search.count);
        }, [&] {
            selectbtn->click();
            list->repaint();
        });
        // The rows found depend on the size of the generated bank.
        std::printf("%-44s %8.2f ms   %d rows\n", search.what, ms, gameState().wordcount);
    }

    delete window;
    releaseGameState();
    return 0;
}

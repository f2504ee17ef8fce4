#include "app/gamestate.h"
#include "game/gamewindow.h"
#include "game/resultwindow.h"
#include "platform/clock.h"
#include "platform/conversions.h"
#include "platform/randomgenerator.h"
#include "platform/windows.h"
#include "tests/support/banklock.h"
#include "tests/support/recordingshell.h"
#include "tests/support/tempwordbank.h"
#include "tests/support/unusablebanks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// A clock the test sets by hand.
class StandInClock final : public Clock
{
public:
    quint32 tickCount() const override { return tick; }
    quint32 tick = 7000;
};

QLabel *wordLabel(QWidget *game) { return game->findChild<QLabel *>(QStringLiteral("xianshibiaoqian")); }
QLabel *countdownLabel(QWidget *game) { return game->findChild<QLabel *>(QStringLiteral("daojishi")); }
QPushButton *guessedButton(QWidget *game) { return game->findChild<QPushButton *>(QStringLiteral("zhengquebtn")); }
QPushButton *passedButton(QWidget *game) { return game->findChild<QPushButton *>(QStringLiteral("tiaoguobtn")); }
QTimer *gameTimer(QWidget *game) { return game->findChild<QTimer *>(QStringLiteral("时钟1")); }

// What the results window showed before the test closed it.
struct ResultsSeen
{
    bool shown = false;
    QStringList texts; // zonggong, zhengque, caizhonglv
};

// Reads and closes the results window as soon as it runs modally.
void closeResultsWhenShown(ResultsSeen *seen)
{
    QTimer::singleShot(0, qApp, [seen] {
        auto *results = qobject_cast<ResultWindow *>(QApplication::activeModalWidget());
        if (!results)
            return;
        seen->shown = true;
        for (const char *name : {"zonggong", "zhengque", "caizhonglv"})
            seen->texts.append(results->findChild<QLabel *>(QString::fromLatin1(name))->text());
        results->close();
    });
}

} // namespace

class TestGameWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { createGameState(); }
    void cleanupTestCase() { releaseGameState(); }
    void init();
    void cleanup();

    void window_hasItsSizeFrameAndBackground();
    void controls_haveTheirPlaceAndLook_data();
    void controls_haveTheirPlaceAndLook();
    void timer_runsEverySecondFromCreation();
    void setUp_writesCaptionCountdownAndCounters();
    void tab_movesBetweenTheTwoButtonsOnly();

    void countdown_followsItsTimeline_data();
    void countdown_followsItsTimeline();

    void buttons_countOnTheButtonGoingDown();
    void buttons_countedGameShowsItsTotals();
    void spaceAndEnter_onTheButtonsDoNothing();

    void draws_followTheGeneratorExactly();
    void draws_aOneWordBankShowsThatWordEveryTime();
    void draws_reachAllOfALargeBank_data();
    void draws_reachAllOfALargeBank();

    void emptyBank_showsItsMessageAndStartsNoCountdown();
    void missingFileAtSetUp_endsTheProgram();
    void missingFileDuringTheGame_endsTheProgram();
    void unusableBankAtSetUp_showsWhyAndEndsTheGame_data();
    void unusableBankAtSetUp_showsWhyAndEndsTheGame();
    void unusableBankDuringTheGame_showsWhyAndShowsNoStaleWord_data();
    void unusableBankDuringTheGame_showsWhyAndShowsNoStaleWord();
    void lockedBankAtADraw_isToldAfterTheWaitAndShowsNoStaleWord();
    void earlyClose_leavesNoTimerAndShowsNoResults();
    void newGame_resetsTheCountersAndTheCountdown();

    void longWords_fitTheLabelOnOneLine_data();
    void longWords_fitTheLabelOnOneLine();

private:
    // Loads a game modally and runs `body` on it once it shows; returns
    // whether it showed. The game is closed after the body if still open.
    bool play(const std::function<void(GameWindow *)> &body);

    StandInClock clock;
    RandomGenerator generator;
};

void TestGameWindow::init()
{
    gameState().gameminutes = 1;
    generator = RandomGenerator();
    clock.tick = 7000;
}

void TestGameWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

bool TestGameWindow::play(const std::function<void(GameWindow *)> &body)
{
    bool shown = false;
    auto *window = new GameWindow(nullptr, clock, generator);
    QTimer::singleShot(0, window, [&, window] {
        QPointer<GameWindow> game = window;
        shown = QApplication::activeModalWidget() == window && window->isVisible();
        body(window);
        if (game && !game->destroyRequested())
            game->close();
    });
    loadModally(window);
    return shown;
}

void TestGameWindow::window_hasItsSizeFrameAndBackground()
{
    TempWordBank bank({QStringLiteral("大象")});
    gameState().gameminutes = 2;
    QVERIFY(play([](GameWindow *game) {
        QVERIFY(QTest::qWaitForWindowExposed(game));
        QCOMPARE(game->objectName(), QStringLiteral("gamewindow"));
        QCOMPARE(game->frameGeometry().size(), QSize(898, 570));
        QCOMPARE(game->windowModality(), Qt::ApplicationModal);
        const Qt::WindowFlags flags = game->windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(game->autoFillBackground());
        QCOMPARE(game->palette().color(QPalette::Window), QColor(Qt::white));
        const QImage shot = game->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::white));
        const QRect screen = game->screen()->availableGeometry();
        QVERIFY(screen.height() >= 570);
        // Centred on the screen; the headless screen is narrower than the
        // game, so only the height can be compared here.
        QVERIFY(qAbs(game->frameGeometry().center().y() - screen.center().y()) <= 1);
        QVERIFY(game->findChild<QObject *>(QStringLiteral("外部数据库1")));
    }));
}

void TestGameWindow::controls_haveTheirPlaceAndLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("xianshibiaoqian") << "xianshibiaoqian" << QRect(40, 24, 808, 416) << "标签" << false;
    QTest::newRow("daojishi") << "daojishi" << QRect(40, 472, 96, 40) << "标签" << true;
    QTest::newRow("zhengquebtn") << "zhengquebtn" << QRect(544, 480, 104, 32) << "正确" << false;
    QTest::newRow("tiaoguobtn") << "tiaoguobtn" << QRect(680, 480, 104, 32) << "跳过" << false;
}

void TestGameWindow::controls_haveTheirPlaceAndLook()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, hidden);
    // As built, before the set-up writes into it.
    GameWindow game(nullptr, clock, generator);
    auto *control = game.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isHidden(), hidden);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        QCOMPARE(button->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        return;
    }
    auto *label = qobject_cast<QLabel *>(control);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    const bool isWord = name == QLatin1String("xianshibiaoqian");
    QCOMPARE(label->font().families(),
             QStringList({QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")}));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), isWord ? 200 : 14);
    QCOMPARE(label->palette().color(QPalette::WindowText), isWord ? QColor(Qt::black) : QColor(Qt::red));
    QCOMPARE(label->alignment(), isWord ? Qt::Alignment(Qt::AlignCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
    QVERIFY(!label->wordWrap());
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestGameWindow::timer_runsEverySecondFromCreation()
{
    GameWindow game(nullptr, clock, generator);
    QTimer *timer = gameTimer(&game);
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(game.findChildren<QTimer *>().size(), 1);
}

void TestGameWindow::setUp_writesCaptionCountdownAndCounters()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    gameState().gameminutes = 2;
    gameState().elapsed = 99;
    gameState().answered = 9;
    gameState().correct = 4;
    QVERIFY(play([&](GameWindow *game) {
        QCOMPARE(game->windowTitle(), QStringLiteral("计时2分钟 猜词进行中..."));
        QCOMPARE(countdownLabel(game)->text(), QStringLiteral("120"));
        QVERIFY(countdownLabel(game)->isHidden());
        QCOMPARE(gameState().elapsed, 1);
        QCOMPARE(gameState().answered, 0);
        QCOMPARE(gameState().correct, 0);
        QCOMPARE(gameState().wordcount, 2);
        const QList<TempWordBank::Row> rows = bank.rows();
        QCOMPARE(gameState().wordids.at(1), qint32(rows[0].id));
        QCOMPARE(gameState().wordids.at(2), qint32(rows[1].id));
        QVERIFY(bank.words().contains(wordLabel(game)->text()));
    }));
}

void TestGameWindow::tab_movesBetweenTheTwoButtonsOnly()
{
    TempWordBank bank({QStringLiteral("大象")});
    QVERIFY(play([](GameWindow *game) {
        QApplication::setActiveWindow(game);
        QVERIFY(QTest::qWaitForWindowActive(game));
        guessedButton(game)->setFocus();
        QCOMPARE(QApplication::focusWidget(), guessedButton(game));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), passedButton(game));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), guessedButton(game));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), passedButton(game));
    }));
}

void TestGameWindow::countdown_followsItsTimeline_data()
{
    QTest::addColumn<qint32>("minutes");
    QTest::addColumn<int>("shownAtTick");   // 0: never shown
    QTest::addColumn<int>("resultsAtTick");
    QTest::newRow("1 minute") << 1 << 51 << 61;
    QTest::newRow("3 minutes") << 3 << 171 << 181;
    QTest::newRow("0 minutes") << 0 << 0 << 1;
}

void TestGameWindow::countdown_followsItsTimeline()
{
    QFETCH(qint32, minutes);
    QFETCH(int, shownAtTick);
    QFETCH(int, resultsAtTick);
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    gameState().gameminutes = minutes;
    ResultsSeen results;
    bool timerStoppedForResults = false;
    QPointer<QWidget> gameAfterResults;
    QVERIFY(play([&](GameWindow *game) {
        QTimer *timer = gameTimer(game);
        QVERIFY(timer->isActive());
        // The test is the clock from here on.
        timer->stop();
        QLabel *countdown = countdownLabel(game);
        QCOMPARE(countdown->text(), realToText(minutes * 60.0));
        QVERIFY(countdown->isHidden());
        for (int tick = 1; tick < resultsAtTick; ++tick) {
            game->tick();
            QCOMPARE(countdown->text(), QString::number(minutes * 60 - tick));
            QCOMPARE(countdown->isVisible(), shownAtTick > 0 && tick >= shownAtTick);
            QCOMPARE(gameState().elapsed, tick + 1);
        }
        QVERIFY(!results.shown);
        QCOMPARE(countdown->text(), QStringLiteral("0"));
        timer->start();
        closeResultsWhenShown(&results);
        game->tick();
        timerStoppedForResults = !timer->isActive();
        QCOMPARE(countdown->isVisible(), shownAtTick > 0);
        QCOMPARE(countdown->text(), QStringLiteral("0"));
        gameAfterResults = game;
        QVERIFY(game->destroyRequested());
    }));
    QVERIFY(results.shown);
    QVERIFY(timerStoppedForResults);
    // Closing the results destroyed the game and brought control back here.
    QVERIFY(gameAfterResults.isNull());
}

void TestGameWindow::buttons_countOnTheButtonGoingDown()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    QVERIFY(play([](GameWindow *game) {
        QPushButton *guessed = guessedButton(game);
        QTest::mousePress(guessed, Qt::LeftButton);
        QCOMPARE(gameState().answered, 1);
        QCOMPARE(gameState().correct, 1);
        QTest::mouseRelease(guessed, Qt::LeftButton);
        QCOMPARE(gameState().answered, 1);

        QPushButton *passed = passedButton(game);
        QTest::mousePress(passed, Qt::LeftButton);
        QCOMPARE(gameState().answered, 2);
        QCOMPARE(gameState().correct, 1);
        QTest::mouseRelease(passed, Qt::LeftButton);

        // Only the left button answers.
        QTest::mouseClick(guessed, Qt::RightButton);
        QTest::mouseClick(passed, Qt::MiddleButton);
        QCOMPARE(gameState().answered, 2);
        QCOMPARE(gameState().correct, 1);
    }));
}

void TestGameWindow::buttons_countedGameShowsItsTotals()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫"), QStringLiteral("长颈鹿")});
    gameState().gameminutes = 0;
    ResultsSeen results;
    QVERIFY(play([&](GameWindow *game) {
        gameTimer(game)->stop();
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(guessedButton(game), Qt::LeftButton);
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(passedButton(game), Qt::LeftButton);
        closeResultsWhenShown(&results);
        game->tick();
    }));
    QVERIFY(results.shown);
    QCOMPARE(results.texts, QStringList({QStringLiteral("总共5个词语"), QStringLiteral("猜正确3个词语"),
                                         QStringLiteral("猜中率：60%")}));
}

void TestGameWindow::spaceAndEnter_onTheButtonsDoNothing()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫"), QStringLiteral("长颈鹿")});
    QVERIFY(play([&](GameWindow *game) {
        const QString word = wordLabel(game)->text();
        // The set-up drew once; no other draw may follow.
        RandomGenerator mirror;
        mirror.reseed(clock);
        for (QPushButton *button : {guessedButton(game), passedButton(game)}) {
            button->setFocus();
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(button, key);
        }
        QCOMPARE(gameState().answered, 0);
        QCOMPARE(gameState().correct, 0);
        QCOMPARE(wordLabel(game)->text(), word);
        QCOMPARE(generator.reseed(clock), mirror.reseed(clock));
        QVERIFY(game->isVisible());
    }));
}

void TestGameWindow::draws_followTheGeneratorExactly()
{
    QStringList words;
    for (const char *word : {"大象", "小猫", "长颈鹿", "熊猫", "老虎", "狮子", "兔子", "猴子", "斑马", "孔雀", "企鹅", "海豚"})
        words.append(QString::fromUtf8(word));
    TempWordBank bank(words);
    // Gaps in the IDs: the draw picks an index into the IDs, not an ID.
    bank.exec(QStringLiteral("delete from ciyu where 词语 in ('小猫', '老虎', '孔雀')"));
    const QList<TempWordBank::Row> rows = bank.rows();
    QCOMPARE(rows.size(), 9);

    // The same generator, started the same way, beside the game.
    RandomGenerator mirror;
    StandInClock mirrorClock;
    auto expectedWord = [&](quint32 tick) {
        mirrorClock.tick = tick;
        mirror.reseed(mirrorClock);
        return rows[mirror.between(1, qint32(rows.size())) - 1].word;
    };

    clock.tick = 100;
    QStringList shown;
    QStringList expected;
    QVERIFY(play([&](GameWindow *game) {
        expected.append(expectedWord(100));
        shown.append(wordLabel(game)->text());
        for (int i = 1; i <= 30; ++i) {
            clock.tick = 100 + quint32(i) * 37;
            expected.append(expectedWord(clock.tick));
            QTest::mouseClick(i % 3 ? guessedButton(game) : passedButton(game), Qt::LeftButton);
            shown.append(wordLabel(game)->text());
        }
    }));
    QCOMPARE(shown, expected);
    QVERIFY2(QSet<QString>(shown.begin(), shown.end()).size() > 3, "the draws hardly vary");
}

void TestGameWindow::draws_aOneWordBankShowsThatWordEveryTime()
{
    TempWordBank bank({QStringLiteral("刻舟求剑")});
    QVERIFY(play([&](GameWindow *game) {
        QCOMPARE(wordLabel(game)->text(), QStringLiteral("刻舟求剑"));
        for (int i = 0; i < 6; ++i) {
            clock.tick += 13;
            QTest::mouseClick(i % 2 ? guessedButton(game) : passedButton(game), Qt::LeftButton);
            QCOMPARE(wordLabel(game)->text(), QStringLiteral("刻舟求剑"));
        }
        QCOMPARE(gameState().answered, 6);
    }));
}

void TestGameWindow::draws_reachAllOfALargeBank_data()
{
    QTest::addColumn<int>("wordcount");
    QTest::addColumn<int>("draws");
    QTest::newRow("5,000 words") << 5000 << 300;
    QTest::newRow("100,000 words") << 100000 << 120;
}

void TestGameWindow::draws_reachAllOfALargeBank()
{
    QFETCH(int, wordcount);
    QFETCH(int, draws);
    TempWordBank bank;
    bank.fill(wordcount); // words 词1, 词2, ... with IDs 1, 2, ...
    RandomGenerator mirror;
    StandInClock mirrorClock;
    QList<int> drawn;
    QList<int> expected;
    QVERIFY(play([&](GameWindow *game) {
        QCOMPARE(gameState().wordcount, wordcount);
        for (int i = 0; i < draws; ++i) {
            if (i > 0) {
                clock.tick += 211;
                QTest::mouseClick(guessedButton(game), Qt::LeftButton);
            }
            mirrorClock.tick = clock.tick;
            mirror.reseed(mirrorClock);
            expected.append(mirror.between(1, wordcount));
            const QString word = wordLabel(game)->text();
            QVERIFY2(word.startsWith(QStringLiteral("词")), qPrintable(word));
            drawn.append(word.mid(1).toInt());
        }
    }));
    QCOMPARE(drawn, expected);
    // The draws spread over the whole bank: each tenth of it comes up, and so
    // do the words past the reach of one 15-bit output.
    QSet<int> tenths;
    for (int index : drawn)
        tenths.insert((index - 1) * 10 / wordcount);
    QCOMPARE(tenths.size(), 10);
    if (wordcount > 32768)
        QVERIFY(*std::max_element(drawn.begin(), drawn.end()) > 32768);
}

void TestGameWindow::emptyBank_showsItsMessageAndStartsNoCountdown()
{
    TempWordBank bank;
    RecordingShell recording;
    bool ran = false;
    QVERIFY(!play([&](GameWindow *) { ran = true; }));
    QVERIFY(!ran);
    QCOMPARE(recording.messages.size(), 1);
    QCOMPARE(recording.messages[0].text, QStringLiteral("词库中还没有词语，请先在“管理词库”中添加！"));
    QCOMPARE(recording.messages[0].flags, 64);
    QCOMPARE(recording.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(recording.endRequests, 0);
    QCOMPARE(gameState().wordcount, 0);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestGameWindow::missingFileAtSetUp_endsTheProgram()
{
    TempWordBank bank({QStringLiteral("大象")});
    bank.remove();
    RecordingShell recording;
    QVERIFY(!play([](GameWindow *) {}));
    QCOMPARE(recording.messages.size(), 1);
    QCOMPARE(recording.messages[0].text, QStringLiteral("数据库不存在"));
    QCOMPARE(recording.messages[0].flags, 0);
    QCOMPARE(recording.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(recording.endRequests, 1);
}

void TestGameWindow::missingFileDuringTheGame_endsTheProgram()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    RecordingShell recording;
    QPointer<GameWindow> ended;
    QVERIFY(play([&](GameWindow *game) {
        QVERIFY(recording.messages.isEmpty());
        bank.remove();
        QTest::mouseClick(guessedButton(game), Qt::LeftButton);
        QVERIFY(game->destroyRequested());
        QVERIFY(!gameTimer(game)->isActive());
        QVERIFY(wordLabel(game)->text().isEmpty());
        ended = game;
    }));
    QCOMPARE(recording.messages.size(), 1);
    QCOMPARE(recording.messages[0].text, QStringLiteral("数据库不存在"));
    QCOMPARE(recording.messages[0].flags, 0);
    QCOMPARE(recording.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(recording.endRequests, 1);
    QVERIFY(ended.isNull());
}

void TestGameWindow::unusableBankAtSetUp_showsWhyAndEndsTheGame_data()
{
    addUnusableBankRows();
}

void TestGameWindow::unusableBankAtSetUp_showsWhyAndEndsTheGame()
{
    QFETCH(Spoil, spoil);
    TempWordBank bank({QStringLiteral("大象")});
    spoil(bank);
    const QByteArray before = standing(bank);
    RecordingShell recording;
    QVERIFY(!play([](GameWindow *) {}));
    QCOMPARE(recording.messages.size(), 1);
    QVERIFY2(recording.messages[0].text.startsWith(QStringLiteral("词库无法打开：")),
             qPrintable(recording.messages[0].text));
    QVERIFY(recording.messages[0].text.size() > QStringLiteral("词库无法打开：").size());
    QCOMPARE(recording.messages[0].flags, 16);
    QCOMPARE(recording.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(recording.endRequests, 0);
    QCOMPARE(standing(bank), before);
}

void TestGameWindow::unusableBankDuringTheGame_showsWhyAndShowsNoStaleWord_data()
{
    addUnusableBankRows();
}

void TestGameWindow::unusableBankDuringTheGame_showsWhyAndShowsNoStaleWord()
{
    QFETCH(Spoil, spoil);
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    RecordingShell recording;
    QString wordWhenTold;
    QByteArray before;
    QVERIFY(play([&](GameWindow *game) {
        QVERIFY(!wordLabel(game)->text().isEmpty());
        spoil(bank);
        before = standing(bank);
        QTest::mouseClick(passedButton(game), Qt::LeftButton);
        QVERIFY(game->destroyRequested());
        QVERIFY(!gameTimer(game)->isActive());
        wordWhenTold = wordLabel(game)->text();
    }));
    QCOMPARE(recording.messages.size(), 1);
    QVERIFY(recording.messages[0].text.startsWith(QStringLiteral("词库无法打开：")));
    QCOMPARE(recording.messages[0].flags, 16);
    QCOMPARE(recording.messages[0].caption, QStringLiteral("提示"));
    QCOMPARE(recording.endRequests, 0);
    QVERIFY(wordWhenTold.isEmpty());
    QCOMPARE(gameState().answered, 1);
    QCOMPARE(standing(bank), before);
}

// Another copy of the program holds the bank while the next word is drawn:
// the game waits for it up to the busy time-out, then tells the player and
// ends instead of showing the previous word again.
void TestGameWindow::lockedBankAtADraw_isToldAfterTheWaitAndShowsNoStaleWord()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    const QList<TempWordBank::Row> rows = bank.rows();
    RecordingShell recording;
    const ShortBusyTimeout shortWait(300);
    qint64 waited = 0;
    QString wordWhenTold;
    QVERIFY(play([&](GameWindow *game) {
        QVERIFY(!wordLabel(game)->text().isEmpty());
        BankLock lock(bank.path());
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(guessedButton(game), Qt::LeftButton);
        waited = clock.elapsed();
        QVERIFY(game->destroyRequested());
        QVERIFY(!gameTimer(game)->isActive());
        wordWhenTold = wordLabel(game)->text();
    }));
    QVERIFY2(waited >= 300, qPrintable(QString::number(waited)));
    QCOMPARE(recording.messages.size(), 1);
    QVERIFY2(recording.messages[0].text.startsWith(QStringLiteral("词库无法打开：")),
             qPrintable(recording.messages[0].text));
    QVERIFY2(recording.messages[0].text.contains(QStringLiteral("locked")), qPrintable(recording.messages[0].text));
    QCOMPARE(recording.messages[0].flags, 16);
    QCOMPARE(recording.endRequests, 0);
    QVERIFY(wordWhenTold.isEmpty());
    QCOMPARE(gameState().answered, 1);
    QCOMPARE(gameState().correct, 1);
    QCOMPARE(bank.rows(), rows);
}

void TestGameWindow::earlyClose_leavesNoTimerAndShowsNoResults()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    // A 0-minute game would open its results at the very next tick.
    gameState().gameminutes = 0;
    QPointer<QTimer> timer;
    bool stoppedAtClose = false;
    int resultWindowsMade = 0;
    QVERIFY(play([&](GameWindow *game) {
        timer = gameTimer(game);
        QVERIFY(timer->isActive());
        QTest::mouseClick(guessedButton(game), Qt::LeftButton);
        // Esc on the focused button closes the game.
        guessedButton(game)->setFocus();
        QTest::keyClick(guessedButton(game), Qt::Key_Escape);
        stoppedAtClose = timer && !timer->isActive();
        resultWindowsMade = game->findChildren<ResultWindow *>().size();
    }));
    QVERIFY(stoppedAtClose);
    QVERIFY(timer.isNull());
    QCOMPARE(resultWindowsMade, 0);
    // The counters keep their values until the next game.
    QCOMPARE(gameState().answered, 1);
    QCOMPARE(gameState().correct, 1);
}

void TestGameWindow::newGame_resetsTheCountersAndTheCountdown()
{
    TempWordBank bank({QStringLiteral("大象"), QStringLiteral("小猫")});
    gameState().gameminutes = 1;
    QVERIFY(play([](GameWindow *game) {
        gameTimer(game)->stop();
        QTest::mouseClick(guessedButton(game), Qt::LeftButton);
        QTest::mouseClick(guessedButton(game), Qt::LeftButton);
        QTest::mouseClick(passedButton(game), Qt::LeftButton);
        for (int i = 0; i < 55; ++i)
            game->tick();
        QVERIFY(countdownLabel(game)->isVisible());
        QCOMPARE(countdownLabel(game)->text(), QStringLiteral("5"));
    }));
    QCOMPARE(gameState().answered, 3);
    QCOMPARE(gameState().correct, 2);
    QCOMPARE(gameState().elapsed, 56);

    gameState().gameminutes = 2;
    QVERIFY(play([](GameWindow *game) {
        QCOMPARE(gameState().answered, 0);
        QCOMPARE(gameState().correct, 0);
        QCOMPARE(gameState().elapsed, 1);
        QCOMPARE(countdownLabel(game)->text(), QStringLiteral("120"));
        QVERIFY(countdownLabel(game)->isHidden());
        QVERIFY(gameTimer(game)->isActive());
    }));
}

void TestGameWindow::longWords_fitTheLabelOnOneLine_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("keeps200");
    QTest::newRow("4 characters") << QStringLiteral("画蛇添足") << true;
    QTest::newRow("2 characters") << QStringLiteral("大象") << true;
    QTest::newRow("8 characters") << QStringLiteral("八仙过海各显神通") << false;
    QTest::newRow("a long phrase") << QStringLiteral("不管三七二十一先吃了再说吧") << false;
}

void TestGameWindow::longWords_fitTheLabelOnOneLine()
{
    QFETCH(QString, word);
    QFETCH(bool, keeps200);
    TempWordBank bank({word});
    QVERIFY(play([&](GameWindow *game) {
        QLabel *label = wordLabel(game);
        QCOMPARE(label->text(), word);
        const int width = label->contentsRect().width();
        QFont font = label->font();
        QVERIFY(QFontMetrics(font).horizontalAdvance(word) <= width);
        if (keeps200) {
            QCOMPARE(font.pixelSize(), 200);
        } else {
            QVERIFY(font.pixelSize() < 200);
            // Shrunk just enough: one pixel more and it would not fit.
            font.setPixelSize(font.pixelSize() + 1);
            QVERIFY(QFontMetrics(font).horizontalAdvance(word) > width);
        }
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().families().value(0), QStringLiteral("黑体"));
    }));
}

QTEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"

#include "game/countdown.h"
#include "game/draw.h"
#include "game/results.h"
#include "game/wordidwalk.h"
#include "platform/clock.h"
#include "platform/randomgenerator.h"

#include <QBitArray>
#include <QSet>
#include <QTest>

#include <random>

namespace {

// A clock the test sets by hand.
class StandInClock final : public Clock
{
public:
    quint32 tickCount() const override { return tick; }
    quint32 tick = 0;
};

// The generator's first output after it was seeded with `seed`, worked out
// from the formula itself.
quint32 firstOutputAfterSeed(quint32 seed)
{
    const quint32 state = seed * 214013u + 2531011u;
    return (state >> 16) & 32767u;
}

} // namespace

class TestGameLogic : public QObject
{
    Q_OBJECT
private slots:
    void countdownStartText_isTheMinutesInSeconds_data();
    void countdownStartText_isTheMinutesInSeconds();
    void countdownTick_followsTheCaption_data();
    void countdownTick_followsTheCaption();
    void countdownTick_oneMinuteTimeline();

    void answeredAndCorrectTexts_countTheWords();
    void hitRateText_isTheRateAsARealNumber_data();
    void hitRateText_isTheRateAsARealNumber();

    void idFromValue_convertsEveryKindOfId_data();
    void idFromValue_convertsEveryKindOfId();

    void drawIndex_reseedsAndTakesOneOutputForANormalBank();
    void drawIndex_twoDrawsInOneMillisecondDiffer();
    void drawIndex_reachesEveryIndex_data();
    void drawIndex_reachesEveryIndex();
    void drawIndex_ofAOneWordBankIsAlwaysOne();
    void gameRandomGenerator_isOneForTheWholeProgram();
};

void TestGameLogic::countdownStartText_isTheMinutesInSeconds_data()
{
    QTest::addColumn<qint32>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 minutes") << 0 << "0";
    QTest::newRow("1 minute") << 1 << "60";
    QTest::newRow("2 minutes") << 2 << "120";
    QTest::newRow("3 minutes") << 3 << "180";
    QTest::newRow("10 minutes") << 10 << "600";
}

void TestGameLogic::countdownStartText_isTheMinutesInSeconds()
{
    QFETCH(qint32, minutes);
    QFETCH(QString, text);
    QCOMPARE(countdownStartText(minutes), text);
}

void TestGameLogic::countdownTick_followsTheCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qint32>("minutes");
    QTest::addColumn<qint32>("elapsed");
    QTest::addColumn<bool>("show");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("after");
    QTest::newRow("first tick of 1 minute") << "60" << 1 << 1 << false << false << "59";
    QTest::newRow("11 writes 10, still hidden") << "11" << 1 << 50 << false << false << "10";
    QTest::newRow("10 shows and writes 9") << "10" << 1 << 51 << true << false << "9";
    QTest::newRow("1 writes 0") << "1" << 1 << 60 << false << false << "0";
    QTest::newRow("0 ends the game") << "0" << 1 << 61 << false << true << "0";
    QTest::newRow("3 minutes, 10 shows") << "10" << 3 << 171 << true << false << "9";
    QTest::newRow("0 minutes ends at once") << "0" << 0 << 1 << false << true << "0";
    QTest::newRow("the caption is computed, not decremented") << "45" << 2 << 100 << false << false << "20";
    QTest::newRow("\"10.0\" is not 10") << "10.0" << 1 << 51 << false << false << "9";
}

void TestGameLogic::countdownTick_followsTheCaption()
{
    QFETCH(QString, caption);
    QFETCH(qint32, minutes);
    QFETCH(qint32, elapsed);
    QFETCH(bool, show);
    QFETCH(bool, finished);
    QFETCH(QString, after);
    const CountdownStep step = countdownTick(caption, minutes, elapsed);
    QCOMPARE(step.show, show);
    QCOMPARE(step.finished, finished);
    QCOMPARE(step.caption, after);
}

void TestGameLogic::countdownTick_oneMinuteTimeline()
{
    QString caption = countdownStartText(1);
    qint32 elapsed = 1;
    int shownAt = 0;
    int tick = 0;
    for (;;) {
        ++tick;
        QVERIFY(tick <= 100);
        const CountdownStep step = countdownTick(caption, 1, elapsed);
        if (step.show) {
            QCOMPARE(shownAt, 0);
            shownAt = tick;
        }
        if (step.finished)
            break;
        caption = step.caption;
        ++elapsed;
        QCOMPARE(caption, QString::number(60 - tick));
    }
    QCOMPARE(shownAt, 51);
    QCOMPARE(tick, 61);
}

void TestGameLogic::answeredAndCorrectTexts_countTheWords()
{
    QCOMPARE(answeredText(5), QStringLiteral("总共5个词语"));
    QCOMPARE(answeredText(0), QStringLiteral("总共0个词语"));
    QCOMPARE(correctText(3), QStringLiteral("猜正确3个词语"));
    QCOMPARE(correctText(0), QStringLiteral("猜正确0个词语"));
    QCOMPARE(answeredText(1234), QStringLiteral("总共1234个词语"));
}

void TestGameLogic::hitRateText_isTheRateAsARealNumber_data()
{
    QTest::addColumn<qint32>("correct");
    QTest::addColumn<qint32>("answered");
    QTest::addColumn<QString>("text");
    QTest::newRow("3 of 4") << 3 << 4 << QStringLiteral("猜中率：75%");
    QTest::newRow("1 of 3") << 1 << 3 << QStringLiteral("猜中率：33.33333333333%");
    QTest::newRow("2 of 3") << 2 << 3 << QStringLiteral("猜中率：66.66666666667%");
    QTest::newRow("2 of 2") << 2 << 2 << QStringLiteral("猜中率：100%");
    QTest::newRow("0 of 5") << 0 << 5 << QStringLiteral("猜中率：0%");
    QTest::newRow("0 of 0") << 0 << 0 << QStringLiteral("猜中率：0%");
    QTest::newRow("3 of 5") << 3 << 5 << QStringLiteral("猜中率：60%");
}

void TestGameLogic::hitRateText_isTheRateAsARealNumber()
{
    QFETCH(qint32, correct);
    QFETCH(qint32, answered);
    QFETCH(QString, text);
    QCOMPARE(hitRateText(correct, answered), text);
}

void TestGameLogic::idFromValue_convertsEveryKindOfId_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<qint32>("id");
    QTest::newRow("byte, unsigned") << QVariant::fromValue(uchar(200)) << 200;
    QTest::newRow("16-bit, sign-extended") << QVariant::fromValue(short(-5)) << -5;
    QTest::newRow("unsigned 16-bit, sign-extended") << QVariant::fromValue(ushort(65535)) << -1;
    QTest::newRow("32-bit") << QVariant(123456) << 123456;
    QTest::newRow("32-bit negative") << QVariant(-7) << -7;
    QTest::newRow("64-bit as SQLite gives it") << QVariant(qlonglong(42)) << 42;
    QTest::newRow("64-bit by its low 32 bits") << QVariant(qlonglong(0x100000005LL)) << 5;
    QTest::newRow("64-bit low 32 bits negative") << QVariant(qlonglong(0xFFFFFFFFLL)) << -1;
    QTest::newRow("double truncated") << QVariant(3.9) << 3;
    QTest::newRow("negative double toward zero") << QVariant(-3.9) << -3;
    QTest::newRow("single truncated") << QVariant::fromValue(7.75f) << 7;
    QTest::newRow("huge double saturates") << QVariant(1e12) << 2147483647;
    QTest::newRow("text is no ID") << QVariant(QStringLiteral("12")) << 0;
    QTest::newRow("NULL") << QVariant(QMetaType::fromType<qlonglong>()) << 0;
    QTest::newRow("nothing") << QVariant() << 0;
}

void TestGameLogic::idFromValue_convertsEveryKindOfId()
{
    QFETCH(QVariant, value);
    QFETCH(qint32, id);
    QCOMPARE(idFromValue(value), id);
}

void TestGameLogic::drawIndex_reseedsAndTakesOneOutputForANormalBank()
{
    // The seed is the tick count plus a counter that starts at 0 and moves on
    // by (seed & 255) + 100 with every reseed.
    RandomGenerator generator;
    StandInClock clock;
    quint32 counter = 0;
    for (quint32 tick : {0u, 1u, 1u, 999u, 123456u, 4294967000u, 77u}) {
        clock.tick = tick;
        const quint32 seed = tick + counter;
        counter += (seed & 255u) + 100u;
        QCOMPARE(drawIndex(generator, clock, 1800), qint32(1 + firstOutputAfterSeed(seed) % 1800));
    }
}

void TestGameLogic::drawIndex_twoDrawsInOneMillisecondDiffer()
{
    RandomGenerator generator;
    StandInClock clock;
    clock.tick = 5000;
    QList<qint32> drawn;
    for (int i = 0; i < 20; ++i)
        drawn.append(drawIndex(generator, clock, 30000));
    QVERIFY2(QSet<qint32>(drawn.begin(), drawn.end()).size() > 15, "draws in one millisecond repeat");
}

void TestGameLogic::drawIndex_reachesEveryIndex_data()
{
    QTest::addColumn<qint32>("wordcount");
    QTest::newRow("5,000 words") << 5000;
    QTest::newRow("32,768 words") << 32768;
    QTest::newRow("100,000 words") << 100000;
}

void TestGameLogic::drawIndex_reachesEveryIndex()
{
    QFETCH(qint32, wordcount);
    RandomGenerator generator;
    StandInClock clock;
    clock.tick = 1000;
    QBitArray seen(wordcount + 1);
    qint32 missing = wordcount;
    // Enough draws for every index to come up many times over. Between two
    // draws the clock moves on by 0.2 to 5 seconds, as the presses of a
    // player do; a fixed sequence keeps the test repeatable.
    std::minstd_rand pause(20261211);
    std::uniform_int_distribution<quint32> milliseconds(200, 5000);
    const qint64 limit = qint64(wordcount) * 40;
    for (qint64 i = 0; i < limit && missing > 0; ++i) {
        clock.tick += milliseconds(pause);
        const qint32 index = drawIndex(generator, clock, wordcount);
        QVERIFY(index >= 1 && index <= wordcount);
        if (!seen.testBit(index)) {
            seen.setBit(index);
            --missing;
        }
    }
    QCOMPARE(missing, 0);
}

void TestGameLogic::drawIndex_ofAOneWordBankIsAlwaysOne()
{
    RandomGenerator generator;
    StandInClock clock;
    for (quint32 tick = 0; tick < 300; tick += 7) {
        clock.tick = tick;
        QCOMPARE(drawIndex(generator, clock, 1), 1);
    }
}

void TestGameLogic::gameRandomGenerator_isOneForTheWholeProgram()
{
    QCOMPARE(&gameRandomGenerator(), &gameRandomGenerator());
    // Its reseed counter starts at 0: the first seed is the tick count itself.
    StandInClock clock;
    clock.tick = 4242;
    QCOMPARE(gameRandomGenerator().reseed(clock), 4242u);
    QCOMPARE(gameRandomGenerator().reseed(clock), 4242u + (4242u & 255u) + 100u);
}

QTEST_APPLESS_MAIN(TestGameLogic)
#include "tst_gamelogic.moc"

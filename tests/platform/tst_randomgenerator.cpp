#include "platform/clock.h"
#include "platform/randomgenerator.h"

#include <QSet>
#include <QTest>

namespace {

class FixedClock final : public Clock
{
public:
    explicit FixedClock(quint32 tick) : tick(tick) {}
    quint32 tickCount() const override { return tick; }
    quint32 tick;
};

} // namespace

class TestRandomGenerator : public QObject
{
    Q_OBJECT
private slots:
    void next_followsTheLinearCongruentialFormula();
    void between_staysInsideItsBounds_data();
    void between_staysInsideItsBounds();
    void between_oneAndOneIsAlwaysOne();
    void between_takesBoundsInEitherOrder();
    void between_countsNegativeBoundsAsZero();
    void between_narrowRangeUsesOneOutputModuloTheRange();
    void between_wideRangeUsesTwoOutputsAndReachesPastTheFifteenBits();
    void reseed_addsAMovingCounterToTheTickCount();
    void reseed_twiceInOneMillisecondGivesDifferentSeeds();
};

void TestRandomGenerator::next_followsTheLinearCongruentialFormula()
{
    // The same generator as the C library rand() of many compilers; seed 1
    // gives this well-known start.
    RandomGenerator generator;
    generator.seed(1);
    const QList<quint32> expected{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    QList<quint32> drawn;
    for (int i = 0; i < expected.size(); ++i)
        drawn.append(generator.next());
    QCOMPARE(drawn, expected);

    // And the formula itself, for an arbitrary seed, wrapping at 32 bits.
    generator.seed(0xdeadbeef);
    quint32 state = 0xdeadbeef;
    for (int i = 0; i < 1000; ++i) {
        state = state * 214013u + 2531011u;
        QCOMPARE(generator.next(), (state >> 16) & 32767u);
    }
}

void TestRandomGenerator::between_staysInsideItsBounds_data()
{
    QTest::addColumn<qint32>("a");
    QTest::addColumn<qint32>("b");
    QTest::addColumn<qint32>("low");
    QTest::addColumn<qint32>("high");
    QTest::newRow("1 to 6") << 1 << 6 << 1 << 6;
    QTest::newRow("6 to 1") << 6 << 1 << 1 << 6;
    QTest::newRow("1 to 0") << 1 << 0 << 0 << 1;
    QTest::newRow("-5 to 3") << -5 << 3 << 0 << 3;
    QTest::newRow("-5 to -1") << -5 << -1 << 0 << 0;
    QTest::newRow("1 to 32768") << 1 << 32768 << 1 << 32768;
    QTest::newRow("1 to 100000") << 1 << 100000 << 1 << 100000;
}

void TestRandomGenerator::between_staysInsideItsBounds()
{
    QFETCH(qint32, a);
    QFETCH(qint32, b);
    QFETCH(qint32, low);
    QFETCH(qint32, high);
    RandomGenerator generator;
    generator.seed(12345);
    for (int i = 0; i < 5000; ++i) {
        const qint32 value = generator.between(a, b);
        QVERIFY2(value >= low && value <= high, qPrintable(QString::number(value)));
    }
}

void TestRandomGenerator::between_oneAndOneIsAlwaysOne()
{
    RandomGenerator generator;
    for (quint32 seed : {0u, 1u, 77u, 0xffffffffu}) {
        generator.seed(seed);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(generator.between(1, 1), 1);
    }
}

void TestRandomGenerator::between_takesBoundsInEitherOrder()
{
    RandomGenerator forward;
    RandomGenerator backward;
    forward.seed(99);
    backward.seed(99);
    for (int i = 0; i < 200; ++i)
        QCOMPARE(forward.between(3, 17), backward.between(17, 3));
}

void TestRandomGenerator::between_countsNegativeBoundsAsZero()
{
    RandomGenerator negative;
    RandomGenerator zero;
    negative.seed(5);
    zero.seed(5);
    for (int i = 0; i < 200; ++i)
        QCOMPARE(negative.between(-40, 9), zero.between(0, 9));
}

void TestRandomGenerator::between_narrowRangeUsesOneOutputModuloTheRange()
{
    for (qint32 upper : {2, 10, 1500, 32768}) {
        RandomGenerator generator;
        RandomGenerator reference;
        generator.seed(2024);
        reference.seed(2024);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(generator.between(1, upper), qint32(1 + reference.next() % quint32(upper)));
    }
}

void TestRandomGenerator::between_wideRangeUsesTwoOutputsAndReachesPastTheFifteenBits()
{
    const qint32 upper = 100000;
    RandomGenerator generator;
    RandomGenerator reference;
    generator.seed(7);
    reference.seed(7);
    qint32 highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const quint32 high = reference.next();
        const quint32 wide = (high << 15) | reference.next();
        const qint32 value = generator.between(1, upper);
        QCOMPARE(value, qint32(1 + wide % quint32(upper)));
        highest = qMax(highest, value);
    }
    QVERIFY(highest > 32769);
}

void TestRandomGenerator::reseed_addsAMovingCounterToTheTickCount()
{
    const FixedClock clock(1000);
    RandomGenerator generator;
    QCOMPARE(generator.reseed(clock), 1000u);            // counter starts at 0
    QCOMPARE(generator.reseed(clock), 1000u + 332u);     // (1000 & 255) + 100
    QCOMPARE(generator.reseed(clock), 1000u + 332u + 152u); // (1332 & 255) + 100

    RandomGenerator reference;
    reference.seed(1000u + 332u + 152u);
    QCOMPARE(generator.next(), reference.next());
}

void TestRandomGenerator::reseed_twiceInOneMillisecondGivesDifferentSeeds()
{
    const FixedClock clock(4242);
    RandomGenerator generator;
    QSet<quint32> seeds;
    for (int i = 0; i < 50; ++i)
        seeds.insert(generator.reseed(clock));
    QCOMPARE(seeds.size(), 50);
}

QTEST_APPLESS_MAIN(TestRandomGenerator)
#include "tst_randomgenerator.moc"

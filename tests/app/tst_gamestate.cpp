#include "app/exitcleanup.h"
#include "app/gamestate.h"

#include <QTest>

class TestGameState : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { releaseGameState(); }
    void create_startsEveryFieldAtItsInitialValue();
    void wordids_growsFromIndexOneWithoutAnUpperLimit();
    void wordids_aNewGameOverwritesOnlyItsFirstEntries();
    void exitCleanup_releasesTheStateOnce();
};

void TestGameState::create_startsEveryFieldAtItsInitialValue()
{
    createGameState();
    GameState &state = gameState();
    QCOMPARE(state.gameminutes, 0);
    QCOMPARE(state.wordcount, 0);
    QCOMPARE(state.answered, 0);
    QCOMPARE(state.correct, 0);
    QCOMPARE(state.elapsed, 0);
    QCOMPARE(state.recordset, 0);
    QVERIFY(state.selectedid.isEmpty());
    QCOMPARE(state.wordids.at(1), 0);
    QCOMPARE(state.wordids.at(1000), 0);
}

void TestGameState::wordids_growsFromIndexOneWithoutAnUpperLimit()
{
    createGameState();
    WordIds &ids = gameState().wordids;
    QVERIFY(!ids.isValidIndex(0));
    for (qint32 i = 1; i <= 150000; ++i)
        ids.set(i, i * 2);
    QCOMPARE(ids.size(), 150000);
    QCOMPARE(ids.at(1), 2);
    QCOMPARE(ids.at(1001), 2002);
    QCOMPARE(ids.at(150000), 300000);
    QVERIFY(!ids.isValidIndex(150001));
    QCOMPARE(ids.at(150001), 0);
    QCOMPARE(ids.at(0), 0);
    QCOMPARE(ids.at(-3), 0);
}

void TestGameState::wordids_aNewGameOverwritesOnlyItsFirstEntries()
{
    createGameState();
    WordIds &ids = gameState().wordids;
    for (qint32 i = 1; i <= 5; ++i)
        ids.set(i, 100 + i);
    ids.set(1, 7);
    ids.set(2, 8);
    QCOMPARE(ids.at(1), 7);
    QCOMPARE(ids.at(2), 8);
    QCOMPARE(ids.at(3), 103); // left from the earlier game
}

void TestGameState::exitCleanup_releasesTheStateOnce()
{
    createGameState();
    gameState().selectedid = QStringLiteral("12");
    QCOMPARE(exitCleanupRuns(), 0);
    runExitCleanup();
    QVERIFY(!gameStateExists());
    QCOMPARE(exitCleanupRuns(), 1);
    createGameState();
    runExitCleanup(); // a second request does nothing more
    QCOMPARE(exitCleanupRuns(), 1);
    QVERIFY(gameStateExists());
}

QTEST_APPLESS_MAIN(TestGameState)
#include "tst_gamestate.moc"

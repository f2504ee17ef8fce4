#include "tests/support/recordingshell.h"
#include "tests/support/tempwordbank.h"
#include "tests/support/unusablebanks.h"
#include "wordbank/wordbankconnection.h"
#include "wordbank/wordbankfile.h"

#include <QDir>
#include <QTest>

class TestWordBankFile : public QObject
{
    Q_OBJECT
private slots:
    void path_isBesideTheProgramAndBuiltAnewAtEveryUse();
    void openWithCheck_missingFileTellsThePlayerAndEndsTheProgram();
    void openWithCheck_existingFileOpens();
    void reopen_doesNotCheckAndNeverCreatesTheFile();
    void open_unusableFileFailsWithAReasonAndStaysUnchanged_data();
    void open_unusableFileFailsWithAReasonAndStaysUnchanged();
};

void TestWordBankFile::path_isBesideTheProgramAndBuiltAnewAtEveryUse()
{
    TempWordBank first;
    QCOMPARE(wordBankPath(), QDir(first.folder()).canonicalPath() + "/caici.mdb");
    {
        TempWordBank second;
        QCOMPARE(wordBankPath(), QDir(second.folder()).canonicalPath() + "/caici.mdb");
    }
    QCOMPARE(wordBankPath(), QDir(first.folder()).canonicalPath() + "/caici.mdb");
}

void TestWordBankFile::openWithCheck_missingFileTellsThePlayerAndEndsTheProgram()
{
    RecordingShell shell;
    TempWordBank bank;
    bank.remove();
    WordBankConnection connection(nullptr);
    QCOMPARE(openWithCheck(connection), OpenOutcome::ProgramEnded);
    QCOMPARE(shell.messages.size(), 1);
    QCOMPARE(shell.messages[0].text, QStringLiteral("数据库不存在"));
    QCOMPARE(shell.messages[0].flags, 0);
    QCOMPARE(shell.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(shell.endRequests, 1);
    QVERIFY(!connection.isOpen());
    QVERIFY(!QFile::exists(bank.path()));
}

void TestWordBankFile::openWithCheck_existingFileOpens()
{
    RecordingShell shell;
    TempWordBank bank({"大象"});
    WordBankConnection connection(nullptr);
    QCOMPARE(openWithCheck(connection), OpenOutcome::Opened);
    QVERIFY(connection.isOpen());
    QVERIFY(shell.messages.isEmpty());
    QCOMPARE(shell.endRequests, 0);
}

void TestWordBankFile::reopen_doesNotCheckAndNeverCreatesTheFile()
{
    RecordingShell shell;
    TempWordBank bank({"大象"});
    WordBankConnection connection(nullptr);
    QCOMPARE(reopen(connection), OpenOutcome::Opened);
    bank.remove();
    QCOMPARE(reopen(connection), OpenOutcome::Failed);
    QVERIFY(shell.messages.isEmpty());
    QCOMPARE(shell.endRequests, 0);
    QVERIFY(!QFile::exists(bank.path()));
    QVERIFY(connection.isOpen()); // the earlier connection stays
}

void TestWordBankFile::open_unusableFileFailsWithAReasonAndStaysUnchanged_data()
{
    // The kinds the windows are tried with, and more ways a file can be damaged.
    addUnusableBankRows();
    QTest::newRow("random bytes") << Spoil([](const TempWordBank &bank) {
        QByteArray bytes;
        for (int i = 0; i < 8192; ++i)
            bytes.append(char((i * 7919) % 251));
        bank.replaceWithBytes(bytes);
    });
    QTest::newRow("empty file") << Spoil([](const TempWordBank &bank) { bank.replaceWithBytes({}); });
    QTest::newRow("SQLite header, damaged body") << Spoil([](const TempWordBank &bank) {
        QByteArray bytes = bank.bytes();
        for (qsizetype i = 100; i < bytes.size(); ++i)
            bytes[i] = char(0xA5);
        bank.replaceWithBytes(bytes);
    });
}

void TestWordBankFile::open_unusableFileFailsWithAReasonAndStaysUnchanged()
{
    QFETCH(Spoil, spoil);
    RecordingShell shell;
    TempWordBank bank({"大象", "小猫"});
    spoil(bank);
    const QByteArray before = standing(bank);

    WordBankConnection connection(nullptr);
    QCOMPARE(openWithCheck(connection), OpenOutcome::Failed);
    QVERIFY(!connection.isOpen());
    QVERIFY(!connection.lastError().isEmpty());
    QVERIFY(openFailureMessage(connection).startsWith(QStringLiteral("词库无法打开：")));
    QVERIFY(shell.messages.isEmpty()); // the windows tell the player
    QCOMPARE(shell.endRequests, 0);
    QCOMPARE(standing(bank), before);
}

QTEST_GUILESS_MAIN(TestWordBankFile)
#include "tst_wordbankfile.moc"

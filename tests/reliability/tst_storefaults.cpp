#include "tests/support/banklock.h"
#include "tests/support/tempwordbank.h"
#include "wordbank/statements.h"
#include "wordbank/wordbankconnection.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>

using namespace statements;

namespace {

struct AdderLog {
    QStringList added;
    QStringList deleted;
    QStringList failures;
    bool done = false;
};

// Reads the complete lines a word adder printed.
AdderLog readLog(const QByteArray &output)
{
    AdderLog log;
    const QList<QByteArray> lines = output.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) { // the last piece has no newline
        const QString line = QString::fromUtf8(lines[i]);
        if (line.startsWith("added "))
            log.added.append(line.mid(6));
        else if (line.startsWith("deleted "))
            log.deleted.append(line.mid(8));
        else if (line.startsWith("failed"))
            log.failures.append(line);
        else if (line == "done")
            log.done = true;
    }
    return log;
}

QString integrityOf(const QString &path)
{
    QString result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "integrity");
        database.setDatabaseName(path);
        if (database.open()) {
            QSqlQuery query(database);
            if (query.exec("pragma integrity_check") && query.next())
                result = query.value(0).toString();
        }
        database.close();
    }
    QSqlDatabase::removeDatabase("integrity");
    return result;
}

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT
private slots:
    void killedAdder_losesNoWordItReportedAdded();
    void fullDisk_failureIsReportedAndEveryAddedWordStays();
    void twoPrograms_addingAndDeletingAtOnceLoseNothing();
    void lockedBank_changesFailAfterTheTimeoutAndChangeNothing_data();
    void lockedBank_changesFailAfterTheTimeoutAndChangeNothing();
};

void TestStoreFaults::killedAdder_losesNoWordItReportedAdded()
{
    TempWordBank bank({"大象", "小猫"});
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill moments drawn with seed %u", seed);
    QRandomGenerator moments(seed);
    QStringList reported;
    int kills = 0;
    for (int round = 0; round < 100; ++round) {
        QProcess adder;
        adder.start(QStringLiteral(WORDBANK_ADDER), {bank.path(), QStringLiteral("词%1_").arg(round), "100000"});
        QVERIFY(adder.waitForStarted());
        QVERIFY(adder.waitForReadyRead(30000)); // "opened"
        QTest::qSleep(int(moments.bounded(1, 40)));
        if (adder.state() == QProcess::Running) {
            ::kill(pid_t(adder.processId()), SIGKILL);
            ++kills;
        }
        QVERIFY(adder.waitForFinished(30000));
        const AdderLog log = readLog(adder.readAllStandardOutput());
        QVERIFY2(log.failures.isEmpty(), qPrintable(log.failures.join('\n')));
        reported += log.added;
    }
    QCOMPARE(kills, 100);
    QVERIFY(!reported.isEmpty());
    QCOMPARE(integrityOf(bank.path()), QStringLiteral("ok"));
    const QStringList words = bank.words();
    const QSet<QString> stored(words.cbegin(), words.cend());
    for (const QString &word : std::as_const(reported))
        QVERIFY2(stored.contains(word), qPrintable("lost: " + word));
    qInfo("%d kills survived, %lld reported words all kept", kills, qsizetype(reported.size()));
}

void TestStoreFaults::fullDisk_failureIsReportedAndEveryAddedWordStays()
{
    TempWordBank bank({"大象", "小猫"});
    const qint64 limit = bank.bytes().size() + 48 * 1024;
    QProcess adder;
    adder.start(QStringLiteral(WORDBANK_ADDER),
                {bank.path(), QString(40, QChar(u'满')), "100000", "--file-size-limit", QString::number(limit)});
    QVERIFY(adder.waitForFinished(120000));
    QCOMPARE(adder.exitStatus(), QProcess::NormalExit);
    const AdderLog log = readLog(adder.readAllStandardOutput());
    QVERIFY2(!log.done, "the file-size limit was never reached");
    QCOMPARE(log.failures.size(), 1);
    QVERIFY(!log.added.isEmpty());
    QCOMPARE(integrityOf(bank.path()), QStringLiteral("ok"));
    const QStringList stored = bank.words();
    for (const QString &word : log.added)
        QVERIFY2(stored.contains(word), qPrintable("lost: " + word));
    QCOMPARE(stored.size(), 2 + log.added.size()); // the failed add left nothing behind
}

void TestStoreFaults::twoPrograms_addingAndDeletingAtOnceLoseNothing()
{
    TempWordBank bank({"大象"});
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(WORDBANK_ADDER), {bank.path(), "甲", "300", "--delete-every", "3"});
    second.start(QStringLiteral(WORDBANK_ADDER), {bank.path(), "乙", "300", "--delete-every", "5"});
    QVERIFY(first.waitForFinished(120000));
    QVERIFY(second.waitForFinished(120000));
    const AdderLog one = readLog(first.readAllStandardOutput());
    const AdderLog two = readLog(second.readAllStandardOutput());
    QVERIFY2(one.done && two.done, qPrintable(one.failures.join('\n') + two.failures.join('\n')));

    QSet<QString> expected{"大象"};
    for (const AdderLog &log : {one, two}) {
        for (const QString &word : log.added)
            expected.insert(word);
        for (const QString &word : log.deleted)
            expected.remove(word);
    }
    const QStringList stored = bank.words();
    QCOMPARE(QSet<QString>(stored.cbegin(), stored.cend()), expected);
    QCOMPARE(stored.size(), expected.size());
    QCOMPARE(integrityOf(bank.path()), QStringLiteral("ok"));
}

void TestStoreFaults::lockedBank_changesFailAfterTheTimeoutAndChangeNothing_data()
{
    QTest::addColumn<Statement>("statement");
    QTest::newRow("add") << insertWord("新词", "2");
    QTest::newRow("modify") << updateWord("改词", "2", "1");
    QTest::newRow("delete") << deleteWord("1");
}

void TestStoreFaults::lockedBank_changesFailAfterTheTimeoutAndChangeNothing()
{
    QFETCH(Statement, statement);
    TempWordBank bank({"大象", "小猫"});
    const QList<TempWordBank::Row> before = bank.rows();
    const ShortBusyTimeout shortWait(300);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    {
        const BankLock otherProgram(bank.path());
        const ExecuteResult result = connection.execute(statement);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains("locked"), qPrintable(result.error));
    }
    QCOMPARE(bank.rows(), before);
}

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"

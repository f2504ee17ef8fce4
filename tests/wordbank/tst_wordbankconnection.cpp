#include "tests/support/tempwordbank.h"
#include "wordbank/statements.h"
#include "wordbank/wordbankconnection.h"

#include <QTest>

using namespace statements;


namespace {

// The fixture bank: IDs 1 to 8 in this order, each counted by characters.
// axb is there to be matched by a_b if _ were taken as a wildcard.
const QStringList fixtureWords{"大象", "长颈鹿", "小猫", "猫头鹰", "打篮球", "100%", "a_b", "axb"};

// The IDs of a record set, walked from its first row.
QList<qint64> idsOf(WordBankConnection &connection, RecordSetHandle handle)
{
    QList<qint64> ids;
    connection.moveFirst(handle);
    while (!connection.isAfterLast(handle)) {
        ids.append(connection.field(handle, "ID").toLongLong());
        connection.moveNext(handle);
    }
    return ids;
}

} // namespace

class TestWordBankConnection : public QObject
{
    Q_OBJECT
private slots:
    void connection_isTheWindowsNamedComponent();
    void open_failureKeepsThePreviousConnectionAndItsRecordSets();
    void open_successReleasesEveryEarlierRecordSet();
    void open_neverCreatesAMissingFile();
    void query_isASnapshotTakenWhenItRan();
    void query_givesZeroOnErrorAndBadHandlesReadAsAfterTheLastRow();
    void query_hasNoLimitAndRequeryKeepsOneRecordSet();
    void walk_movesToTheFirstRowAndStopsAfterTheLast();
    void field_matchesTheColumnNameExactly_data();
    void field_matchesTheColumnNameExactly();
    void field_readsNullAsZeroOrEmptyText();
    void query_statementsSelectTheirRows_data();
    void query_statementsSelectTheirRows();
    void execute_reportsSuccessRowsChangedAndReasons();
    void execute_neverGivesADeletedIdAgain();
    void hostileWords_roundTripWithoutTouchingOtherRows_data();
    void hostileWords_roundTripWithoutTouchingOtherRows();
};

void TestWordBankConnection::connection_isTheWindowsNamedComponent()
{
    QObject window;
    auto *connection = new WordBankConnection(&window);
    QCOMPARE(connection->objectName(), QStringLiteral("外部数据库1"));
    QCOMPARE(connection->parent(), &window);
    QVERIFY(!connection->isOpen());
    QCOMPARE(WordBankConnection::busyTimeoutMs(), 15000);
}

void TestWordBankConnection::open_failureKeepsThePreviousConnectionAndItsRecordSets()
{
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle handle = connection.query(newestFirst());
    QVERIFY(handle != 0);

    QVERIFY(!connection.open(bank.folder() + "/missing.mdb"));
    QVERIFY(!connection.lastError().isEmpty());
    QVERIFY(connection.isOpen());
    QCOMPARE(connection.fieldText(handle, "词语"), QStringLiteral("axb"));
    QVERIFY(connection.query(wholeBank()) != 0); // still on the first file
}

void TestWordBankConnection::open_successReleasesEveryEarlierRecordSet()
{
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle first = connection.query(newestFirst());
    const RecordSetHandle second = connection.query(wholeBank());
    QVERIFY(!connection.isAfterLast(first));
    QVERIFY(connection.open(bank.path()));
    QVERIFY(connection.isAfterLast(first));
    QVERIFY(connection.isAfterLast(second));
    QVERIFY(connection.fieldText(first, "词语").isEmpty());
    QCOMPARE(connection.heldRecordSets(), 0);
}

void TestWordBankConnection::open_neverCreatesAMissingFile()
{
    TempWordBank bank;
    bank.remove();
    WordBankConnection connection(nullptr);
    QVERIFY(!connection.open(bank.path()));
    QVERIFY(!QFile::exists(bank.path()));
}

void TestWordBankConnection::query_isASnapshotTakenWhenItRan()
{
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle before = connection.query(newestFirst());
    bank.insert("新词", "2");          // another program adds a word
    bank.exec("delete from ciyu where ID=1");
    QCOMPARE(idsOf(connection, before), QList<qint64>({8, 7, 6, 5, 4, 3, 2, 1}));
    const RecordSetHandle after = connection.query(newestFirst());
    QCOMPARE(idsOf(connection, after), QList<qint64>({9, 8, 7, 6, 5, 4, 3, 2}));
}

void TestWordBankConnection::query_givesZeroOnErrorAndBadHandlesReadAsAfterTheLastRow()
{
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QCOMPARE(connection.query(wholeBank()), 0); // not open yet
    QVERIFY(connection.open(bank.path()));
    QCOMPARE(connection.query({"select * from nosuchtable", {}}), 0);
    QVERIFY(!connection.lastError().isEmpty());
    QCOMPARE(connection.query({"", {}}), 0);
    for (RecordSetHandle bad : {0, 999999, -1}) {
        QVERIFY(connection.isAfterLast(bad));
        connection.moveFirst(bad);
        connection.moveNext(bad);
        QVERIFY(!connection.field(bad, "ID").isValid());
        QVERIFY(connection.fieldText(bad, "词语").isEmpty());
        QVERIFY(connection.snapshot(bad).isNull());
    }
    // A handle of another connection is not one of this one's.
    WordBankConnection other(nullptr);
    QVERIFY(other.open(bank.path()));
    const RecordSetHandle foreign = other.query(wholeBank());
    QVERIFY(!other.isAfterLast(foreign));
    QVERIFY(connection.isAfterLast(foreign));
}

void TestWordBankConnection::query_hasNoLimitAndRequeryKeepsOneRecordSet()
{
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    RecordSetHandle slot = 0;
    for (int i = 0; i < 100; ++i) {
        connection.requery(slot, search("猫", ""));
        QCOMPARE(idsOf(connection, slot), QList<qint64>({3, 4}));
    }
    QCOMPARE(connection.heldRecordSets(), 1);
    QList<RecordSetHandle> kept;
    for (int i = 0; i < 40; ++i)
        kept.append(connection.query(wholeBank()));
    QVERIFY(!kept.contains(0));
    QCOMPARE(idsOf(connection, kept.last()).size(), fixtureWords.size());
}

void TestWordBankConnection::walk_movesToTheFirstRowAndStopsAfterTheLast()
{
    TempWordBank bank({"甲", "乙"});
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle handle = connection.query(allIdsAscending());
    QCOMPARE(connection.fieldText(handle, "词语"), QStringLiteral("甲")); // a fresh set stands on its first row
    connection.moveNext(handle);
    QCOMPARE(connection.fieldText(handle, "词语"), QStringLiteral("乙"));
    connection.moveNext(handle);
    QVERIFY(connection.isAfterLast(handle));
    connection.moveNext(handle);
    QVERIFY(connection.isAfterLast(handle));
    QVERIFY(connection.fieldText(handle, "词语").isEmpty());
    connection.moveFirst(handle);
    QCOMPARE(connection.fieldText(handle, "词语"), QStringLiteral("甲"));

    const RecordSetHandle empty = connection.query(findWord("丙"));
    QVERIFY(empty != 0);
    QVERIFY(connection.isAfterLast(empty));
    connection.moveFirst(empty);
    QVERIFY(connection.isAfterLast(empty));
}

void TestWordBankConnection::field_matchesTheColumnNameExactly_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("ID") << "ID" << "1";
    QTest::newRow("词语") << "词语" << "大象";
    QTest::newRow("字数") << "字数" << "2";
    QTest::newRow("id in lower case is no column") << "id" << "";
    QTest::newRow("Id is no column") << "Id" << "";
    QTest::newRow("missing column") << "拼音" << "";
    QTest::newRow("empty name") << "" << "";
}

void TestWordBankConnection::field_matchesTheColumnNameExactly()
{
    QFETCH(QString, column);
    QFETCH(QString, text);
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle handle = connection.query(allIdsAscending());
    QCOMPARE(connection.fieldText(handle, column), text);
    QCOMPARE(connection.field(handle, column).isValid(), !text.isEmpty());
}

void TestWordBankConnection::field_readsNullAsZeroOrEmptyText()
{
    TempWordBank bank;
    bank.exec("insert into ciyu(词语,字数) values(null,null)");
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle handle = connection.query(allIdsAscending());
    QVERIFY(!connection.isAfterLast(handle));
    QCOMPARE(connection.fieldText(handle, "词语"), QString());
    QCOMPARE(connection.fieldText(handle, "字数"), QString());
    QCOMPARE(connection.field(handle, "字数").toInt(), 0);
}

void TestWordBankConnection::query_statementsSelectTheirRows_data()
{
    QTest::addColumn<Statement>("statement");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::newRow("newest first") << newestFirst() << QList<qint64>{8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("newest first after modify") << newestFirstAfterModify() << QList<qint64>{8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("whole bank") << wholeBank() << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("all IDs ascending") << allIdsAscending() << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("word by ID") << wordById(3) << QList<qint64>{3};
    QTest::newRow("word by missing ID") << wordById(99) << QList<qint64>{};
    QTest::newRow("find word") << findWord("小猫") << QList<qint64>{3};
    QTest::newRow("find word matches whole words only") << findWord("猫") << QList<qint64>{};
    QTest::newRow("search neither box") << search("", "") << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("search word anywhere") << search("猫", "") << QList<qint64>{3, 4};
    QTest::newRow("search count text") << search("", "2") << QList<qint64>{1, 3};
    QTest::newRow("search word and count") << search("猫", "3") << QList<qint64>{4};
    QTest::newRow("search with no match") << search("鹿", "2") << QList<qint64>{};
    QTest::newRow("search percent matches itself") << search("%", "") << QList<qint64>{6};
    QTest::newRow("search underscore matches itself") << search("_", "") << QList<qint64>{7};
    QTest::newRow("search is case-blind for Latin letters") << search("A_B", "") << QList<qint64>{7};
}

void TestWordBankConnection::query_statementsSelectTheirRows()
{
    QFETCH(Statement, statement);
    QFETCH(QList<qint64>, ids);
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    const RecordSetHandle handle = connection.query(statement);
    QVERIFY(handle != 0);
    QCOMPARE(idsOf(connection, handle), ids);
}

void TestWordBankConnection::execute_reportsSuccessRowsChangedAndReasons()
{
    TempWordBank bank(fixtureWords);
    WordBankConnection connection(nullptr);
    QCOMPARE(connection.execute(insertWord("新", "1")).ok, false); // not open
    QVERIFY(connection.open(bank.path()));

    const ExecuteResult inserted = connection.execute(insertWord("跳绳", "2"));
    QVERIFY(inserted.ok);
    QCOMPARE(inserted.rowsChanged, 1);

    const ExecuteResult updated = connection.execute(updateWord("跳远", "2", "9"));
    QVERIFY(updated.ok);
    QCOMPARE(updated.rowsChanged, 1);

    const ExecuteResult missing = connection.execute(updateWord("跳高", "2", "999"));
    QVERIFY(missing.ok);
    QCOMPARE(missing.rowsChanged, 0);

    const ExecuteResult emptyId = connection.execute(deleteWord(""));
    QVERIFY(emptyId.ok);
    QCOMPARE(emptyId.rowsChanged, 0);

    const ExecuteResult rejected = connection.execute({"insert into nosuchtable values(?)", {1}});
    QVERIFY(!rejected.ok);
    QVERIFY(!rejected.error.isEmpty());

    const ExecuteResult deleted = connection.execute(deleteWord("9"));
    QVERIFY(deleted.ok);
    QCOMPARE(deleted.rowsChanged, 1);
    QCOMPARE(bank.words(), fixtureWords);
}

void TestWordBankConnection::execute_neverGivesADeletedIdAgain()
{
    TempWordBank bank({"甲", "乙"});
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));
    QVERIFY(connection.execute(deleteWord("2")).rowsChanged == 1);
    QVERIFY(connection.execute(insertWord("丙", "1")).ok);
    QCOMPARE(bank.rows().last().id, 3);
}

void TestWordBankConnection::hostileWords_roundTripWithoutTouchingOtherRows_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("apostrophe") << "it's";
    QTest::newRow("two apostrophes") << "''";
    QTest::newRow("double quotes") << "\"引号\"";
    QTest::newRow("percent") << "五十%";
    QTest::newRow("underscore") << "下_划";
    QTest::newRow("comment dashes") << "--";
    QTest::newRow("semicolon") << "甲;乙";
    QTest::newRow("injection") << "x'); delete from ciyu; --";
    QTest::newRow("backslash") << "\\反\\";
    QTest::newRow("emoji") << QStringLiteral("🎉派对");
    QTest::newRow("200 characters") << QString(200, QChar(u'长'));
    // Pasted text can begin with a zero-width no-break space, which SQLite
    // would otherwise take for a byte-order mark and drop.
    QTest::newRow("leading zero-width no-break space") << QStringLiteral("\uFEFF大象");
    QTest::newRow("only zero-width no-break spaces") << QStringLiteral("\uFEFF\uFEFF");
}

void TestWordBankConnection::hostileWords_roundTripWithoutTouchingOtherRows()
{
    QFETCH(QString, word);
    TempWordBank bank(fixtureWords);
    const QList<TempWordBank::Row> before = bank.rows();
    WordBankConnection connection(nullptr);
    QVERIFY(connection.open(bank.path()));

    QCOMPARE(connection.execute(insertWord(word, "9")).rowsChanged, 1);
    const RecordSetHandle found = connection.query(findWord(word));
    QCOMPARE(idsOf(connection, found), QList<qint64>({9}));
    connection.moveFirst(found);
    QCOMPARE(connection.fieldText(found, "词语"), word);
    QCOMPARE(idsOf(connection, connection.query(search(word, ""))), QList<qint64>({9}));
    QCOMPARE(idsOf(connection, connection.query(search(word, "9"))), QList<qint64>({9}));

    const QString changed = word + "改";
    QCOMPARE(connection.execute(updateWord(changed, "10", "9")).rowsChanged, 1);
    const RecordSetHandle updated = connection.query(findWord(changed));
    QCOMPARE(connection.fieldText(updated, "字数"), QStringLiteral("10"));
    QCOMPARE(bank.rows().mid(0, before.size()), before);

    QCOMPARE(connection.execute(deleteWord("9")).rowsChanged, 1);
    QCOMPARE(bank.rows(), before);
}

QTEST_GUILESS_MAIN(TestWordBankConnection)
#include "tst_wordbankconnection.moc"

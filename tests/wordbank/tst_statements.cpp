#include "wordbank/statements.h"

#include <QTest>

using namespace statements;


class TestStatements : public QObject
{
    Q_OBJECT
private slots:
    void statement_hasItsTextAndBoundValues_data();
    void statement_hasItsTextAndBoundValues();
    void escapeLikePattern_escapesWildcardsAndTheEscape_data();
    void escapeLikePattern_escapesWildcardsAndTheEscape();
};

void TestStatements::statement_hasItsTextAndBoundValues_data()
{
    QTest::addColumn<Statement>("statement");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantList>("values");

    QTest::newRow("1 newest first") << newestFirst() << "select * from ciyu order by ID desc" << QVariantList{};
    QTest::newRow("2 newest first after modify, lower-case id")
        << newestFirstAfterModify() << "select * from ciyu order by id desc" << QVariantList{};
    QTest::newRow("3 whole bank") << wholeBank() << "select * from ciyu" << QVariantList{};
    QTest::newRow("4 search, both boxes empty")
        << search("", "") << "select * from ciyu where 1=1 " << QVariantList{};
    QTest::newRow("4 search, word only")
        << search("猫", "") << "select * from ciyu where 1=1 and 词语 like ? escape '\\'" << QVariantList{"%猫%"};
    QTest::newRow("4 search, count only")
        << search("", "2") << "select * from ciyu where 1=1 and 字数 = ?" << QVariantList{"2"};
    QTest::newRow("4 search, both, no space before the count condition")
        << search("猫", "2") << "select * from ciyu where 1=1 and 词语 like ? escape '\\'and 字数 = ?"
        << QVariantList{"%猫%", "2"};
    QTest::newRow("4 search, wildcards typed")
        << search("5%_", "") << "select * from ciyu where 1=1 and 词语 like ? escape '\\'" << QVariantList{"%5\\%\\_%"};
    QTest::newRow("5 find word") << findWord("it's") << "select * from ciyu where 词语=?" << QVariantList{"it's"};
    QTest::newRow("6 insert")
        << insertWord("大象", "2") << "insert into ciyu(词语,字数) values(?,?)" << QVariantList{"大象", "2"};
    QTest::newRow("7 update, lower-case id")
        << updateWord("小猫", "2", "12") << "update ciyu set 词语=?,字数=? where id=?" << QVariantList{"小猫", "2", "12"};
    QTest::newRow("8 delete, lower-case id") << deleteWord("12") << "delete from ciyu where id=?" << QVariantList{"12"};
    QTest::newRow("9 all IDs ascending") << allIdsAscending() << "select * from ciyu order by ID" << QVariantList{};
    QTest::newRow("10 word by ID") << wordById(42) << "select * from ciyu where ID=?" << QVariantList{42};
}

void TestStatements::statement_hasItsTextAndBoundValues()
{
    QFETCH(Statement, statement);
    QFETCH(QString, text);
    QFETCH(QVariantList, values);
    QCOMPARE(statement.text, text);
    QCOMPARE(statement.values, values);
    // Every typed value is bound: one placeholder for each.
    QCOMPARE(statement.text.count(u'?'), values.size());
}

void TestStatements::escapeLikePattern_escapesWildcardsAndTheEscape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << "猫头鹰" << "猫头鹰";
    QTest::newRow("percent") << "100%" << "100\\%";
    QTest::newRow("underscore") << "a_b" << "a\\_b";
    QTest::newRow("backslash") << "a\\b" << "a\\\\b";
    QTest::newRow("apostrophe stays") << "it's" << "it's";
}

void TestStatements::escapeLikePattern_escapesWildcardsAndTheEscape()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(escapeLikePattern(text), escaped);
}

QTEST_APPLESS_MAIN(TestStatements)
#include "tst_statements.moc"

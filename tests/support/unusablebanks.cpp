#include "tests/support/unusablebanks.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

void addUnusableBankRows()
{
    QTest::addColumn<Spoil>("spoil");
    QTest::newRow("not a database") << Spoil([](const TempWordBank &bank) {
        bank.replaceWithBytes("这不是词库\nnot a database, only text in a file\n");
    });
    QTest::newRow("database without the word table") << Spoil([](const TempWordBank &bank) {
        bank.exec(QStringLiteral("drop table ciyu"));
        bank.exec(QStringLiteral("create table other (x text)"));
    });
    QTest::newRow("folder") << Spoil([](const TempWordBank &bank) { bank.replaceWithFolder(); });
}

QByteArray standing(const TempWordBank &bank)
{
    const QFileInfo info(bank.path());
    if (info.isDir())
        return "folder holding: " + QDir(bank.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u',').toUtf8();
    if (!info.exists())
        return "nothing";
    return "file: " + bank.bytes();
}

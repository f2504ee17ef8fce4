#include "wordbank/wordbankcommands.h"

#include "platform/conversions.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "wordbank/statements.h"
#include "wordbank/wordbankconnection.h"
#include "wordbank/wordbankfile.h"

namespace {

const QString hint = QStringLiteral("提示");

Notice information(const QString &text)
{
    return {text, Shell::InformationIcon, hint};
}

Notice stop(const QString &text)
{
    return {text, Shell::StopIcon, hint};
}

// Why the database refused a statement. A bank whose file was deleted while
// the manager had it open still reads, but SQLite refuses to write to it and
// speaks of a read-only database; the player is told that the file is gone.
QString refusalReason(const ExecuteResult &result)
{
    return fileExists(wordBankPath()) ? result.error : QStringLiteral("数据库不存在");
}

// A statement the database refused, or one that changed no row, is a failure
// told with its reason; the table is as it was.
std::optional<Notice> failureOf(const ExecuteResult &result, const QString &prefix, const QString &noRowReason)
{
    if (!result.ok)
        return stop(prefix + refusalReason(result));
    if (result.rowsChanged == 0)
        return stop(prefix + noRowReason);
    return std::nullopt;
}

// After a change the list is read on a fresh connection. Should the reopen
// fail, the connection it had stays and still reads the changed table.
void relist(WordBankConnection &connection, GameState &state, const Statement &statement)
{
    reopen(connection);
    connection.requery(state.recordset, statement);
}

const QString wordGone = QStringLiteral("这个词语已经不在词库中");

} // namespace

qint32 walkRows(WordBankConnection &connection, RecordSetHandle recordset)
{
    qint32 rows = 0;
    connection.moveFirst(recordset);
    while (!connection.isAfterLast(recordset)) {
        connection.moveNext(recordset);
        rows += 1;
    }
    return rows;
}

QString countSuggestion(const QString &word)
{
    return integerToText(characterCount(word));
}

QString listedCaption(qint32 wordcount)
{
    return QStringLiteral("目前有") + integerToText(wordcount) + QStringLiteral("条词语");
}

QString foundCaption(qint32 wordcount)
{
    return QStringLiteral("查询到有") + integerToText(wordcount) + QStringLiteral("条词语");
}

void queryNewestFirst(WordBankConnection &connection, GameState &state)
{
    connection.requery(state.recordset, statements::newestFirst());
}

std::optional<Notice> refuseAdd(WordBankConnection &connection, GameState &state, const QString &word,
                                const QString &count)
{
    // The duplicate test comes first: an empty word is refused as a
    // duplicate when the bank holds an empty word.
    connection.requery(state.recordset, statements::findWord(word));
    state.wordcount = walkRows(connection, state.recordset);
    if (state.wordcount > 0)
        return stop(QStringLiteral("已经有这个词了！"));
    if (word.isEmpty() || count.isEmpty())
        return stop(QStringLiteral("词语、字数不能为空！"));
    return std::nullopt;
}

Change addWord(WordBankConnection &connection, GameState &state, const QString &word, const QString &count)
{
    const ExecuteResult result = connection.execute(statements::insertWord(word, count));
    if (const auto failure = failureOf(result, QStringLiteral("添加失败："), QStringLiteral("词库没有收下这个词语")))
        return {false, *failure};
    relist(connection, state, statements::newestFirst());
    return {true, information(QStringLiteral("添加成功！"))};
}

std::optional<Notice> refuseModify(const GameState &state, const QString &word, const QString &count)
{
    if (state.selectedid.isEmpty())
        return information(QStringLiteral("请选择词语！"));
    if (word.isEmpty() || count.isEmpty())
        return stop(QStringLiteral("词语、字数不能为空！"));
    return std::nullopt;
}

Change modifyWord(WordBankConnection &connection, GameState &state, const QString &word, const QString &count)
{
    const ExecuteResult result = connection.execute(statements::updateWord(word, count, state.selectedid));
    if (const auto failure = failureOf(result, QStringLiteral("修改失败："), wordGone))
        return {false, *failure};
    relist(connection, state, statements::newestFirstAfterModify());
    return {true, information(QStringLiteral("修改成功！"))};
}

std::optional<Notice> refuseDelete(const GameState &state)
{
    if (state.selectedid.isEmpty())
        return information(QStringLiteral("请选择词语！"));
    return std::nullopt;
}

Notice deleteConfirmation()
{
    return {QStringLiteral("确认删除"), Shell::OkCancel, QStringLiteral("警告")};
}

Change deleteWord(WordBankConnection &connection, GameState &state)
{
    const ExecuteResult result = connection.execute(statements::deleteWord(state.selectedid));
    if (const auto failure = failureOf(result, QStringLiteral("删除失败："), wordGone))
        return {false, *failure};
    // The word is gone: a second delete or a modify asks for a new selection.
    state.selectedid.clear();
    relist(connection, state, statements::wholeBank());
    return {true, {}};
}

void searchWords(WordBankConnection &connection, GameState &state, const QString &word, const QString &count)
{
    connection.requery(state.recordset, statements::search(word, count));
}

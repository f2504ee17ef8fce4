#include "wordbank/statements.h"

namespace statements {

Statement newestFirst()
{
    return {QStringLiteral("select * from ciyu order by ID desc"), {}};
}

Statement newestFirstAfterModify()
{
    return {QStringLiteral("select * from ciyu order by id desc"), {}};
}

Statement wholeBank()
{
    return {QStringLiteral("select * from ciyu"), {}};
}

Statement search(const QString &word, const QString &count)
{
    // The conditions follow each other without a space, as they always have:
    // the closing quote of the escape clause runs straight into "and".
    Statement statement{QStringLiteral("select * from ciyu where 1=1 "), {}};
    if (!word.isEmpty()) {
        statement.text += QStringLiteral("and 词语 like ? escape '\\'");
        statement.values.append(QStringLiteral("%") + escapeLikePattern(word) + QStringLiteral("%"));
    }
    if (!count.isEmpty()) {
        statement.text += QStringLiteral("and 字数 = ?");
        statement.values.append(count);
    }
    return statement;
}

Statement findWord(const QString &word)
{
    return {QStringLiteral("select * from ciyu where 词语=?"), {word}};
}

Statement insertWord(const QString &word, const QString &count)
{
    return {QStringLiteral("insert into ciyu(词语,字数) values(?,?)"), {word, count}};
}

Statement updateWord(const QString &word, const QString &count, const QString &id)
{
    return {QStringLiteral("update ciyu set 词语=?,字数=? where id=?"), {word, count, id}};
}

Statement deleteWord(const QString &id)
{
    return {QStringLiteral("delete from ciyu where id=?"), {id}};
}

Statement allIdsAscending()
{
    return {QStringLiteral("select * from ciyu order by ID"), {}};
}

Statement wordById(qint32 id)
{
    return {QStringLiteral("select * from ciyu where ID=?"), {id}};
}

QString escapeLikePattern(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

} // namespace statements

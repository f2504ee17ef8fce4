#include "wordbank/wordbankbuilder.h"

#include "platform/conversions.h"
#include "wordbank/boundvalue.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

QString wordTableDefinition()
{
    // AUTOINCREMENT: an ID is never given again after its word is deleted.
    return QStringLiteral("create table ciyu (ID integer primary key autoincrement, 词语 text, 字数 text)");
}

namespace {

bool fillDatabase(const QString &path, const QStringList &words, QString *error)
{
    const QString name = QStringLiteral("caici-builder-") + path;
    bool ok = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        QSqlQuery query(database);
        ok = database.open() && query.exec(wordTableDefinition()) && database.transaction()
             && query.prepare(QStringLiteral("insert into ciyu(词语,字数) values(?,?)"));
        for (qsizetype i = 0; ok && i < words.size(); ++i) {
            query.addBindValue(boundValue(words[i]));
            query.addBindValue(integerToText(characterCount(words[i])));
            ok = query.exec();
        }
        ok = ok && database.commit();
        if (!ok)
            *error = query.lastError().isValid() ? query.lastError().text() : database.lastError().text();
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

bool createWordBank(const QString &path, const QStringList &words, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) {
        *error = QStringLiteral("%1 exists already").arg(path);
        return false;
    }
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!fillDatabase(partial, words, error)) {
        QFile::remove(partial);
        return false;
    }
    // rename() refuses to replace a file that appeared meanwhile.
    if (!QFile::rename(partial, path)) {
        *error = QStringLiteral("cannot move %1 into place").arg(partial);
        QFile::remove(partial);
        return false;
    }
    return true;
}

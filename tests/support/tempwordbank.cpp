#include "tests/support/tempwordbank.h"

#include "platform/files.h"
#include "wordbank/wordbankbuilder.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// Runs `work` on a connection of its own to `path`.
template<typename Work>
void withDatabase(const QString &path, Work work)
{
    static int number = 0;
    const QString name = QStringLiteral("tempwordbank-%1").arg(++number);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        if (!database.open())
            qFatal("cannot open %s: %s", qPrintable(path), qPrintable(database.lastError().text()));
        work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        qFatal("cannot prepare %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("cannot run %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

} // namespace

TempWordBank::TempWordBank(const QStringList &words)
    : m_previousDirectory(QDir::currentPath())
{
    if (!m_folder.isValid())
        qFatal("cannot make a temporary folder");
    QString error;
    if (!createWordBank(path(), words, &error))
        qFatal("cannot make a word bank: %s", qPrintable(error));
    enterProgramDirectory(m_folder.path());
}

TempWordBank::~TempWordBank()
{
    enterProgramDirectory(m_previousDirectory);
}

QString TempWordBank::path() const
{
    return m_folder.filePath(QStringLiteral("caici.mdb"));
}

QList<TempWordBank::Row> TempWordBank::rows() const
{
    QList<Row> rows;
    withDatabase(path(), [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        run(query, QStringLiteral("select ID, 词语, 字数 from ciyu order by ID"), {});
        while (query.next())
            rows.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()});
    });
    return rows;
}

QStringList TempWordBank::words() const
{
    QStringList words;
    for (const Row &row : rows())
        words.append(row.word);
    return words;
}

void TempWordBank::exec(const QString &sql, const QVariantList &values) const
{
    withDatabase(path(), [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        run(query, sql, values);
    });
}

qint64 TempWordBank::insert(const QString &word, const QString &count) const
{
    qint64 id = 0;
    withDatabase(path(), [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        run(query, QStringLiteral("insert into ciyu(词语,字数) values(?,?)"), {word, count});
        id = query.lastInsertId().toLongLong();
    });
    return id;
}

void TempWordBank::fill(int count, const QString &prefix) const
{
    withDatabase(path(), [&](QSqlDatabase &database) {
        database.transaction();
        QSqlQuery query(database);
        if (!query.prepare(QStringLiteral("insert into ciyu(词语,字数) values(?,?)")))
            qFatal("cannot prepare the fill");
        for (int i = 1; i <= count; ++i) {
            const QString word = prefix + QString::number(i);
            query.addBindValue(word);
            query.addBindValue(QString::number(word.size()));
            if (!query.exec())
                qFatal("cannot fill: %s", qPrintable(query.lastError().text()));
        }
        database.commit();
    });
}

void TempWordBank::replaceWithBytes(const QByteArray &bytes) const
{
    remove();
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path()));
}

void TempWordBank::replaceWithFolder() const
{
    remove();
    QDir(m_folder.path()).mkdir(QStringLiteral("caici.mdb"));
}

void TempWordBank::remove() const
{
    QFile::remove(path());
    QDir(m_folder.path()).rmdir(QStringLiteral("caici.mdb"));
}

QByteArray TempWordBank::bytes() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#include "tests/support/banklock.h"

#include "wordbank/wordbankconnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString uniqueName()
{
    static int number = 0;
    return QStringLiteral("banklock-%1").arg(++number);
}

} // namespace

BankLock::BankLock(const QString &path)
    : m_name(uniqueName())
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    database.setDatabaseName(path);
    if (!database.open())
        qFatal("cannot open the bank to lock it: %s", qPrintable(database.lastError().text()));
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("begin exclusive")))
        qFatal("cannot lock the bank: %s", qPrintable(query.lastError().text()));
}

BankLock::~BankLock()
{
    {
        QSqlDatabase database = QSqlDatabase::database(m_name, false);
        QSqlQuery(database).exec(QStringLiteral("rollback"));
        database.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

ShortBusyTimeout::ShortBusyTimeout(int milliseconds)
    : m_previous(WordBankConnection::busyTimeoutMs())
{
    WordBankConnection::setBusyTimeoutMs(milliseconds);
}

ShortBusyTimeout::~ShortBusyTimeout()
{
    WordBankConnection::setBusyTimeoutMs(m_previous);
}

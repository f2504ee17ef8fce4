#include "wordbank/wordbankconnection.h"

#include "wordbank/boundvalue.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

namespace {

int busyTimeout = 15000;
RecordSetHandle lastHandle = 0;
quint64 lastConnectionNumber = 0;

QString reasonOf(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("未知错误") : text;
}

bool prepareAndBind(QSqlQuery &query, const Statement &statement)
{
    if (!query.prepare(statement.text))
        return false;
    for (const QVariant &value : statement.values)
        query.addBindValue(boundValue(value));
    return true;
}

} // namespace

WordBankConnection::WordBankConnection(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("外部数据库1"));
}

WordBankConnection::~WordBankConnection()
{
    closeConnection();
}

int WordBankConnection::busyTimeoutMs()
{
    return busyTimeout;
}

void WordBankConnection::setBusyTimeoutMs(int milliseconds)
{
    busyTimeout = milliseconds;
}

bool WordBankConnection::isOpen() const
{
    return !m_connectionName.isEmpty();
}

bool WordBankConnection::open(const QString &path)
{
    const QString name = QStringLiteral("caici-wordbank-%1").arg(++lastConnectionNumber);
    bool opened = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // mode=rw: a missing file is an error instead of a new empty bank.
        QUrl address = QUrl::fromLocalFile(path);
        address.setQuery(QStringLiteral("mode=rw"));
        database.setDatabaseName(address.toString(QUrl::FullyEncoded));
        database.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
        if (!database.open()) {
            m_lastError = reasonOf(database.lastError());
        } else {
            // SQLite reads the file only now: this tells a word bank from
            // any other file without writing to it.
            QSqlQuery check(database);
            if (check.prepare(QStringLiteral("select ID, 词语, 字数 from ciyu limit 0")) && check.exec()) {
                opened = true;
            } else {
                m_lastError = reasonOf(check.lastError());
            }
            check.finish();
            if (!opened)
                database.close();
        }
    }
    if (!opened) {
        QSqlDatabase::removeDatabase(name);
        return false;
    }
    closeConnection();
    m_connectionName = name;
    m_lastError.clear();
    return true;
}

void WordBankConnection::closeConnection()
{
    m_recordSets.clear();
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

RecordSetHandle WordBankConnection::query(const Statement &statement)
{
    if (!isOpen() || statement.text.isEmpty())
        return 0;
    QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!prepareAndBind(query, statement) || !query.exec()) {
        m_lastError = reasonOf(query.lastError());
        return 0;
    }
    const QSqlRecord record = query.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns.append(record.fieldName(i));
    QList<QVariant> cells;
    const int columnCount = int(columns.size());
    while (query.next()) {
        for (int i = 0; i < columnCount; ++i)
            cells.append(query.value(i));
    }
    if (query.lastError().isValid()) {
        m_lastError = reasonOf(query.lastError());
        return 0;
    }
    query.finish();
    const RecordSetHandle handle = ++lastHandle;
    m_recordSets.insert(handle, {QSharedPointer<const RecordSetSnapshot>::create(columns, std::move(cells)), 0});
    return handle;
}

void WordBankConnection::requery(RecordSetHandle &slot, const Statement &statement)
{
    release(slot);
    slot = query(statement);
}

ExecuteResult WordBankConnection::execute(const Statement &statement)
{
    ExecuteResult result;
    if (!isOpen()) {
        result.error = QStringLiteral("词库没有打开");
        return result;
    }
    QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(database);
    if (!prepareAndBind(query, statement) || !query.exec()) {
        result.error = reasonOf(query.lastError());
        m_lastError = result.error;
        return result;
    }
    result.ok = true;
    result.rowsChanged = query.numRowsAffected();
    return result;
}

void WordBankConnection::release(RecordSetHandle handle)
{
    m_recordSets.remove(handle);
}

const WordBankConnection::RecordSet *WordBankConnection::find(RecordSetHandle handle) const
{
    const auto it = m_recordSets.constFind(handle);
    return it == m_recordSets.cend() ? nullptr : &it.value();
}

bool WordBankConnection::isAfterLast(RecordSetHandle handle) const
{
    const RecordSet *set = find(handle);
    return !set || set->current >= set->rows->rowCount();
}

void WordBankConnection::moveFirst(RecordSetHandle handle)
{
    const auto it = m_recordSets.find(handle);
    if (it != m_recordSets.end())
        it->current = 0;
}

void WordBankConnection::moveNext(RecordSetHandle handle)
{
    const auto it = m_recordSets.find(handle);
    if (it != m_recordSets.end() && it->current < it->rows->rowCount())
        ++it->current;
}

QVariant WordBankConnection::field(RecordSetHandle handle, const QString &column) const
{
    const RecordSet *set = find(handle);
    if (!set)
        return {};
    return set->rows->value(set->current, set->rows->columnIndex(column));
}

QString WordBankConnection::fieldText(RecordSetHandle handle, const QString &column) const
{
    return valueToText(field(handle, column));
}

QSharedPointer<const RecordSetSnapshot> WordBankConnection::snapshot(RecordSetHandle handle) const
{
    const RecordSet *set = find(handle);
    return set ? set->rows : nullptr;
}

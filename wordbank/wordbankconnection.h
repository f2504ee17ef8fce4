#pragma once

#include "app/gamestate.h"
#include "wordbank/recordset.h"
#include "wordbank/statements.h"

#include <QHash>
#include <QObject>
#include <QString>

// What an execute did.
struct ExecuteResult
{
    bool ok = false;      // the database ran the statement
    int rowsChanged = 0;  // rows inserted, changed or deleted
    QString error;        // the database's reason when it did not
};

// A window's own connection to the word bank file, with the record sets of
// its queries. Each record set is named by a handle; 0 names none. Handles
// are unique in the process, so a handle left from another window's
// connection never names one of this connection's record sets.
class WordBankConnection final : public QObject
{
    Q_OBJECT
public:
    explicit WordBankConnection(QObject *parent);
    ~WordBankConnection() override;

    // Opens the file at `path` (which must exist: the program never creates
    // it) and checks that it holds the word table. Only when that succeeds
    // are the previous connection and all its record sets released; on
    // failure they stay as they were and lastError() tells why.
    bool open(const QString &path);
    bool isOpen() const;
    QString lastError() const { return m_lastError; }

    // Runs a query and keeps its rows as a record set standing on its first
    // row. Returns its handle, or 0 on any error.
    RecordSetHandle query(const Statement &statement);
    // Releases the record set in `slot` and queries a new one into it, so a
    // long session never piles up record sets.
    void requery(RecordSetHandle &slot, const Statement &statement);
    // Runs a statement that changes the table; it is committed at once.
    ExecuteResult execute(const Statement &statement);
    // Forgets a record set; unknown handles are ignored.
    void release(RecordSetHandle handle);

    // True for handle 0, a handle this connection does not hold, and a
    // record set past its last row.
    bool isAfterLast(RecordSetHandle handle) const;
    void moveFirst(RecordSetHandle handle);
    void moveNext(RecordSetHandle handle);
    // The field of the current row by its exact column name; an invalid
    // value without a current row, without that column or for a bad handle.
    QVariant field(RecordSetHandle handle, const QString &column) const;
    // The same field as text: text unchanged, numbers as the program writes
    // them, NULL and missing values as the empty text.
    QString fieldText(RecordSetHandle handle, const QString &column) const;
    // The rows of a record set, for a view that shows them all; null for a
    // bad handle.
    QSharedPointer<const RecordSetSnapshot> snapshot(RecordSetHandle handle) const;
    qsizetype heldRecordSets() const { return m_recordSets.size(); }

    // How long a statement waits for a word bank that another program holds.
    static int busyTimeoutMs();
    // Shortens the wait, for tests of a locked word bank.
    static void setBusyTimeoutMs(int milliseconds);

private:
    struct RecordSet {
        QSharedPointer<const RecordSetSnapshot> rows;
        qsizetype current = 0;
    };
    const RecordSet *find(RecordSetHandle handle) const;
    void closeConnection();

    QString m_connectionName; // empty while closed
    QHash<RecordSetHandle, RecordSet> m_recordSets;
    QString m_lastError;
};

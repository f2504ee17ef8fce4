#pragma once

#include <QList>
#include <QtGlobal>

// The IDs of the words of the bank, indexed from 1 like the game counts them.
// It grows as the game's set-up stores IDs, so a bank of any size fits.
// It is never cleared: a new game overwrites its first entries.
class WordIds
{
public:
    // Stores `id` at `index` (from 1), growing the array with zeros as needed.
    void set(qint32 index, qint32 id);
    // The ID at `index`, or 0 for an index that holds none.
    qint32 at(qint32 index) const;
    // True for an index from 1 up to the highest one stored so far.
    bool isValidIndex(qint32 index) const;
    qint32 size() const { return qint32(m_ids.size()); }
    void release();

private:
    QList<qint32> m_ids; // m_ids[0] holds index 1
};

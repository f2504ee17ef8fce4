#include "app/wordids.h"

void WordIds::set(qint32 index, qint32 id)
{
    if (index < 1)
        return;
    if (index > m_ids.size())
        m_ids.resize(index, 0);
    m_ids[index - 1] = id;
}

qint32 WordIds::at(qint32 index) const
{
    return isValidIndex(index) ? m_ids[index - 1] : 0;
}

bool WordIds::isValidIndex(qint32 index) const
{
    return index >= 1 && index <= m_ids.size();
}

void WordIds::release()
{
    m_ids.clear();
    m_ids.squeeze();
}

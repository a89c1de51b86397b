#include "app/RecordNavigator.h"

void RecordNavigator::reset(int rowCount, int current)
{
    m_rows = rowCount;
    m_current = rowCount == 0 ? -1 : (current < 0 || current >= rowCount ? 0 : current);
    m_beforeFirst = rowCount == 0;
    m_afterLast = rowCount == 0;
}

void RecordNavigator::setCurrent(int row)
{
    if (row < 0 || row >= m_rows || row == m_current)
        return;
    m_current = row;
    m_beforeFirst = false;
    m_afterLast = false;
}

void RecordNavigator::first()
{
    if (m_rows > 0)
        m_current = 0;
    m_beforeFirst = true;
    m_afterLast = m_rows == 0;
    m_firstEnabled = m_priorEnabled = false;
    m_nextEnabled = m_lastEnabled = true;
}

void RecordNavigator::prior()
{
    if (m_beforeFirst) {
        m_firstEnabled = m_priorEnabled = false;
    } else if (m_current > 0) {
        --m_current;
        m_afterLast = false;
    } else {
        m_beforeFirst = true;
    }
    m_nextEnabled = m_lastEnabled = true;
}

void RecordNavigator::next()
{
    if (m_afterLast) {
        m_lastEnabled = m_nextEnabled = false;
    } else if (m_current < m_rows - 1) {
        ++m_current;
        m_beforeFirst = false;
    } else {
        m_afterLast = true;
    }
    m_firstEnabled = m_priorEnabled = true;
}

void RecordNavigator::last()
{
    if (m_rows > 0)
        m_current = m_rows - 1;
    m_afterLast = true;
    m_beforeFirst = m_rows == 0;
    m_firstEnabled = m_priorEnabled = true;
    m_lastEnabled = m_nextEnabled = false;
}

#pragma once

// The record-navigation buttons of list and statistics windows. Like a
// database cursor, a step past the first or last row leaves the cursor where
// it is and marks the edge; only the press after that turns the buttons grey.
// Moving in the grid itself changes the row, not the buttons.
class RecordNavigator
{
public:
    void reset(int rowCount, int current = 0);
    // The grid moved to another row.
    void setCurrent(int row);

    void first();
    void prior();
    void next();
    void last();

    int current() const { return m_current; }
    bool firstEnabled() const { return m_firstEnabled; }
    bool priorEnabled() const { return m_priorEnabled; }
    bool nextEnabled() const { return m_nextEnabled; }
    bool lastEnabled() const { return m_lastEnabled; }

private:
    int m_rows = 0;
    int m_current = -1;
    bool m_beforeFirst = true;
    bool m_afterLast = true;
    bool m_firstEnabled = true;
    bool m_priorEnabled = true;
    bool m_nextEnabled = true;
    bool m_lastEnabled = true;
};

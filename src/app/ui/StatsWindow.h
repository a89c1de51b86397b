#pragma once

#include "app/ui/WorkWindow.h"

class CheckedDateEdit;

// Statistics windows: result buttons grey until the first query, and the
// period pickers from the first of this month to today.
class StatsWindow : public WorkWindow
{
    Q_OBJECT
public:
    explicit StatsWindow(WindowSpec spec, QWidget *parent = nullptr);

    CheckedDateEdit *fromDate() const { return m_from; }
    CheckedDateEdit *toDate() const { return m_to; }

protected:
    // Puts dtpFromDate and dtpToDate with their labels into the query bar.
    void addPeriodPickers(const QString &fromLabel = QStringLiteral("日期从："),
                          const QString &toLabel = QStringLiteral("至"));

private:
    CheckedDateEdit *m_from = nullptr;
    CheckedDateEdit *m_to = nullptr;
};

#include "app/ui/StatsWindow.h"

#include "app/Clock.h"
#include "app/ui/CheckedDateEdit.h"

#include <QBoxLayout>
#include <QLabel>

StatsWindow::StatsWindow(WindowSpec spec, QWidget *parent)
    : WorkWindow([&] {
          spec.family = WindowSpec::Statistics;
          return std::move(spec);
      }(),
                 parent)
{
}

void StatsWindow::addPeriodPickers(const QString &fromLabel, const QString &toLabel)
{
    const QDate today = Clock::current().today();
    m_from = new CheckedDateEdit(this);
    m_from->setObjectName(QStringLiteral("dtpFromDate"));
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to = new CheckedDateEdit(this);
    m_to->setObjectName(QStringLiteral("dtpToDate"));
    m_to->setDate(today);
    queryBar()->addWidget(new QLabel(fromLabel, this));
    queryBar()->addWidget(m_from);
    queryBar()->addWidget(new QLabel(toLabel, this));
    queryBar()->addWidget(m_to);
}

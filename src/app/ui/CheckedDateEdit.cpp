#include "app/ui/CheckedDateEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CheckedDateEdit::CheckedDateEdit(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_check = new QCheckBox(this);
    m_check->setChecked(true);
    m_edit = new QDateEdit(this);
    m_edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edit->setCalendarPopup(true);
    m_edit->setMinimumWidth(110);
    layout->addWidget(m_check);
    layout->addWidget(m_edit);
    connect(m_check, &QCheckBox::toggled, m_edit, &QWidget::setEnabled);
    setFocusProxy(m_edit);
}

QDate CheckedDateEdit::date() const { return m_edit->date(); }

void CheckedDateEdit::setDate(const QDate &date) { m_edit->setDate(date); }

bool CheckedDateEdit::isChecked() const { return m_check->isChecked(); }

void CheckedDateEdit::setChecked(bool checked) { m_check->setChecked(checked); }

std::optional<QDate> CheckedDateEdit::bound() const
{
    return isChecked() ? std::optional<QDate>(date()) : std::nullopt;
}

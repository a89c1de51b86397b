#pragma once

#include <QDate>
#include <QWidget>
#include <optional>

class QCheckBox;
class QDateEdit;

// A date picker with a tick box; an unticked picker stands for no bound.
class CheckedDateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit CheckedDateEdit(QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &date);
    bool isChecked() const;
    void setChecked(bool checked);
    // The date when ticked.
    std::optional<QDate> bound() const;

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_edit; }

private:
    QCheckBox *m_check;
    QDateEdit *m_edit;
};

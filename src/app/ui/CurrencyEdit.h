#pragma once

#include <QDoubleSpinBox>

// A money entry field: shows its value through a display format such as
// "￥,0.00##;-￥,0.00##", takes digits with or without the yuan sign and
// thousands commas, and keeps at most the given number of decimals.
class CurrencyEdit : public QDoubleSpinBox
{
    Q_OBJECT
public:
    CurrencyEdit(int decimals, const QString &displayFormat, QWidget *parent = nullptr);

    const QString &displayFormat() const { return m_format; }

    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    QString m_format;
};

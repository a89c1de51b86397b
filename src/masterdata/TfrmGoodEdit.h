#pragma once

#include "app/ui/EditDialog.h"
#include "masterdata/ProductStore.h"

#include <functional>

class CurrencyEdit;
class DataGrid;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Adds a process step or changes the one under the step list's cursor.
class TfrmGoodEdit : public EditDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Change };

    // `steps` is the product window's step list: change mode edits its
    // current row and the navigator moves it. `saved` reopens the lists on
    // the saved product and step.
    TfrmGoodEdit(Mode mode, DataGrid *steps, std::function<void(const QString &product, qint64 stepId)> saved,
                 QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    // The fields as a step, as a save takes them.
    Step step() const;
    void showStep(const Step &step);

    // 确定: saves; closes unless adding with 连续新增.
    void save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadCurrentRow();
    void refillList(QComboBox *box);

    Mode m_mode;
    DataGrid *m_steps;
    std::function<void(const QString &, qint64)> m_saved;
    ProductStore m_store;

    QLineEdit *m_code;
    QLineEdit *m_name;
    QComboBox *m_product;
    QComboBox *m_type;
    QComboBox *m_spec;
    QComboBox *m_unit;
    CurrencyEdit *m_price;
    QPlainTextEdit *m_mem;
    QCheckBox *m_disabled;
    QCheckBox *m_continuous;
};

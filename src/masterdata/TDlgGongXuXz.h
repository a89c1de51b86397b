#pragma once

#include "app/ui/EditDialog.h"
#include "masterdata/StepAssistant.h"

#include <functional>

class DataGrid;
class QComboBox;
class QLineEdit;

// The step assistant: assembles the steps of a product from the steps of
// any products, one at a time; a step added leaves its list until the
// assistant is opened again.
class TDlgGongXuXz : public EditDialog
{
    Q_OBJECT
public:
    // `added` reopens the product window on the target product.
    explicit TDlgGongXuXz(std::function<void(const QString &product)> added, QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    // Lists the steps under the current filters.
    void runQuery();
    // 确定 or a double-click: adds the selected step to the target product.
    void addSelected();

private:
    StepAssistant m_assistant;
    std::function<void(const QString &)> m_added;
    QLineEdit *m_code;
    QComboBox *m_product;
    QComboBox *m_type;
    DataGrid *m_grid;
    QLineEdit *m_target;
};

#pragma once

#include "app/ui/WorkWindow.h"
#include "masterdata/ProductStore.h"

class CurrencyEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The products and their process steps: the product list on the left, the
// steps of the selected product on the right, changed there in place.
class TFrmGoodMan : public WorkWindow
{
    Q_OBJECT
public:
    explicit TFrmGoodMan(QWidget *parent = nullptr);

    // Creates the window, places it as a working window and shows it
    // modally: what the main window's "产品工序定义" opens.
    static void showWindow();

    DataGrid *productGrid() const { return grid(); }
    DataGrid *stepGrid() const { return m_steps; }
    // The query as the query bar holds it now.
    StepQuery queryFromBar() const;
    // The product selected in the product list; empty when none.
    QString currentProduct() const;

    // Reopens both lists on the product and, when given, on the step.
    void reloadAt(const QString &product, qint64 stepId = 0);
    // Re-reads the steps of the selected product under the last query.
    void loadSteps();

    void openCopyDialog();
    void openAssistant();

protected:
    bool queryRows(RowSet &rows) override;
    void afterQuery() override;
    void onNew() override;
    void onEdit() override;
    void onDelete() override;
    void onPrint() override;
    void onDesign() override;
    void showEvent(QShowEvent *event) override;

private:
    void queryTypeChanged();
    void productMoved();
    void stepCellEdited(int row, const QString &field, const QVariant &oldValue, const QVariant &newValue);
    void storeStepCell(qint64 id, const QString &field, const QVariant &oldValue, const QVariant &newValue);
    void showStepCount();
    void openStepDialog(bool adding);
    // The product list with its steps, as a printout shows them.
    void printStepList(bool design);

    ProductStore m_store;
    StepQuery m_lastQuery;
    DataGrid *m_steps;
    QString m_stepsProduct;
    QComboBox *m_type;
    QLineEdit *m_value;
    QComboBox *m_choice;
    CurrencyEdit *m_price;
    QCheckBox *m_includeDisabled;
    bool m_shownOnce = false;
};

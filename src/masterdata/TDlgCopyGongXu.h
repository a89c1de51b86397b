#pragma once

#include "app/ui/EditDialog.h"
#include "masterdata/StepCopy.h"

class DataGrid;
class QComboBox;
class QLineEdit;

// Copies all steps of a product into a new product, after changes to the
// copies that never reach the source.
class TDlgCopyGongXu : public EditDialog
{
    Q_OBJECT
public:
    explicit TDlgCopyGongXu(QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    // The product the steps were copied to, once 确定复制 succeeded.
    const QString &copiedName() const { return m_copied; }

    // Loads the steps of the product chosen in cbbname.
    void loadSource();
    // The grid's popup: 新增 and 删除.
    void appendStep();
    void deleteStep();
    // 确定复制.
    void copySteps();

private:
    void commitOpenEditor();

    StepCopy m_copy;
    QComboBox *m_source;
    DataGrid *m_grid;
    QLineEdit *m_name;
    QString m_copied;
};

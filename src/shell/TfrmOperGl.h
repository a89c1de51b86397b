#pragma once

#include "shell/OperatorStore.h"

#include <QDialog>

class DataGrid;
class QCheckBox;
class QPlainTextEdit;

// The operators: a list to add, change and delete them.
class TfrmOperGl : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOperGl(QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    // Reloads the list with the cursor on the operator with that name.
    void reloadAt(const QString &name);

    void addOperator();    // "新增"
    void changeOperator(); // "修改" and a double-click
    void deleteOperator(); // "删除"

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void reload();
    void showRemarks();
    void openDialog(bool adding);

    OperatorStore m_store;
    DataGrid *m_grid;
    QPlainTextEdit *m_remarks;
    QCheckBox *m_showDisabled;
};

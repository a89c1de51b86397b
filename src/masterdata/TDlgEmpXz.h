#pragma once

#include "app/ui/EditDialog.h"

class DataGrid;
class QComboBox;
class QLineEdit;
class QPushButton;

// The employee picker dialog.
class TDlgEmpXz : public EditDialog
{
    Q_OBJECT
public:
    explicit TDlgEmpXz(QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    // Lists the employees in service (what the dialog shows on opening).
    void listInService();
    void search();

private:
    QLineEdit *m_code;
    QLineEdit *m_name;
    QComboBox *m_dept;
    DataGrid *m_grid;
};

// Lets the operator choose an employee; returns his code, or the code given
// when the pick is cancelled or nothing is listed.
QString PickEmployee(const QString &code, QWidget *parent = nullptr);

#pragma once

#include "app/ui/WorkWindow.h"
#include "masterdata/EmployeeStore.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

// The employee list.
class TfrmEmpMan : public WorkWindow
{
    Q_OBJECT
public:
    explicit TfrmEmpMan(QWidget *parent = nullptr);

    // Creates, places and shows the window modally.
    static void showWindow();

    EmployeeStore::QueryType queryType() const;
    // Reopens the list with the cursor on the employee with that code.
    void reloadAt(const QString &code);

protected:
    bool queryRows(RowSet &rows) override;
    void onNew() override;
    void onEdit() override;
    void onDelete() override;
    void onPrint() override;
    void onDesign() override;

private:
    void queryTypeChanged();

    EmployeeStore m_store;
    QComboBox *m_type;
    QLineEdit *m_value;
    QComboBox *m_choice;
    QCheckBox *m_includeLeft;
};

#pragma once

#include "app/ui/EditDialog.h"

class DataGrid;
class QComboBox;
class QLineEdit;

// The step picker: lists the process steps of all products to choose from.
class TDlggxXz : public EditDialog
{
    Q_OBJECT
public:
    explicit TDlggxXz(QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    // Every step (what the picker shows on opening).
    void listAll();
    // The steps that pass the filters.
    void search();

private:
    QLineEdit *m_code;
    QLineEdit *m_name;
    QComboBox *m_product;
    DataGrid *m_grid;
};

// Lets the operator choose a process step; returns its F_ID, or the step
// given (0 for none) when the pick is cancelled or nothing is listed.
qint64 PickStep(qint64 stepId, QWidget *parent = nullptr);

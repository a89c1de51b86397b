#pragma once

#include "app/ui/EditDialog.h"
#include "shell/OperatorStore.h"

class QLineEdit;

// The logged-in operator changes his own password.
class TfrmModPass : public EditDialog
{
    Q_OBJECT
public:
    explicit TfrmModPass(QWidget *parent = nullptr);

    void confirm(); // "确定(&O)"

private:
    OperatorStore m_store;
    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_again;
};

#pragma once

#include <QDialog>

// Edit dialogs: Enter acts as Tab outside memos; placed on the main window.
class EditDialog : public QDialog
{
    Q_OBJECT
public:
    explicit EditDialog(QWidget *parent = nullptr);

    // Places the dialog (centred on the main window) and shows it modally.
    int openModal();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

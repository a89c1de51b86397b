#pragma once

#include "app/ui/EditDialog.h"
#include "shell/LoginRules.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The login: a name and a password, at start-up and for a change of
// operator. It never ends the program itself: the caller acts on outcome().
class TfrmOperLogin : public EditDialog
{
    Q_OBJECT
public:
    TfrmOperLogin(LoginRules::Mode mode, LoginTarget *target, QWidget *parent = nullptr);

    // Opens the dialog modally, centred on the screen, and returns how it ended.
    static LoginRules::Outcome run(LoginRules::Mode mode, LoginTarget *target, QWidget *parent = nullptr);

    LoginRules::Outcome outcome() const { return m_outcome; }
    const LoginRules &rules() const { return m_rules; }

    void confirm(); // "确定"
    void cancel();  // "取消"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void end(LoginRules::Outcome outcome);

    LoginRules m_rules;
    LoginRules::Outcome m_outcome = LoginRules::Outcome::Stay;
    QComboBox *m_name;
    QLineEdit *m_password;
};

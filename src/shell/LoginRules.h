#pragma once

#include "shell/PermissionGate.h"

#include <QDateTime>
#include <QStringList>

class TdmData;

// The window a login acts on: the main window.
class LoginTarget
{
public:
    virtual ~LoginTarget() = default;
    virtual void applyGating(const Gating &gating) = 0;
    // The status bar: who logged in and when.
    virtual void showLogin(const QString &operatorName, const QDateTime &at) = 0;
};

// One opening of the login dialog: checks a name and a password against
// OperList, counts wrong passwords and finishes a login. The dialog only
// binds its widgets to it and acts on the outcome.
class LoginRules
{
public:
    enum class Mode { Startup, ChangeOperator };
    enum class Outcome {
        Stay,       // the dialog stays open
        LoggedIn,   // close with OK
        EndProgram, // start-up refused: the program ends
        Cancelled,  // the change of operator is off; the previous one stays
    };
    enum class Focus { Keep, Name, Password };
    struct Step
    {
        Outcome outcome = Outcome::Stay;
        Focus focus = Focus::Keep;
    };

    // `target` may be null (nothing to gate, as in the companion program).
    LoginRules(TdmData &dm, Mode mode, LoginTarget *target);

    Mode mode() const { return m_mode; }
    // Wrong passwords since the dialog opened.
    int attempts() const { return m_attempts; }
    // Three wrong passwords are forgiven; the fourth ends the login.
    static constexpr int forgivenAttempts = 3;

    // The names the name box offers: operators that may log in.
    QStringList operatorNames();
    // The operator of the last login on this workstation.
    QString lastOperator() const;

    // "确定".
    Step confirm(const QString &name, const QString &password);
    // "取消".
    Outcome cancel() const;

private:
    void finish(const QString &name);

    TdmData &m_dm;
    Mode m_mode;
    LoginTarget *m_target;
    int m_attempts = 0;
};

#include "shell/LoginRules.h"

#include "app/AppInfo.h"
#include "app/Clock.h"
#include "app/PasswordScrambler.h"
#include "app/Prompter.h"
#include "app/TdmData.h"

namespace {
const QString configSection = QStringLiteral("Config");
const QString lastOperatorKey = QStringLiteral("CurOperName");
} // namespace

LoginRules::LoginRules(TdmData &dm, Mode mode, LoginTarget *target) : m_dm(dm), m_mode(mode), m_target(target) {}

QStringList LoginRules::operatorNames()
{
    // A disabled operator cannot log in, so he is not offered either.
    return m_dm.FillComboBox(QStringLiteral("select F_name from OperList where F_name <> '' and F_Flag = 0 order by F_ID"));
}

QString LoginRules::lastOperator() const { return m_dm.config().readString(configSection, lastOperatorKey); }

LoginRules::Step LoginRules::confirm(const QString &typedName, const QString &password)
{
    const QString name = typedName.trimmed();
    if (name.isEmpty()) {
        ShowMsg(QStringLiteral("请选择用户！"), MsgInformation);
        return {Outcome::Stay, Focus::Name};
    }
    const QVariantMap byName{{QStringLiteral("Name"), name}};
    // Names compare without case here, as everywhere in the database.
    if (m_dm.QueryInteger(QStringLiteral("select F_ID from OperList where F_Name = :Name"), byName) <= 0) {
        ShowMsg(QStringLiteral("此操作员并不存在，请重新选择操作员！"), MsgInformation);
        return {Outcome::Stay, Focus::Name};
    }
    if (m_dm.QueryInteger(QStringLiteral("select count(*) from OperList where F_Name = :Name and F_Flag <> 0"), byName) > 0) {
        ShowMsg(QStringLiteral("此操作员已被禁用，不能登录，请与系统管理员联系！"), MsgInformation);
        return {Outcome::Stay, Focus::Name};
    }
    const QString stored = DecodePassword(
        m_dm.QueryString(QStringLiteral("select F_PassWord from OperList where F_Name = :Name"), byName));
    // Exactly as typed: case and blanks count.
    if (stored == password) {
        finish(name);
        return {Outcome::LoggedIn, Focus::Keep};
    }
    if (m_attempts++ < forgivenAttempts) {
        ShowMsg(QStringLiteral("用户名或密码不正确，请重新输入！"), MsgInformation);
        return {Outcome::Stay, Focus::Password};
    }
    // The log names whoever is logged in now (nobody at start-up), not the name tried.
    if (m_mode == Mode::Startup) {
        m_dm.WriteLog(QStringLiteral("登录失败！"));
        ShowMsg(QStringLiteral("非法操作员!"), MsgError);
        return {Outcome::EndProgram, Focus::Keep};
    }
    m_dm.WriteLog(QStringLiteral("更换操作员失败！"));
    ShowMsg(QStringLiteral("更换操作员失败!"), MsgError);
    return {Outcome::Cancelled, Focus::Keep};
}

LoginRules::Outcome LoginRules::cancel() const
{
    return m_mode == Mode::Startup ? Outcome::EndProgram : Outcome::Cancelled;
}

void LoginRules::finish(const QString &name)
{
    // The order matters: the log and the permission look-ups name the new operator.
    setCurrentOperator(name);
    m_dm.config().writeString(configSection, lastOperatorKey, name);
    m_dm.WriteLog(QStringLiteral("登录成功！"));
    if (!m_target)
        return;
    m_target->applyGating(PermissionGate::SetLimits(m_dm, name));
    m_target->showLogin(name, Clock::current().now());
}

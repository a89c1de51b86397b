#include "app/report/ReportVariableScope.h"

namespace {
ReportVariableScope *&innermost()
{
    static ReportVariableScope *scope = nullptr;
    return scope;
}
} // namespace

ReportVariableScope::ReportVariableScope(ReportAnswerer answerer, QStringList variables)
    : m_state(std::make_shared<State>(State{std::move(answerer), std::move(variables)})), m_outer(innermost())
{
    innermost() = this;
}

ReportVariableScope::~ReportVariableScope()
{
    // Whatever still holds the answerer finds it empty from now on.
    m_state->answerer = nullptr;
    if (innermost() == this)
        innermost() = m_outer;
}

ReportAnswerer ReportVariableScope::currentAnswerer()
{
    if (!innermost())
        return {};
    std::weak_ptr<State> state = innermost()->m_state;
    return [state](const QString &name) -> QVariant {
        const std::shared_ptr<State> live = state.lock();
        if (!live || !live->answerer)
            return {};
        return live->answerer(name);
    };
}

QStringList ReportVariableScope::currentVariables()
{
    return innermost() ? innermost()->m_state->variables : QStringList();
}

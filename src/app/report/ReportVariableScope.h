#pragma once

#include "app/report/ReportInput.h"

#include <memory>

// A window's report variables for one print or design. The window creates
// the scope on the stack around its call of PrintReport or DesignReport:
//
//     ReportVariableScope variables([this](const QString &name) { ... }, {"MemCaption"});
//     PrintReport("frMonthWageGL1", rows);
//
// While the scope lives the report engine asks its answerer; once it is gone
// nothing can reach the window any more, not even a report or designer that
// outlived the call. Scopes nest: the inner one hides the outer one.
class ReportVariableScope
{
public:
    explicit ReportVariableScope(ReportAnswerer answerer, QStringList variables = {});
    ~ReportVariableScope();
    ReportVariableScope(const ReportVariableScope &) = delete;
    ReportVariableScope &operator=(const ReportVariableScope &) = delete;

    // The answerer of the innermost live scope, or an empty one. The answerer
    // handed out stops answering when its scope ends.
    static ReportAnswerer currentAnswerer();
    // The variables the innermost live scope declares.
    static QStringList currentVariables();

private:
    struct State
    {
        ReportAnswerer answerer;
        QStringList variables;
    };
    std::shared_ptr<State> m_state;
    ReportVariableScope *m_outer;
};

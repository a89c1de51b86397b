#pragma once

#include <QString>

// Values the whole program shares for its run.
namespace AppInfo {

// "Varnel工资管理软件 " keeps its final blank: the close question quotes it so.
QString productName();
QString versionText();
// Task-bar title of the application.
QString applicationTitle();
// Shown in the status bars of list and statistics windows, followed by two blanks.
QString publisherLabel();
QString publisherWebsite();

} // namespace AppInfo

// The operator logged in, trimmed; empty until the first login.
QString CurrentOperator();
void setCurrentOperator(const QString &name);

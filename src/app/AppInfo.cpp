#include "app/AppInfo.h"

namespace AppInfo {

QString productName() { return QStringLiteral("Varnel工资管理软件 "); }
QString versionText() { return QStringLiteral("v3.18(企业版)"); }
QString applicationTitle() { return QStringLiteral("Varnel工资管理软件(企业版)"); }
QString publisherLabel() { return QStringLiteral("Varnel软件工作室"); }
QString publisherWebsite() { return QStringLiteral("http://www.varnel.example/"); }

} // namespace AppInfo

namespace {
QString &currentOperatorStore()
{
    static QString name;
    return name;
}
} // namespace

QString CurrentOperator() { return currentOperatorStore(); }

void setCurrentOperator(const QString &name) { currentOperatorStore() = name.trimmed(); }

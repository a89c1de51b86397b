#include "misc/PublisherInfo.h"

namespace PublisherInfo {

QString email() { return QStringLiteral("support@varnel.example"); }
QString servicePhone() { return QStringLiteral("服务电话：请访问我们的网站查询当地的服务电话"); }
QString rights() { return QStringLiteral("版权所有 © Varnel软件工作室，保留所有权利。"); }
QString promotion()
{
    return QStringLiteral("专为计件制小型工厂设计：员工档案、产品工序、日常计件、工资核算、零币发放和各类统计报表，"
                          "一套软件管好每个月的工资。");
}

} // namespace PublisherInfo

#include "shell/ShellActions.h"

namespace {

ShellAction action(const char *code, const char *category, const char *caption, int placement)
{
    const QString c = QString::fromLatin1(code);
    return {QStringLiteral("Action") + c, c, QString::fromUtf8(category), QString::fromUtf8(caption), placement};
}

} // namespace

const QList<ShellAction> &ShellActions::all()
{
    static const QList<ShellAction> actions = [] {
        QList<ShellAction> list{
            action("101", "系统管理", "公司信息", 1),
            action("102", "系统管理", "更改密码", 1),
            action("103", "系统管理", "权限管理", 1),
            action("201", "基本资料", "人事档案管理", 0),
            action("202", "基本资料", "产品工序定义", 0),
            action("203", "基本资料", "工资项目设定", 1),
            action("301", "日常管理", "日常生产计件", 0),
            action("302", "日常管理", "员工工资核算", 0),
            action("303", "日常管理", "工资零币发放", 0),
            action("304", "日常管理", "日常代扣项目", 0),
            action("305", "日常管理", "日常应发项目", 0),
            action("401", "数据维护", "连接网络数据", PlacementNone),
            action("402", "数据维护", "数据备份恢复", 1),
            action("403", "数据维护", "系统数据清理", PlacementDesigned),
            action("404", "数据维护", "员工资料导入(Excel)", 1),
            action("405", "数据维护", "员工资料导出(Excel)", PlacementNone),
            action("501", "报表中心", "生产计件明细统计", 0),
            action("502", "报表中心", "生产计件汇总统计", 0),
            action("503", "报表中心", "工资核算明细统计", 0),
            action("504", "报表中心", "工资核算汇总统计", 0),
            action("505", "报表中心", "员工工资汇总统计", 0),
            action("506", "报表中心", "部门工资汇总统计", 0),
            action("507", "报表中心", "员工工资年报统计", 0),
            action("508", "报表中心", "部门工资年报统计", 0),
            action("509", "报表中心", "员工工资台帐汇总", 0),
            action("510", "报表中心", "部门工资台帐汇总", 0),
        };
        ShellAction compact = action("406", "数据维护", "压缩修复数据", PlacementNone);
        compact.code.clear();
        list.append(compact);
        return list;
    }();
    return actions;
}

const ShellAction *ShellActions::find(const QString &name)
{
    for (const ShellAction &a : all())
        if (a.name == name)
            return &a;
    return nullptr;
}

QList<ShellAction> ShellActions::gated()
{
    QList<ShellAction> result;
    for (const ShellAction &a : all())
        if (a.gated())
            result.append(a);
    return result;
}

const QList<GatedMenu> &ShellActions::gatedMenus()
{
    static const QList<GatedMenu> menus = [] {
        auto group = [](const char *name, const char *caption, const QString &first) {
            GatedMenu menu{QString::fromLatin1(name), QString::fromUtf8(caption), {}};
            // A group is the gated actions whose codes share the first digit.
            for (const ShellAction &a : ShellActions::gated())
                if (a.code.front() == first.front())
                    menu.actions.append(a.name);
            return menu;
        };
        return QList<GatedMenu>{group("mi100", "系统管理", QStringLiteral("1")),
                                group("mi200", "基本资料", QStringLiteral("2")),
                                group("mi300", "日常管理", QStringLiteral("3")),
                                group("N3", "报表中心", QStringLiteral("5")),
                                group("N22", "数据维护", QStringLiteral("4"))};
    }();
    return menus;
}

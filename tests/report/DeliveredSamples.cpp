#include "DeliveredSamples.h"

#include "app/TdmData.h"
#include "app/report/ReportService.h"

namespace {

void exec(TdmData &dm, const QString &sql, const QVariantList &values)
{
    QVariantMap params;
    for (int i = 0; i < values.size(); ++i)
        params.insert(QStringLiteral(":p%1").arg(i), values.at(i));
    if (!dm.ExecSql(sql, params))
        qFatal("sample rows: %s", qPrintable(sql));
}

QString insert(const QString &table, const QString &columns)
{
    QStringList marks;
    for (int i = 0; i < columns.count(QLatin1Char(',')) + 1; ++i)
        marks.append(QStringLiteral(":p%1").arg(i));
    return QStringLiteral("insert into %1(%2) values(%3)").arg(table, columns, marks.join(QLatin1Char(',')));
}

RowSet open(TdmData &dm, const QString &sql, const QVariantMap &params = {})
{
    RowSet rows;
    if (!dm.OpenQuery(sql, params, rows))
        qFatal("window statement: %s", qPrintable(sql));
    return rows;
}

QString period() { return PeriodCaption(QDate(2024, 3, 1), QDate(2024, 3, 31)); }

ReportAnswerer answering(QVariantMap values)
{
    return [values](const QString &name) -> QVariant { return values.contains(name) ? values.value(name) : QVariant(); };
}

} // namespace

namespace DeliveredSamples {

void insertRows(TdmData &dm)
{
    exec(dm, QStringLiteral("update SysInfo set F_Code = :p0, F_Phone = :p1"), {QStringLiteral("华兴制衣厂"), QStringLiteral("0571-88886666")});

    const QString employee = insert(QStringLiteral("t_employee"), QStringLiteral("F_Code,F_Name,F_Sex,F_Dept,F_Duty,F_Phone,F_bank,F_Mem,F_Flag"));
    exec(dm, employee, {"E001", "张三", "男", "裁剪组", "组长", "13800000001", "6222020200011112222", "", 0});
    exec(dm, employee, {"E002", "李四", "女", "缝纫组", "工人", "13800000002", "6222020200033334444", "夜班", 0});
    exec(dm, employee, {"E003", "王五", "男", "后整组", "工人", "13800000003", "6222020200055556666", "", 0});
    exec(dm, employee, {"E004", "赵六", "女", "后整组", "质检", "13800000004", "6222020200077778888", "三月入职", 0});

    const QString step = insert(QStringLiteral("wg_WorkingProduct"), QStringLiteral("F_Code,F_Name,F_GoodName,F_gxCode,F_spec,F_type,F_unit,F_Price,F_Mem,F_UseFlag"));
    exec(dm, step, {"衬衫01", "裁剪", "衬衫", "01", "标准", "梭织", "件", 1.2, "", 0});
    exec(dm, step, {"衬衫02", "缝合", "衬衫", "02", "标准", "梭织", "件", 2.5, "含压线", 0});
    exec(dm, step, {"衬衫03", "钉扣", "衬衫", "03", "标准", "梭织", "件", 0.35, "", 0});
    exec(dm, step, {"西裤01", "裁剪", "西裤", "01", "修身", "梭织", "条", 1.5, "", 0});
    exec(dm, step, {"西裤02", "锁边", "西裤", "02", "修身", "梭织", "条", 0.8, "", 0});

    const QString piece = insert(QStringLiteral("wg_ShengChanRec"),
                                 QStringLiteral("F_DateTime,F_ShengChanCode,F_EmpCode,F_EmpName,F_Dept,F_gxID,F_Price,F_Amount,F_TotalPrice,F_EditDate,F_Mem"));
    const auto stepId = [&dm](const char *code) {
        return dm.QueryInteger(QStringLiteral("select F_ID from wg_WorkingProduct where F_Code = :c"), {{QStringLiteral(":c"), QString::fromUtf8(code)}});
    };
    exec(dm, piece, {"2024-03-04", "SC2403001", "E001", "张三", "裁剪组", stepId("衬衫01"), 1.2, 120, 144.0, "2024-03-04", ""});
    exec(dm, piece, {"2024-03-04", "SC2403001", "E002", "李四", "缝纫组", stepId("衬衫02"), 2.5, 80, 200.0, "2024-03-04", ""});
    exec(dm, piece, {"2024-03-05", "SC2403002", "E002", "李四", "缝纫组", stepId("西裤02"), 0.8, 150, 120.0, "2024-03-05", "返工两条"});
    exec(dm, piece, {"2024-03-06", "SC2403002", "E003", "王五", "后整组", stepId("衬衫03"), 0.35, 300, 105.0, "2024-03-06", ""});

    const QString daily = insert(QStringLiteral("wg_EnterOut"),
                                 QStringLiteral("F_Code,F_Name,F_Itemcode,F_ItemName,F_Type,F_MakeDate,F_EditDate,F_Maker,F_OperName,F_OperFlag,F_Price,F_Mem"));
    exec(dm, daily, {"E001", "张三", "f_gz201", "职务津贴", "津贴", "2024-03-10", "2024-03-10", "赵经理", "admin", 1, 200.0, "组长津贴"});
    exec(dm, daily, {"E002", "李四", "f_gz202", "全勒奖金", "奖金", "2024-03-15", "2024-03-15", "赵经理", "admin", 1, 100.0, "全勤"});
    exec(dm, daily, {"E002", "李四", "f_gz300", "伙食费", "伙食", "2024-03-31", "2024-03-31", "钱会计", "admin", -1, 150.0, ""});
    exec(dm, daily, {"E003", "王五", "f_gz301", "住宿费", "住宿", "2024-03-31", "2024-03-31", "钱会计", "admin", -1, 80.0, "三月住宿"});

    const QString wage = insert(QStringLiteral("wg_salaryREC"),
                                QStringLiteral("F_Month,F_Code,F_Name,F_Dept,F_Bank,F_gz102,F_gz103,F_gz200,F_gz201,F_gz202,F_gz205,F_gz207,"
                                               "F_gz300,F_gz301,F_gz116,F_gz115,F_gzt00,F_gzt09"));
    exec(dm, wage, {"202403", "E001", "张三", "裁剪组", "6222020200011112222", 10, 15, 1500, 200, 0, 144.35, 150, 150, 80, 1764.35, 1764.35, "", ""});
    exec(dm, wage, {"202403", "E002", "李四", "缝纫组", "6222020200033334444", 0, 15, 1200, 0, 100, 320, 0, 150, 80, 1390, 1390, "", ""});
    exec(dm, wage, {"202403", "E003", "王五", "后整组", "6222020200055556666", 8, 15, 1200, 0, 0, 105, 120, 150, 80, 1195, 1195, "", ""});
    exec(dm, wage, {"202403", "E004", "赵六", "后整组", "6222020200077778888", 0, 15, 1000, 0, 0, 0, 0, 150, 0, 850, 850, "迟到两次", ""});

    const QString totals = insert(QStringLiteral("tempGZHS"), QStringLiteral("F_code,F_name,F_dept,F_bank,F_yfPrice,F_sfPrice,F_wfPrice"));
    exec(dm, totals, {"E001", "张三", "裁剪组", "6222020200011112222", 1764.35, 1764.35, 0.0});
    exec(dm, totals, {"E002", "李四", "缝纫组", "6222020200033334444", 1390.0, 1300.0, 90.0});
    exec(dm, totals, {"E003", "王五", "后整组", "6222020200055556666", 1195.0, 1195.0, 0.0});

    const QString summary = insert(QStringLiteral("tempShengchanRec"),
                                   QStringLiteral("F_DateTime,F_EmpCode,F_EmpName,F_Dept,F_GoodName,F_gxCode,F_Name,F_Amount,F_Price,F_TotalPrice,F_Mem,F_Flag"));
    exec(dm, summary, {"2024-03-04", "E001", "张三", "裁剪组", "衬衫", "01", "裁剪", 120, 1.2, 144.0, "", 1});
    exec(dm, summary, {"2024-03-04", "E002", "李四", "缝纫组", "衬衫", "02", "缝合", 80, 2.5, 200.0, "", 1});
    exec(dm, summary, {"2024-03-05", "E002", "李四", "缝纫组", "西裤", "02", "锁边", 150, 0.8, 120.0, "", 1});
    exec(dm, summary, {"2024-03-06", "E003", "王五", "后整组", "衬衫", "03", "钉扣", 300, 0.35, 105.0, "", 1});
}

WindowPrint printFor(TdmData &dm, const QString &name)
{
    WindowPrint print;
    const QVariantMap periodOnly{{QStringLiteral("memoDate"), period()}};
    if (name == QLatin1String("frEmpMan")) {
        print.master = open(dm, QStringLiteral("select * from t_employee where (1=1) and F_flag = 0 order by f_code"));
        print.expectedTexts = {QStringLiteral("华兴制衣厂"), QStringLiteral("员工资料一览表"), QStringLiteral("张三"), QStringLiteral("6222020200077778888"),
                               QStringLiteral("共 4 人")};
    } else if (name == QLatin1String("frGongXuLeiBiao")) {
        print.master = open(dm, QStringLiteral("select distinct F_goodname from wg_WorkingProduct where (F_goodName <> '') and F_useFlag = 0 order by F_goodName"));
        print.detail = ReportDetail{open(dm, QStringLiteral("select * from wg_WorkingProduct where (1=1) and F_useFlag = 0 order by F_code")),
                                    QStringLiteral("F_goodname"), QStringLiteral("F_GoodName")};
        print.expectedTexts = {QStringLiteral("产品工序工价表"), QStringLiteral("产品名称：衬衫"), QStringLiteral("钉扣"), QStringLiteral("￥0.35"),
                               QStringLiteral("￥4.05"), QStringLiteral("产品名称：西裤"), QStringLiteral("￥2.30")};
    } else if (name == QLatin1String("frSCJJcountGL") || name == QLatin1String("frSCJJdetailTj")) {
        print.master = open(dm, QStringLiteral("select * from ShengChanREC where (1=1) order by F_DateTime,F_Empcode"));
        print.answerer = answering(periodOnly);
        print.expectedTexts = {period(), QStringLiteral("SC2403002"), QStringLiteral("锁边"), QStringLiteral("650.00"), QStringLiteral("￥569.00")};
    } else if (name.startsWith(QLatin1String("frEnterInMan")) || name.startsWith(QLatin1String("frEnterOutMan"))) {
        const bool additions = name.startsWith(QLatin1String("frEnterInMan"));
        print.master = open(dm, QStringLiteral("Select * from wg_EnterOut where (F_OperFlag = :f) Order by F_makeDate,F_code"),
                            {{QStringLiteral(":f"), additions ? 1 : -1}});
        print.answerer = answering(periodOnly);
        print.expectedTexts = additions
            ? QStringList{QStringLiteral("职务津贴"), QStringLiteral("全勒奖金"), QStringLiteral("￥200.00")}
            : QStringList{QStringLiteral("伙食费"), QStringLiteral("住宿费"), QStringLiteral("￥80.00")};
        if (name.endsWith(QLatin1Char('1')))
            print.expectedTexts << period() << (additions ? QStringLiteral("￥300.00") : QStringLiteral("￥230.00"));
        else
            print.expectedTexts << (additions ? QStringLiteral("贰佰零拾零元整") : QStringLiteral("捌拾零元整"));
    } else if (name == QLatin1String("frGongzixiangmu")) {
        print.master = open(dm, QStringLiteral("select * from Sys_wgcols where (f_tblname='sys')and(f_flag=1) order by F_order"));
        print.expectedTexts = {QStringLiteral("工资项目表"), QStringLiteral("f_gz116"), QStringLiteral("应发工资"), QStringLiteral("f_gz102 * f_gz103")};
    } else if (name == QLatin1String("frMonthWageGL1")) {
        print.master = open(dm, QStringLiteral("select * from wg_salaryREC where (F_month = :m) order by F_code"), {{QStringLiteral(":m"), QStringLiteral("202403")}});
        // The wage sheet answers the title of each wage column it shows: the
        // month's enabled items.
        QVariantMap values{{QStringLiteral("MemCaption"), QStringLiteral("2024年03月份工资汇总表")}};
        print.variables = {QStringLiteral("MemCaption")};
        const RowSet items = open(dm, QStringLiteral("select F_Code, F_Name, F_Flag from Sys_wgcols where F_tblName = 'sys'"));
        for (int r = 0; r < items.rowCount(); ++r) {
            const QString variable = QStringLiteral("sGZ") + items.text(r, QStringLiteral("F_Code")).mid(4).toUpper();
            print.variables.append(variable);
            values.insert(variable, items.value(r, QStringLiteral("F_Flag")).toBool() ? items.text(r, QStringLiteral("F_Name")) : QString());
        }
        print.answerer = answering(values);
        print.expectedTexts = {QStringLiteral("华兴制衣厂"), QStringLiteral("2024年03月份工资汇总表"), QStringLiteral("基本工资"), QStringLiteral("计件工资"),
                               QStringLiteral("伙食费"), QStringLiteral("1,764.35"), QStringLiteral("壹千柒佰陆拾肆元叁角伍分"), QStringLiteral("迟到两次")};
    } else if (name == QLatin1String("frGZHStotalTj")) {
        print.master = open(dm, QStringLiteral("select * from tempGZHS where (1=1) Order By F_code"));
        print.answerer = answering(periodOnly);
        print.expectedTexts = {period(), QStringLiteral("工资核算汇总统计表"), QStringLiteral("李四"), QStringLiteral("￥4,349.35"), QStringLiteral("￥90.00")};
    } else if (name == QLatin1String("frSCJJtotalTJ")) {
        print.master = open(dm, QStringLiteral("select * from tempShengchanRec"));
        print.answerer = answering({{QStringLiteral("memoDate"), period()}, {QStringLiteral("memoCaption"), QStringLiteral("生产明细")}});
        print.expectedTexts = {period(), QStringLiteral("生产计件汇总统计表"), QStringLiteral("生产明细"), QStringLiteral("￥569.00")};
    } else if (name == QLatin1String("frYGNBtotalTj") || name == QLatin1String("frBMNBtotalTj")) {
        const bool employees = name == QLatin1String("frYGNBtotalTj");
        const QString row = insert(QStringLiteral("tempGZNB"), QStringLiteral("F_code,F_name,F_dept,F_m1,F_m2,F_m3,F_HJprice,F_flag"));
        exec(dm, QStringLiteral("delete from tempGZNB"), {});
        if (employees) {
            exec(dm, row, {"E001", "张三", "", 1650.0, 1720.5, 1764.35, 5134.85, 1});
            exec(dm, row, {"E002", "李四", "", 1300.0, 1350.0, 1390.0, 4040.0, 1});
        } else {
            exec(dm, row, {"", "", "裁剪组", 1650.0, 1720.5, 1764.35, 5134.85, 1});
            exec(dm, row, {"", "", "缝纫组", 1300.0, 1350.0, 1390.0, 4040.0, 1});
        }
        print.master = open(dm, QStringLiteral("select * from tempGZNB order by F_code"));
        print.answerer = answering({{QStringLiteral("memoDate"), QStringLiteral("年份：2024")}});
        print.expectedTexts = {QStringLiteral("年份：2024"), employees ? QStringLiteral("张三") : QStringLiteral("缝纫组"), QStringLiteral("9,174.85"),
                               QStringLiteral("3,154.35")};
    } else {
        qFatal("no sample for %s", qPrintable(name));
    }
    return print;
}

} // namespace DeliveredSamples

#include "misc/CompanyInfoStore.h"

#include "app/Prompter.h"
#include "app/RowSet.h"
#include "app/TdmData.h"

const QList<CompanyInfoStore::Field> &CompanyInfoStore::fields()
{
    static const QList<Field> list{
        {QStringLiteral("F_Code"), QStringLiteral("公司名称"), 50},
        {QStringLiteral("F_Name"), QStringLiteral("联系地址"), 10},
        {QStringLiteral("F_Manager"), QStringLiteral("负责人"), 50},
        {QStringLiteral("F_Phone"), QStringLiteral("联系电话"), 50},
        {QStringLiteral("F_HandPhone"), QStringLiteral("手机"), 50},
        {QStringLiteral("F_Homepage"), QStringLiteral("主页"), 255},
        {QStringLiteral("F_Email"), QStringLiteral("电子邮箱"), 255},
        {QStringLiteral("F_Enroler"), QStringLiteral("注册法人"), 50},
        {QStringLiteral("F_Mem"), QStringLiteral("公司简介"), 255},
    };
    return list;
}

CompanyInfoStore::CompanyInfoStore(TdmData &dm) : m_dm(dm) {}

QStringList CompanyInfoStore::values(const CompanyInfo &i)
{
    return {i.company, i.address, i.manager, i.phone, i.mobile, i.homepage, i.email, i.enroler, i.profile};
}

CompanyInfo CompanyInfoStore::fromValues(const QStringList &v)
{
    auto at = [&v](int i) { return v.value(i); };
    return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8)};
}

CompanyInfo CompanyInfoStore::load()
{
    RowSet rows;
    if (!m_dm.OpenQuery(QStringLiteral("select * from SysInfo order by F_ID"), rows) || rows.isEmpty())
        return {};
    QStringList v;
    for (const Field &f : fields())
        v.append(rows.text(0, f.name));
    return fromValues(v);
}

bool CompanyInfoStore::save(const CompanyInfo &info)
{
    const QStringList v = values(info);
    QVariantMap params;
    QStringList assignments;
    for (int i = 0; i < fields().size(); ++i) {
        const Field &f = fields().at(i);
        const QString text = v.at(i).trimmed();
        if (text.size() > f.maxLength) {
            ShowMsg(QStringLiteral("“%1”最多只能填写%2个字，请删减后再保存！").arg(f.label).arg(f.maxLength),
                    MsgInformation);
            return false;
        }
        assignments.append(f.name + QStringLiteral(" = :") + f.name);
        params.insert(f.name, text);
    }
    // Every row: the table holds the one row of the company.
    return m_dm.ExecSql(QStringLiteral("update SysInfo set ") + assignments.join(QStringLiteral(", ")), params);
}

QUrl CompanyInfoStore::homepageUrl(const QString &typed)
{
    QString address = typed.trimmed();
    if (address.isEmpty())
        return {};
    if (!address.contains(QLatin1String("http:"), Qt::CaseInsensitive)
        && !address.contains(QLatin1String("https:"), Qt::CaseInsensitive))
        address.prepend(QStringLiteral("http://"));
    return QUrl(address);
}

bool CompanyInfoStore::isEmailAddress(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool allowed = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-'
            || u == '.' || u == '_' || u == '@';
        if (!allowed)
            return false;
    }
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    if (at < 0 || text.contains(QLatin1String("..")))
        return false;
    const QString domain = text.mid(at + 1);
    if (at == 0 || domain.size() < 4)
        return false;
    const qsizetype dot = domain.indexOf(QLatin1Char('.'));
    return dot >= 0 && domain.size() - dot - 1 >= 3;
}

QUrl CompanyInfoStore::mailUrl(const QString &typed)
{
    const QString address = typed.trimmed();
    if (!isEmailAddress(address))
        return {};
    return QUrl(QStringLiteral("mailto:") + address + QStringLiteral("?subject"));
}

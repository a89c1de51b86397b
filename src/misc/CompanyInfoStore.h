#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class TdmData;

// The user company as the company window shows it: the one row of SysInfo.
struct CompanyInfo
{
    QString company;    // F_Code     公司名称
    QString address;    // F_Name     联系地址
    QString manager;    // F_Manager  负责人
    QString phone;      // F_Phone    联系电话
    QString mobile;     // F_HandPhone 手机
    QString homepage;   // F_Homepage 主页
    QString email;      // F_Email    电子邮箱
    QString enroler;    // F_Enroler  注册法人
    QString profile;    // F_Mem      公司简介

    bool operator==(const CompanyInfo &) const = default;
};

// Reads and writes the company data, and decides what a double-click on the
// home page or the e-mail box opens.
class CompanyInfoStore
{
public:
    struct Field
    {
        QString name;   // field of SysInfo
        QString label;  // as the window labels it, without the colon
        int maxLength;  // the field's size
    };
    // The nine fields in the window's order: the eight boxes, then the profile.
    static const QList<Field> &fields();

    explicit CompanyInfoStore(TdmData &dm);

    // The first row; a null field reads as empty.
    CompanyInfo load();
    // Writes the trimmed texts over the row; false (after saying why) when a
    // text is too long for its field or the statement fails.
    bool save(const CompanyInfo &info);

    // The address a home page opens: as typed, trimmed, with "http://" in
    // front when it names no scheme; empty for an empty box.
    static QUrl homepageUrl(const QString &typed);
    // Letters, digits, "-", ".", "_" and at signs only; an at sign, no "..";
    // something before the first at sign and four or more characters after
    // it, with a full stop followed by at least three characters.
    static bool isEmailAddress(const QString &text);
    // "mailto:" address "?subject", or empty when the address fails the check.
    static QUrl mailUrl(const QString &typed);

    static QStringList values(const CompanyInfo &info);
    static CompanyInfo fromValues(const QStringList &values);

private:
    TdmData &m_dm;
};

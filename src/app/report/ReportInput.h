#pragma once

#include "app/RowSet.h"

#include <QDate>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <optional>

// Answers a report variable by name; an invalid QVariant leaves it unset.
using ReportAnswerer = std::function<QVariant(const QString &name)>;

// The detail data set "frxDD": all detail rows, and the link that picks the
// rows of one master row: the detail rows whose detailField equals the master
// row's masterField (as text, without case, the way the database compares).
// The product list links its steps by F_GoodName on both sides.
struct ReportDetail
{
    RowSet rows;
    QString masterField;
    QString detailField;
};

// Everything a report is built from.
struct ReportInput
{
    RowSet master;                      // "frxDM"
    std::optional<ReportDetail> detail; // "frxDD"
    ReportAnswerer answerer;            // may be empty: no variables answered
    QStringList variables;              // the variables the window declares
    QVariantMap company;                // the fields of SysInfo
    QDate today;
};

#pragma once

#include "app/ui/EditDialog.h"
#include "misc/CompanyInfoStore.h"

class QLineEdit;
class QPlainTextEdit;

// The user company's name, address, contacts and profile.
class TFrmUserInfo : public EditDialog
{
    Q_OBJECT
public:
    explicit TFrmUserInfo(QWidget *parent = nullptr);

    CompanyInfo entries() const;
    void showInfo(const CompanyInfo &info);

    void load();      // on show and "修改"
    void clearAll();  // "重填"
    bool save();      // "保存"
    void openHomepage();
    void openEmail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    CompanyInfoStore m_store;
    QList<QLineEdit *> m_boxes; // the eight boxes in field order
    QPlainTextEdit *m_profile;
};

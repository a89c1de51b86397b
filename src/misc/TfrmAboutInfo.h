#pragma once

#include <QDialog>

class QLabel;

// The product, its version and the way to the publisher.
class TfrmAboutInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAboutInfo(QWidget *parent = nullptr);

    void openWebsite();
    void openMail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_website;
    QLabel *m_mail;
};

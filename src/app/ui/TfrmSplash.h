#pragma once

#include <QWidget>

class QLabel;

// The borderless window shown while the program connects.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    // Sets the status line and paints it at once.
    void setStatus(const QString &text);
    QString status() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label;
};

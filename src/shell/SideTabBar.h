#pragma once

#include <QTabBar>

// Tabs down the left side of a page control, each a large picture with its
// caption underneath, read horizontally.
class SideTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit SideTabBar(QWidget *parent = nullptr);

    static constexpr int tabWidth = 104;
    static constexpr int tabHeight = 82;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

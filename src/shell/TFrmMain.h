#pragma once

#include <QMainWindow>

// The program's only permanent window.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *parent = nullptr);

    static QString caption();
};

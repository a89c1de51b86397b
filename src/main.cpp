#include "app/AppInfo.h"
#include "app/StartupConnection.h"
#include "app/TdmData.h"
#include "app/report/ui/WidgetReportViewer.h"
#include "app/ui/ChineseLocale.h"
#include "app/ui/TfrmSplash.h"
#include "app/ui/WidgetPrompter.h"
#include "shell/TFrmMain.h"
#include "shell/TfrmOperLogin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <memory>

namespace {

// The splash window as the connection step sees it.
class SplashWindow : public StartupSplash
{
public:
    SplashWindow() { recreate(); }
    void setText(const QString &text) override
    {
        if (m_window)
            m_window->setStatus(text);
    }
    void destroy() override { m_window.reset(); }
    void recreate() override
    {
        m_window = std::make_unique<TfrmSplash>();
        m_window->show();
        m_window->repaint();
        QApplication::processEvents();
        m_shown.start();
    }
    // A connection on the local disk takes a blink: the splash stays long
    // enough to be seen instead of flickering past.
    void holdUntilSeen()
    {
        while (m_window && m_shown.isValid() && m_shown.elapsed() < minimumShownMs) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
    }

private:
    static constexpr int minimumShownMs = 900;
    std::unique_ptr<TfrmSplash> m_window;
    QElapsedTimer m_shown;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::applicationTitle());
    installChineseLocale();
    WidgetPrompter prompter;
    Prompter::install(&prompter);
    WidgetReportViewer reportViewer;
    ReportViewer::install(&reportViewer);

    SplashWindow splash;
    TdmData dmData;
    if (!connectAtStartup(dmData, splash))
        return 0;

    splash.setText(QStringLiteral("连接成功，正在登录 ....."));
    TFrmMain mainWindow;
    splash.setText(QStringLiteral("连接成功，正在登录 ..."));
    QThread::msleep(20);
    splash.setText(QStringLiteral("连接成功，正在登录 ....."));
    splash.holdUntilSeen();
    splash.destroy();

    // Nobody gets to the main window without logging in.
    if (TfrmOperLogin::run(LoginRules::Mode::Startup, &mainWindow) != LoginRules::Outcome::LoggedIn)
        return 0;
    mainWindow.show();
    return app.exec();
}

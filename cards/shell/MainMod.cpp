// Start-up order and the splash wait on a clock that never starts again at midnight.
#include "MainMod.h"

#include "frmMain.h"
#include "frmSplash.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <cmath>

namespace MainMod {

namespace {

double MonotonicSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

double SplashEnd(double nowSeconds)
{
    return std::round(nowSeconds) + kSplashSeconds;
}

frmMain* Start(const std::function<frmMain*()>& makeMain)
{
    frmSplash splash;
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();

    frmMain* main = makeMain();

    const double end = SplashEnd(MonotonicSeconds());
    while (MonotonicSeconds() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    splash.close();
    main->show();
    main->raise();
    main->activateWindow();
    main->PlayerFlowUnlessActivated();
    return main;
}

} // namespace MainMod

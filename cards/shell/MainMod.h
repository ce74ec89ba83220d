// cardwright's start-up: splash, main window loaded behind it, about two seconds, then the main window.
#pragma once

#include <QElapsedTimer>

#include <functional>

class frmMain;

namespace MainMod {

// How long the splash stays: until the whole second nearest the start plus this.
inline constexpr int kSplashSeconds = 2;

// The second on the monotonic clock at which the splash closes, for a start at `nowSeconds`.
double SplashEnd(double nowSeconds);

// Shows the splash, makes and loads the main window with `makeMain`, waits
// out the splash while the events run, then shows the main window.
frmMain* Start(const std::function<frmMain*()>& makeMain);

} // namespace MainMod

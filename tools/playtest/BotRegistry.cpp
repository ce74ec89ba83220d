// The bots by screen class: each screen the runner can play adds its line here.
#include "ScreenBot.h"
#include "ToyCatcherBot.h"

#include "NavigationBot.h"
#include "SkyRunBot.h"

#include <functional>
#include <map>

namespace {

template <typename Bot>
std::unique_ptr<ScreenBot> Make()
{
    return std::make_unique<Bot>();
}

const std::map<std::string, std::function<std::unique_ptr<ScreenBot>()>>& Bots()
{
    static const std::map<std::string, std::function<std::unique_ptr<ScreenBot>()>> bots = {
        {"GlNavigation", Make<NavigationBot>},
        {"GlToyCatcher", Make<ToyCatcherBot>},
        {"GlSkyRun", Make<SkyRunBot>},
    };
    return bots;
}

} // namespace

std::unique_ptr<ScreenBot> CreateScreenBot(const std::string& screenClass)
{
    auto bot = Bots().find(screenClass);
    return bot == Bots().end() ? nullptr : bot->second();
}

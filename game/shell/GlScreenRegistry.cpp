// The table of screen classes by name; each new screen class adds its line here.
#include "GlScreenRegistry.h"

#include "GlScreenState.h"

#include "GlCut1.h"
#include "GlCutCelebration.h"
#include "GlCutFail1.h"
#include "GlCutFail2.h"
#include "GlCutGameOver.h"
#include "GlCutPass1.h"
#include "GlCutPass2.h"
#include "GlCutSetup1.h"
#include "GlCutSetup2.h"
#include "GlHighScore.h"
#include "GlMenuMain.h"
#include "GlMission1.h"
#include "GlMission2.h"
#include "GlMission3.h"
#include "GlNavigation.h"
#include "GlSkyRun.h"
#include "GlSplash1.h"
#include "GlSplash2.h"
#include "GlTotals.h"
#include "GlToyCatcher.h"

#include <typeindex>
#include <typeinfo>

namespace {

struct ScreenClass {
    const char* name;
    GlInterfaceRun* (*create)();
    std::type_index type;
};

template <typename Screen>
ScreenClass Entry(const char* name)
{
    return ScreenClass{name, []() -> GlInterfaceRun* { return new Screen(); }, std::type_index(typeid(Screen))};
}

const std::vector<ScreenClass>& ScreenClasses()
{
    static const std::vector<ScreenClass> classes = {
        Entry<GlSplash1>("GlSplash1"),
        Entry<GlSplash2>("GlSplash2"),
        Entry<GlMenuMain>("GlMenuMain"),
        Entry<GlHighScore>("GlHighScore"),
        Entry<GlCut1>("GlCut1"),
        Entry<GlMission1>("GlMission1"),
        Entry<GlMission2>("GlMission2"),
        Entry<GlMission3>("GlMission3"),
        Entry<GlTotals>("GlTotals"),
        Entry<GlNavigation>("GlNavigation"),
        Entry<GlToyCatcher>("GlToyCatcher"),
        Entry<GlSkyRun>("GlSkyRun"),
        Entry<GlCutSetup1>("GlCutSetup1"),
        Entry<GlCutSetup2>("GlCutSetup2"),
        Entry<GlCutCelebration>("GlCutCelebration"),
        Entry<GlCutPass1>("GlCutPass1"),
        Entry<GlCutPass2>("GlCutPass2"),
        Entry<GlCutFail1>("GlCutFail1"),
        Entry<GlCutFail2>("GlCutFail2"),
        Entry<GlCutGameOver>("GlCutGameOver"),
    };
    return classes;
}

} // namespace

GlInterfaceRun* GlCreateScreen(const std::string& className)
{
    for (const ScreenClass& screenClass : ScreenClasses()) {
        if (className == screenClass.name)
            return screenClass.create();
    }
    return nullptr;
}

std::string GlScreenClassName(const GlInterfaceRun* screen)
{
    if (screen == nullptr)
        return std::string();
    std::type_index type(typeid(*screen));
    for (const ScreenClass& screenClass : ScreenClasses()) {
        if (screenClass.type == type)
            return screenClass.name;
    }
    return std::string();
}

std::vector<std::string> GlScreenClassNames()
{
    std::vector<std::string> names;
    for (const ScreenClass& screenClass : ScreenClasses())
        names.push_back(screenClass.name);
    return names;
}

bool GlStoreSuccessor(const char* className)
{
    GlInterfaceRun* next = GlCreateScreen(className);
    if (next == nullptr)
        return false;
    // Only one successor becomes current; an earlier one of this frame would be lost.
    if (gNextScreen != nullptr && gNextScreen != gCurrentScreen)
        delete gNextScreen;
    gNextScreen = next;
    return true;
}

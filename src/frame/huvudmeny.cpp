#include "frame/huvudmeny.h"

MainMenuHooks &mainMenuHooks()
{
    static MainMenuHooks hooks;
    return hooks;
}

void runHook(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

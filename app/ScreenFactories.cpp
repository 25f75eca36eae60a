#include "app/ScreenFactories.h"

#include "menus/MenuScreens.h"
#include "screens/ScreenFactory.h"

void installScreenFactories()
{
    static const MenuScreens menus;
    installScreenFactory(&menus);
}

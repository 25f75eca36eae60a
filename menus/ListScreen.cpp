#include "menus/ListScreen.h"

#include "menus/ListButtons.h"
#include "platform/Audio.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "screens/ScreenFlow.h"

ListScreen::~ListScreen()
{
    backdrop.texture.release();
    underline.texture.release();
}

void ListScreen::keyDown(int key)
{
    if (!moveKey(key) && (key == vk::enter || key == vk::escape))
        armedKey_.arm(key);
}

void ListScreen::keyUp(int key)
{
    if (!armedKey_.release(key))
        return;
    if (key == vk::enter)
        act();
    else
        goBack();
}

void ListScreen::keyRepeat(int key)
{
    moveKey(key);
}

bool ListScreen::pressHoveredButton()
{
    if (hovered == ListButtons::Action)
        act();
    else if (hovered == ListButtons::Back)
        goBack();
    else
        return false;
    return true;
}

void ListScreen::goBack()
{
    if (leaving)
        return;
    audio().play(Effect::MenuClick);
    leaveFor(inGame ? makeInGameMenu(std::move(suspended)) : makeMainMenu(), fadeDuration::menu);
}

void ListScreen::leaveFor(Screen* next, float duration)
{
    fadeTo(this, next, duration);
    leaving = true;
}

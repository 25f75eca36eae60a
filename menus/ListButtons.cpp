#include "menus/ListButtons.h"

#include "entities/Entity.h"
#include "menus/MenuPlaces.h"
#include "platform/Audio.h"
#include "render/Sprite.h"

namespace {

constexpr float buttonX = menuPlaces::listButtonX;
constexpr float buttonWidth = 60.0f;
constexpr float buttonHeight = 20.0f;
constexpr float underlineWidth = 30.0f;
constexpr float underlineHeight = 2.0f;
constexpr float underlineDrop = 9.0f;        // below the button's centre
constexpr float returnUnderlineShift = 10.0f; // left of the Return Game button's centre
// The underline lies on the button's lower edge and is drawn after it; it sits
// a little nearer than the button so the button's picture cannot hide it.
constexpr float underlineDepth = 0.5f;

void put(Sprite& button, float x, float y)
{
    button.x = x;
    button.y = y;
    button.width = buttonWidth;
    button.height = buttonHeight;
}

} // namespace

void ListButtons::place(Sprite& action, const std::string& actionPicture, Sprite& back, Sprite& underline,
                        float y)
{
    action.texture.loadKeyed(actionPicture);
    put(action, buttonX, y);
    back.texture.loadKeyed("Textures/returngame.png");
    put(back, -buttonX, y);
    underline.texture.loadKeyed("Textures/white.bmp");
    underline.width = underlineWidth;
    underline.height = underlineHeight;
    underline.depth = underlineDepth;
    underline.visible = false;
}

namespace {

ListButtons::Hovered buttonAt(const Sprite& action, bool actionShown, const Sprite& back, Sprite& underline,
                              float viewX, float viewY)
{
    if (actionShown && pointInSprite(action, viewX, viewY)) {
        underline.x = action.x;
        underline.y = action.y - underlineDrop;
        underline.visible = true;
        return ListButtons::Action;
    }
    if (pointInSprite(back, viewX, viewY)) {
        underline.x = back.x - returnUnderlineShift;
        underline.y = back.y - underlineDrop;
        underline.visible = true;
        return ListButtons::Back;
    }
    underline.visible = false;
    return ListButtons::None;
}

} // namespace

int ListButtons::follow(int before, const Sprite& action, bool actionShown, const Sprite& back,
                        Sprite& underline, float viewX, float viewY)
{
    const Hovered now = buttonAt(action, actionShown, back, underline, viewX, viewY);
    if (now != None && now != before)
        audio().play(Effect::MenuHover);
    return now;
}

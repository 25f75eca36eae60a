// What every menu shares about input: the pointer turned into the menus'
// view, and keys that act on their release only when pressed on the menu.
#include <gtest/gtest.h>

#include "menus/ArmedKey.h"
#include "menus/MenuPointer.h"
#include "platform/VirtualKeys.h"

TEST(MenuPointer, FractionsOfThePictureBecomeTheViewAndOnlyANewPointCountsAsAMove)
{
    MenuPointer pointer;
    EXPECT_FALSE(pointer.known());
    EXPECT_TRUE(pointer.moveTo(0.5f, 0.5f)) << "the first point is always new";
    EXPECT_TRUE(pointer.known());
    EXPECT_EQ(pointer.x(), 0.0f);
    EXPECT_EQ(pointer.y(), 0.0f);
    EXPECT_FALSE(pointer.moveTo(0.5f, 0.5f)) << "the same point again is no move";

    EXPECT_TRUE(pointer.moveTo(0.0f, 1.0f));
    EXPECT_EQ(pointer.x(), -100.0f) << "left edge";
    EXPECT_EQ(pointer.y(), 100.0f) << "top edge, y up";
    EXPECT_TRUE(pointer.moveTo(0.0f, 0.0f)) << "one coordinate changed is a move";
    EXPECT_EQ(pointer.y(), -100.0f);
    EXPECT_EQ(MenuPointer::toView(0.75f), 50.0f);
}

TEST(ArmedKey, OnlyTheReleaseOfTheKeyPressedHereActsAndOnlyOnce)
{
    ArmedKey key;
    EXPECT_FALSE(key.release(vk::enter)) << "a key pressed elsewhere (before a fade) acts nowhere";

    key.arm(vk::enter);
    EXPECT_FALSE(key.release(vk::escape)) << "another key's release";
    EXPECT_EQ(key.armed(), vk::enter) << "...leaves it armed";
    EXPECT_TRUE(key.release(vk::enter));
    EXPECT_FALSE(key.release(vk::enter)) << "a second release acts no more";

    key.arm(vk::enter);
    key.arm(vk::escape);
    EXPECT_FALSE(key.release(vk::enter)) << "the later press replaces the earlier";
    EXPECT_TRUE(key.release(vk::escape));

    EXPECT_FALSE(key.release(0)) << "key 0 names no key, even with nothing armed";
}

// Where small pictures lie on the shader backend's shared pages.
#include <gtest/gtest.h>

#include <vector>

#include "render/PicturePages.h"

namespace {

bool overlap(const PicturePages::Slot& a, const PicturePages::Slot& b)
{
    return a.page == b.page && a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height
        && b.y < a.y + a.height;
}

} // namespace

TEST(PicturePages, PicturesShareAPageWithoutOverlappingUntilItIsFull)
{
    PicturePages pages(1024);
    std::vector<PicturePages::Slot> placed;
    bool added = false;
    // The game's sizes with their border: 258 x 258, 130 x 130, 66 x 66, 258 x 66.
    const int sizes[][2] = {{130, 130}, {66, 66}, {258, 66}, {130, 130}, {66, 66}, {258, 258}, {66, 66}};
    for (const auto& size : sizes) {
        const PicturePages::Slot slot = pages.place(size[0], size[1], added);
        ASSERT_GE(slot.page, 0);
        EXPECT_GE(slot.width, size[0]);
        EXPECT_GE(slot.height, size[1]);
        EXPECT_LE(slot.x + slot.width, 1024);
        EXPECT_LE(slot.y + slot.height, 1024);
        for (const PicturePages::Slot& other : placed)
            EXPECT_FALSE(overlap(slot, other)) << slot.x << "," << slot.y << " on " << other.x << "," << other.y;
        placed.push_back(slot);
    }
    EXPECT_EQ(pages.pages(), 1u) << "all of them on one page";

    // A picture that finds no room opens a second page.
    const PicturePages::Slot big = pages.place(900, 900, added);
    EXPECT_TRUE(added);
    EXPECT_EQ(big.page, 1);
    EXPECT_EQ(pages.place(1025, 10, added).page, -1) << "larger than a page: no slot at all";
}

TEST(PicturePages, SlotsGivenBackAreUsedAgainAndAnEmptyPageGoes)
{
    PicturePages pages(256);
    bool added = false;
    const PicturePages::Slot first = pages.place(130, 130, added);
    const PicturePages::Slot second = pages.place(66, 66, added);
    EXPECT_FALSE(pages.release(second)) << "the page still holds the first";
    const PicturePages::Slot again = pages.place(60, 60, added);
    EXPECT_FALSE(added);
    EXPECT_EQ(again.x, second.x) << "the slot given back holds the next picture that fits";
    EXPECT_EQ(again.y, second.y);
    EXPECT_FALSE(pages.release(first));
    EXPECT_TRUE(pages.release(again)) << "the last picture gone, the page goes";
    EXPECT_EQ(pages.pages(), 0u);
    EXPECT_FALSE(pages.release(again)) << "a slot given back twice changes nothing";
}

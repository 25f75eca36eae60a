#pragma once

#include <cstddef>
#include <vector>

// Where small pictures lie on the shader backend's shared picture pages:
// square pages of one side, each cut into rows (shelves) of slots, a picture
// to a slot. A slot given back is used again by a picture that fits in it;
// a page with no picture left is given back whole. Pictures on one page are
// drawn in one batch whatever picture each quad shows, which is what lets
// the backend draw a frame of thousands of sprites in a few draw calls
// without ever changing the order they were issued in.
class PicturePages {
public:
    struct Slot {
        int page = -1; // -1: no room
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    explicit PicturePages(int side) : side_(side) {}

    // A slot of at least width x height pixels, on a page already in use
    // when one has room, else on a new page (pageAdded then says so).
    Slot place(int width, int height, bool& pageAdded);
    // Gives the slot back. True when its page holds nothing any more and is
    // gone (its number may be given to a new page later).
    bool release(const Slot& slot);

    int side() const { return side_; }
    // Pages in use, and how many pictures each holds.
    std::size_t pages() const;
    int pictures(int page) const;

private:
    struct Shelf {
        int y = 0;
        int height = 0;
        int used = 0; // how far along the shelf slots have been cut
        std::vector<Slot> freeSlots;
    };
    struct Page {
        bool inUse = false;
        int pictures = 0;
        int nextShelf = 0; // where the next shelf starts
        std::vector<Shelf> shelves;
    };

    // A slot on page `number`, or one with page -1.
    Slot placeOn(int number, int width, int height);

    int side_;
    std::vector<Page> pages_;
};

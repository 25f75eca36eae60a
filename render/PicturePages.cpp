#include "render/PicturePages.h"

PicturePages::Slot PicturePages::place(int width, int height, bool& pageAdded)
{
    pageAdded = false;
    if (width <= 0 || height <= 0 || width > side_ || height > side_)
        return Slot();
    for (std::size_t number = 0; number < pages_.size(); ++number) {
        if (!pages_[number].inUse)
            continue;
        const Slot slot = placeOn(static_cast<int>(number), width, height);
        if (slot.page >= 0)
            return slot;
    }
    std::size_t number = 0;
    while (number < pages_.size() && pages_[number].inUse)
        ++number;
    if (number == pages_.size())
        pages_.emplace_back();
    pages_[number] = Page();
    pages_[number].inUse = true;
    pageAdded = true;
    return placeOn(static_cast<int>(number), width, height);
}

PicturePages::Slot PicturePages::placeOn(int number, int width, int height)
{
    Page& page = pages_[static_cast<std::size_t>(number)];
    // A slot given back that the picture fits in, the best-fitting one.
    for (Shelf& shelf : page.shelves) {
        if (shelf.height < height)
            continue;
        for (std::size_t i = 0; i < shelf.freeSlots.size(); ++i) {
            const Slot freed = shelf.freeSlots[i];
            if (freed.width >= width && freed.height >= height) {
                shelf.freeSlots.erase(shelf.freeSlots.begin() + static_cast<std::ptrdiff_t>(i));
                ++page.pictures;
                return freed;
            }
        }
    }
    // Room left on a shelf as high as the picture, or little higher.
    for (Shelf& shelf : page.shelves) {
        if (shelf.height >= height && shelf.height <= height * 2 && shelf.used + width <= side_) {
            const Slot slot{number, shelf.used, shelf.y, width, shelf.height};
            shelf.used += width;
            ++page.pictures;
            return slot;
        }
    }
    // A new shelf.
    if (page.nextShelf + height > side_)
        return Slot();
    Shelf shelf;
    shelf.y = page.nextShelf;
    shelf.height = height;
    shelf.used = width;
    page.nextShelf += height;
    page.shelves.push_back(shelf);
    ++page.pictures;
    return Slot{number, 0, shelf.y, width, height};
}

bool PicturePages::release(const Slot& slot)
{
    if (slot.page < 0 || static_cast<std::size_t>(slot.page) >= pages_.size())
        return false;
    Page& page = pages_[static_cast<std::size_t>(slot.page)];
    if (!page.inUse)
        return false;
    for (Shelf& shelf : page.shelves)
        if (shelf.y == slot.y)
            shelf.freeSlots.push_back(slot);
    if (--page.pictures > 0)
        return false;
    page = Page();
    return true;
}

std::size_t PicturePages::pages() const
{
    std::size_t inUse = 0;
    for (const Page& page : pages_)
        inUse += page.inUse ? 1 : 0;
    return inUse;
}

int PicturePages::pictures(int page) const
{
    if (page < 0 || static_cast<std::size_t>(page) >= pages_.size())
        return 0;
    return pages_[static_cast<std::size_t>(page)].pictures;
}

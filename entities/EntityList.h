#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "entities/Entity.h"

// Every enemy of a level, in the order it was made. Enemies made here are
// kept by value beside others of their kind, in blocks of blockSize, so a
// crowded level makes one allocation per block instead of one per enemy and
// its enemies lie close together in memory; an entity made elsewhere can be
// handed over too. An enemy stays where it was made until the list is
// cleared, so pointers to it (the ninjas' list, the zombie grid) stay good.
class EntityList {
public:
    static constexpr std::size_t blockSize = 64;

    EntityList() = default;
    EntityList(const EntityList&) = delete;
    EntityList& operator=(const EntityList&) = delete;

    // A new Kind, default-constructed, at the end of the list.
    template <class Kind>
    Kind& add()
    {
        Kind& made = openBlock<Kind>().add();
        all_.push_back(&made);
        return made;
    }

    // Takes over an entity made elsewhere, at the end of the list. Null is
    // ignored.
    void add(std::unique_ptr<Entity> entity);

    // Room in the list (not in the blocks) for this many entities.
    void reserve(std::size_t count) { all_.reserve(count); }

    // Destroys every entity; the list is empty after.
    void clear();

    std::size_t size() const { return all_.size(); }
    bool empty() const { return all_.empty(); }
    Entity* operator[](std::size_t place) const { return all_[place]; }
    Entity* back() const { return all_.back(); }
    std::vector<Entity*>::const_iterator begin() const { return all_.begin(); }
    std::vector<Entity*>::const_iterator end() const { return all_.end(); }

private:
    // Up to blockSize entities of one kind, made in place: they never move.
    // The list holds blocks of every kind through this base.
    class Block {
    public:
        virtual ~Block() = default;
    };
    template <class Kind>
    class BlockOf : public Block {
    public:
        BlockOf() { items_.reserve(blockSize); }
        bool full() const { return items_.size() == blockSize; }
        Kind& add() { return items_.emplace_back(); }

    private:
        std::vector<Kind> items_;
    };

    // The block of this kind that has room, a new one when the last is full.
    template <class Kind>
    BlockOf<Kind>& openBlock()
    {
        const void* const kind = kindTag<Kind>();
        for (auto& [openKind, block] : open_) {
            if (openKind != kind)
                continue;
            if (static_cast<BlockOf<Kind>&>(*block).full())
                block = newBlock<Kind>();
            return static_cast<BlockOf<Kind>&>(*block);
        }
        open_.emplace_back(kind, newBlock<Kind>());
        return static_cast<BlockOf<Kind>&>(*open_.back().second);
    }

    // One address per class, which tells the blocks' classes apart.
    template <class Kind>
    static const void* kindTag()
    {
        static const char tag = 0;
        return &tag;
    }

    template <class Kind>
    Block* newBlock()
    {
        blocks_.push_back(std::make_unique<BlockOf<Kind>>());
        return blocks_.back().get();
    }

    std::vector<Entity*> all_;                        // in the order made
    std::vector<std::unique_ptr<Block>> blocks_;      // the enemies made here
    std::vector<std::unique_ptr<Entity>> handedOver_; // the ones made elsewhere
    std::vector<std::pair<const void*, Block*>> open_; // each class's last block
};

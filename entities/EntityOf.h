#pragma once

#include <memory>

#include "entities/Entity.h"

// The base of each kind of entity: gives the kind its code, its copy of
// itself and its share of the in-game menu's copy of the game, so that the
// kind's own class names only its own fields (keep, addOwnState).
template <class Kind, EntityKind code>
class EntityOf : public Entity {
public:
    EntityKind kind() const override { return code; }

    std::unique_ptr<Entity> clone() const override
    {
        return std::make_unique<Kind>(static_cast<const Kind&>(*this));
    }

    void takeOver(const Entity& running) override
    {
        const auto* from = dynamic_cast<const Kind*>(&running);
        if (from == nullptr)
            return;
        keep(*from);
        takeCentre(*from);
    }

protected:
    // Copies from `running`, the entity of this kind in the game being
    // suspended, the fields the in-game menu's copy keeps besides the centre.
    virtual void keep(const Kind& running) = 0;
};

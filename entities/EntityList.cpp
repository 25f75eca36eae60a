#include "entities/EntityList.h"

void EntityList::add(std::unique_ptr<Entity> entity)
{
    if (!entity)
        return;
    all_.push_back(entity.get());
    handedOver_.push_back(std::move(entity));
}

void EntityList::clear()
{
    all_.clear();
    open_.clear();
    blocks_.clear();
    handedOver_.clear();
}

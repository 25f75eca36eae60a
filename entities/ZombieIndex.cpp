#include "entities/ZombieIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "entities/EntityList.h"
#include "entities/Zombie.h"

namespace {

// The grid covers the 200 x 200 field in cells of 10 units; points outside
// the field (or not numbers at all) go to the nearest edge cell, so every
// point has a cell and the cells of a rectangle hold every point inside it.
constexpr float fieldLow = -100.0f;
constexpr float cellSize = 10.0f;
constexpr int cellsAcross = 20;

int cellOf(float coordinate)
{
    const float cell = std::floor((coordinate - fieldLow) / cellSize);
    if (!(cell > 0.0f))
        return 0;
    return cell >= static_cast<float>(cellsAcross - 1) ? cellsAcross - 1 : static_cast<int>(cell);
}

} // namespace

void ZombieIndex::watch(const EntityList* entities)
{
    entities_ = entities;
    stale_ = true;
}

void ZombieIndex::rebuild()
{
    stale_ = false;
    entries_.clear();
    cellStart_.assign(cellsAcross * cellsAcross + 1, 0);
    if (entities_ == nullptr)
        return;
    std::vector<int> cells;
    std::vector<Entry> found;
    for (std::size_t place = 0; place < entities_->size(); ++place) {
        Entity* entity = (*entities_)[place];
        if (entity->kind() != EntityKind::Zombie)
            continue;
        auto* zombie = dynamic_cast<Zombie*>(entity);
        if (zombie == nullptr)
            continue;
        found.push_back({zombie, place});
        cells.push_back(cellOf(zombie->sprite.y) * cellsAcross + cellOf(zombie->sprite.x));
        ++cellStart_[static_cast<std::size_t>(cells.back()) + 1];
    }
    for (std::size_t c = 1; c < cellStart_.size(); ++c)
        cellStart_[c] += cellStart_[c - 1];
    entries_.resize(found.size());
    std::vector<std::size_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i < found.size(); ++i)
        entries_[next[static_cast<std::size_t>(cells[i])]++] = found[i];
}

Zombie* ZombieIndex::firstInside(const Sprite& area)
{
    if (stale_)
        rebuild();
    if (entries_.empty())
        return nullptr;
    // The rectangle's edges as pointInSprite computes them; cellOf keeps
    // their order, so a point between them lies in a cell between theirs.
    const int left = cellOf(area.x - area.width / 2);
    const int right = cellOf(area.x + area.width / 2);
    const int bottom = cellOf(area.y - area.height / 2);
    const int top = cellOf(area.y + area.height / 2);
    Zombie* first = nullptr;
    std::size_t firstPlace = std::numeric_limits<std::size_t>::max();
    for (int row = bottom; row <= top; ++row) {
        for (int column = left; column <= right; ++column) {
            const std::size_t cell = static_cast<std::size_t>(row * cellsAcross + column);
            // A cell's entries are in list order: past the first found so
            // far, or past a hit, nothing in the cell can come earlier.
            for (std::size_t i = cellStart_[cell]; i < cellStart_[cell + 1]; ++i) {
                const Entry& entry = entries_[i];
                if (entry.place >= firstPlace)
                    break;
                if (pointInSprite(area, entry.zombie->sprite.x, entry.zombie->sprite.y)) {
                    first = entry.zombie;
                    firstPlace = entry.place;
                    break;
                }
            }
        }
    }
    return first;
}

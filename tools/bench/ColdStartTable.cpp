#include "tools/bench/ColdStartTable.h"

#include <cstdio>
#include <functional>

namespace {

constexpr int nameWidth = 34;
constexpr int columnWidth = 17;

} // namespace

void ColdStartTable::add(const std::string& heading, const TransitionBench::ColdStart& cold,
                         const TransitionBench::ColdStart& nothingAhead, const TransitionBench::PictureCosts& costs)
{
    columns_.push_back({heading, cold, nothingAhead, costs});
}

void ColdStartTable::print() const
{
    if (columns_.empty())
        return;
    std::printf("\ncold start: wall ms (New Game on the title menu's first frame, %zu runs; "
                "one frame is 16.7 ms)\n%-*s",
                columns_.front().cold.newGame.wall.count(), nameWidth, "");
    for (const Column& column : columns_)
        std::printf(" %*s", columnWidth, column.heading.c_str());
    std::printf("\n");
    const auto row = [this](const char* name, const std::function<double(const Column&)>& figure) {
        std::printf("%-*s", nameWidth, name);
        for (const Column& column : columns_)
            std::printf(" %*.3f", columnWidth, figure(column));
        std::printf("\n");
    };
    row("first New Game, median", [](const Column& c) { return c.cold.newGame.wall.median(); });
    row("first New Game, max", [](const Column& c) { return c.cold.newGame.wall.max(); });
    row("first new background, median", [](const Column& c) { return c.cold.levelChange.wall.median(); });
    row("first new background, max", [](const Column& c) { return c.cold.levelChange.wall.max(); });
    row("nothing ahead: New Game, max", [](const Column& c) { return c.nothingAhead.newGame.wall.max(); });
    row("nothing ahead: new background, max", [](const Column& c) { return c.nothingAhead.levelChange.wall.max(); });
    row("pictures of a game: decode, sum", [](const Column& c) { return c.costs.decode.total(); });
    row("pictures of a game: levels, sum", [](const Column& c) { return c.costs.levels.total(); });
    row("pictures of a game: upload, sum", [](const Column& c) { return c.costs.upload.total(); });
    row("largest picture: upload", [](const Column& c) { return c.costs.upload.max(); });
}

#include "tools/bench/ColdStartTable.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int nameWidth = 42;
constexpr int columnWidth = 17;

const char* stateName(PictureWorker::State state)
{
    switch (state) {
    case PictureWorker::State::waiting:
        return "wait";
    case PictureWorker::State::preparing:
        return "hand";
    case PictureWorker::State::prepared:
        return "done";
    }
    return "?";
}

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
    row("first New Game, CPU median", [](const Column& c) { return c.cold.newGame.cpu.median(); });
    row("first New Game, CPU max", [](const Column& c) { return c.cold.newGame.cpu.max(); });
    row("first New Game, waiting for the worker, max",
        [](const Column& c) { return c.cold.newGameWaited.max(); });
    row("its longest frame (fade paced), median", [](const Column& c) { return c.cold.newGameFrames.longest.wall.median(); });
    row("its longest frame, max", [](const Column& c) { return c.cold.newGameFrames.longest.wall.max(); });
    row("its longest frame, CPU max", [](const Column& c) { return c.cold.newGameFrames.longest.cpu.max(); });
    row("any frame of its fade, median", [](const Column& c) { return c.cold.newGameFrames.every.median(); });
    row("worker's head start, median", [](const Column& c) { return c.cold.workerHeadStart.median(); });
    row("first new background, median", [](const Column& c) { return c.cold.levelChange.wall.median(); });
    row("first new background, max", [](const Column& c) { return c.cold.levelChange.wall.max(); });
    row("first new background, CPU max", [](const Column& c) { return c.cold.levelChange.cpu.max(); });
    row("nothing ahead: New Game, max", [](const Column& c) { return c.nothingAhead.newGame.wall.max(); });
    row("nothing ahead: longest frame, max", [](const Column& c) { return c.nothingAhead.newGameFrames.longest.wall.max(); });
    row("nothing ahead: new background, max", [](const Column& c) { return c.nothingAhead.levelChange.wall.max(); });
    row("pictures of a game: decode, sum", [](const Column& c) { return c.costs.decode.total(); });
    row("pictures of a game: levels, sum", [](const Column& c) { return c.costs.levels.total(); });
    row("pictures of a game: upload, sum", [](const Column& c) { return c.costs.upload.total(); });
    row("largest picture: upload", [](const Column& c) { return c.costs.upload.max(); });
    printNewGamePictures();
}

void ColdStartTable::printNewGamePictures() const
{
    // Every column's New Game loads the same pictures; the rows follow the
    // first column's, each cell its place in the worker's list at the press,
    // its state then and its decoding and levels in ms.
    const Column& first = columns_.front();
    std::printf("\nfirst New Game's pictures: place in the worker's list at the press, state, decode+levels ms\n");
    for (const TransitionBench::TakenPicture& picture : first.cold.newGamePictures) {
        const std::size_t slash = picture.key.find_last_of('/');
        const std::string name = picture.key.substr(slash == std::string::npos ? 0 : slash + 1);
        std::printf("%-*s", nameWidth, name.c_str());
        for (const Column& column : columns_) {
            const auto taken = std::find_if(column.cold.newGamePictures.begin(), column.cold.newGamePictures.end(),
                                            [&picture](const TransitionBench::TakenPicture& t) { return t.key == picture.key; });
            const auto cost = std::find_if(column.costs.prepareByPicture.begin(), column.costs.prepareByPicture.end(),
                                           [&picture](const auto& byPicture) { return byPicture.first == picture.key; });
            char cell[64];
            if (taken == column.cold.newGamePictures.end())
                std::snprintf(cell, sizeof cell, "-");
            else
                std::snprintf(cell, sizeof cell, "#%d %s %.2f", taken->place, stateName(taken->state),
                              cost == column.costs.prepareByPicture.end() ? 0.0 : cost->second);
            std::printf(" %*s", columnWidth, cell);
        }
        std::printf("\n");
    }
}

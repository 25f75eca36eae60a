#include "tools/bench/BenchReport.h"

#include <cstdio>
#include <fstream>

namespace {

void csvRow(std::ofstream& out, const std::string& resolution, const char* kind, const std::string& name,
            int objects, const char* measure, const TimingSeries& series)
{
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "%zu,%.4f,%.4f,%.4f,%.4f", series.count(), series.first(),
                  series.median(), series.percentile(99.0), series.max());
    out << resolution << ',' << kind << ',' << name << ','
        << (objects < 0 ? std::string() : std::to_string(objects)) << ',' << measure << ',' << numbers << '\n';
}

} // namespace

void BenchReport::addScreen(const std::string& resolution, ScreenRow row)
{
    screens_.emplace_back(resolution, std::move(row));
}

void BenchReport::addTransition(const std::string& resolution, TransitionRow row)
{
    transitions_.emplace_back(resolution, std::move(row));
}

void BenchReport::addRecording(const std::string& resolution, RecordingRow row)
{
    recordings_.emplace_back(resolution, std::move(row));
}

void BenchReport::print(const std::string& resolution) const
{
    std::printf("\n%s, per frame: CPU time of the game's thread in ms (update, render, both), "
                "and the whole frame's wall time with Mesa drawing it\n", resolution.c_str());
    std::printf("%-28s %7s | %-23s | %-15s | %-15s | %s\n", "screen", "objects", "update+render p50/p99/max",
                "update p50/p99", "render p50/p99", "frame p50 (wall)");
    for (const auto& [at, row] : screens_) {
        if (at != resolution)
            continue;
        const std::string objects = row.objects < 0 ? "-" : std::to_string(row.objects);
        std::printf("%-28s %7s | %6.3f %7.3f %8.3f | %6.3f %8.3f | %6.3f %8.3f | %8.3f\n", row.name.c_str(),
                    objects.c_str(), row.updateAndRender.median(), row.updateAndRender.percentile(99.0),
                    row.updateAndRender.max(), row.update.median(), row.update.percentile(99.0),
                    row.render.median(), row.render.percentile(99.0), row.frame.median());
    }
    std::printf("\n%s, transitions: wall ms over the runs (first = the first of the run, before any "
                "picture was kept); median CPU ms\n", resolution.c_str());
    std::printf("%-28s %8s %8s %8s | %8s\n", "transition", "first", "median", "max", "cpu p50");
    for (const auto& [at, row] : transitions_) {
        if (at != resolution)
            continue;
        std::printf("%-28s %8.3f %8.3f %8.3f | %8.3f\n", row.name.c_str(), row.wall.first(), row.wall.median(),
                    row.wall.max(), row.cpu.median());
    }
    if (recordings_.empty())
        return;
    std::printf("\n%s, recording the game: CPU ms per frame without and with the recording, side by side "
                "in one run; the ratio of the medians; a recording's start, wall ms\n", resolution.c_str());
    std::printf("%-28s %7s | %-15s | %-15s | %7s | %s\n", "screen", "objects", "plain p50/p99", "recorded p50/p99",
                "ratio", "start median/max");
    for (const auto& [at, row] : recordings_) {
        if (at != resolution)
            continue;
        const double ratio = row.plain.median() > 0.0 ? row.recorded.median() / row.plain.median() : 0.0;
        std::printf("%-28s %7d | %6.3f %8.3f | %6.3f %8.3f | %7.3f | %6.3f %8.3f\n", row.name.c_str(), row.objects,
                    row.plain.median(), row.plain.percentile(99.0), row.recorded.median(),
                    row.recorded.percentile(99.0), ratio, row.start.median(), row.start.max());
    }
}

bool BenchReport::writeCsv(const std::string& path) const
{
    std::ofstream out(path);
    out << "resolution,kind,name,objects,measure,samples,first_ms,p50_ms,p99_ms,max_ms\n";
    for (const auto& [resolution, row] : screens_) {
        csvRow(out, resolution, "screen", row.name, row.objects, "update", row.update);
        csvRow(out, resolution, "screen", row.name, row.objects, "render", row.render);
        csvRow(out, resolution, "screen", row.name, row.objects, "update+render", row.updateAndRender);
        csvRow(out, resolution, "screen", row.name, row.objects, "frame", row.frame);
    }
    for (const auto& [resolution, row] : transitions_) {
        csvRow(out, resolution, "transition", row.name, -1, "wall", row.wall);
        csvRow(out, resolution, "transition", row.name, -1, "cpu", row.cpu);
    }
    for (const auto& [resolution, row] : recordings_) {
        csvRow(out, resolution, "recording", row.name, row.objects, "plain", row.plain);
        csvRow(out, resolution, "recording", row.name, row.objects, "recorded", row.recorded);
        csvRow(out, resolution, "recording", row.name, row.objects, "start", row.start);
    }
    return static_cast<bool>(out);
}

#include "app/ReplayVerdict.h"

#include "app/GameState.h"
#include "app/Playback.h"
#include "app/ReplayFile.h"

bool ReplayVerdict::matches(const Replay& replay) const
{
    return departure.empty() && (!replay.finished || finalState == replay.finalState);
}

ReplayVerdict verdictOf(const Playback& playback)
{
    ReplayVerdict verdict;
    verdict.frames = playback.frame();
    verdict.departure = playback.departure();
    if (verdict.departure.empty() && !playback.finished())
        verdict.departure = "frame " + std::to_string(playback.frame()) + ": the game ended before the recorded run did";
    verdict.hashesChecked = playback.hashesChecked();
    verdict.finalState = describeGameState();
    return verdict;
}

std::string replayVerdictLines(const ReplayVerdict& verdict, const Replay& replay, bool expect)
{
    std::string lines = "frames " + std::to_string(verdict.frames) + "\n" + verdict.finalState;
    if (!verdict.departure.empty())
        lines += "departs at " + verdict.departure + "\n";
    if (!expect)
        return lines;
    if (!replay.finished)
        lines += "FAIL: the recording was cut short: it holds no final state to expect\n";
    else if (!verdict.matches(replay))
        lines += "FAIL: the run does not end as recorded; the recording ends with:\n" + replay.finalState;
    else
        lines += "ends as recorded (" + std::to_string(verdict.hashesChecked) + " state hashes compared)\n";
    return lines;
}

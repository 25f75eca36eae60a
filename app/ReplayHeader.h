#pragma once

#include <string>

#include "app/ReplayBytes.h"

struct Replay;

// A recording's header (docs/replay-format.md): the magic, the format
// version and every field up to the first event, of every version read.
class ReplayHeader {
public:
    // The header of `replay` as the current format version writes it.
    static std::string encode(const Replay& replay);

    // Reads the magic and the header from the start of `in` into `replay`
    // (emptied first), leaving `in` at the first event. False with a
    // one-line reason in `error` (cutShort for a header the bytes end in).
    static bool decode(replayBytes::Reader& in, const std::string& bytes, Replay& replay,
                       std::string& error);

    static constexpr const char* cutShort = "the recording is damaged: its header is cut short";
};

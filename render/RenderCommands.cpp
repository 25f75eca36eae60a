#include "render/RenderCommands.h"

#include <cstring>

namespace {

static_assert(sizeof(DrawState) == 4 * 24, "DrawState has no padding");
static_assert(sizeof(QuadCommand) == 4 * 12, "QuadCommand has no padding");
static_assert(sizeof(RectCommand) == 4 * 7, "RectCommand has no padding");
static_assert(sizeof(TextCommand) == 4 * 8, "TextCommand has no padding");
static_assert(sizeof(RenderCommand) == 4 * 2, "RenderCommand has no padding");
static_assert(sizeof(ClearCommand) == 4 * 4, "ClearCommand has no padding");

template <typename T>
bool sameBytes(const std::vector<T>& a, const std::vector<T>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

template <typename T>
std::uint32_t append(std::vector<T>& list, const T& item)
{
    list.push_back(item);
    return static_cast<std::uint32_t>(list.size() - 1);
}

} // namespace

void FrameRecord::clearAll()
{
    commands.clear();
    clears.clear();
    states.clear();
    quads.clear();
    rects.clear();
    texts.clear();
    textBytes.clear();
}

void FrameRecord::clear(const ClearCommand& clear)
{
    commands.push_back({RenderCommand::Clear, append(clears, clear)});
}

void FrameRecord::state(const DrawState& state)
{
    commands.push_back({RenderCommand::State, append(states, state)});
}

void FrameRecord::quad(const QuadCommand& quad)
{
    commands.push_back({RenderCommand::Quad, append(quads, quad)});
}

void FrameRecord::rect(const RectCommand& rect)
{
    commands.push_back({RenderCommand::Rect, append(rects, rect)});
}

void FrameRecord::text(TextCommand command, const std::string& text)
{
    command.textStart = static_cast<std::uint32_t>(textBytes.size());
    command.textLength = static_cast<std::uint32_t>(text.size());
    textBytes += text;
    commands.push_back({RenderCommand::Text, append(texts, command)});
}

bool FrameRecord::operator==(const FrameRecord& other) const
{
    return sameBytes(commands, other.commands) && sameBytes(clears, other.clears) && sameBytes(states, other.states) && sameBytes(quads, other.quads)
        && sameBytes(rects, other.rects) && sameBytes(texts, other.texts) && textBytes == other.textBytes;
}

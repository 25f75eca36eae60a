// The save folder as the load list scans it and a save writes into it: the
// input describes a folder (files, folders, pipes and links with names and
// contents), the load list is built from it, and a game is saved into it.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "FuzzSupport.h"
#include "menus/SaveList.h"
#include "play/SaveRecord.h"

namespace {

namespace fs = std::filesystem;

// Reads one byte of the input; 0 once it is used up.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    std::string bytes(std::size_t count)
    {
        std::string taken;
        while (count-- > 0 && at < size)
            taken.push_back(static_cast<char>(data[at++]));
        return taken;
    }
};

// A plain file name of 1 to 32 bytes from the input, with one of the endings
// a save folder may hold.
std::string entryName(Input& in)
{
    std::string name = in.bytes(1 + in.byte() % 32);
    for (char& c : name)
        if (c == '/' || c == '\0')
            c = '_';
    static const char* const endings[] = {"", ".sav", ".sav.tmp", ".tmp", ".SAV"};
    name += endings[in.byte() % 5];
    if (name.empty() || name == "." || name == "..")
        name = "x" + name;
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path folder = fuzz::scratch() / "Save";
    std::error_code code;
    fs::remove_all(folder, code);
    fs::create_directories(folder, code);

    Input in{data, size};
    for (int entries = 0; in.at < in.size && entries < 64; ++entries) {
        const std::uint8_t kind = in.byte() % 5;
        const fs::path path = folder / entryName(in);
        // Each name once: writing into a pipe made earlier would wait forever.
        if (fs::symlink_status(path, code).type() != fs::file_type::not_found) {
            in.bytes(in.byte());
            continue;
        }
        if (kind == 0 || kind == 1) {
            std::ofstream out(path, std::ios::binary);
            out << in.bytes(in.byte());
        } else if (kind == 2) {
            fs::create_directory(path, code);
        } else if (kind == 3) {
            mkfifo(path.c_str(), 0600);
        } else {
            fs::create_symlink(in.byte() % 2 ? "/dev/zero" : "nowhere", path, code);
        }
    }

    for (const SaveEntry& entry : SaveList::scan(folder.string())) {
        const std::string& name = entry.fileName;
        fuzz::require(name.size() >= 4 && name.compare(name.size() - 4, 4, ".sav") == 0,
                      "only names ending in .sav are listed");
        fuzz::require(entry.line.size() <= SaveList::maxLineLength, "list lines are cut");
    }
    for (const auto& entry : fs::directory_iterator(folder, code)) {
        const std::string name = entry.path().filename().string();
        const bool pending = name.size() >= 8 && name.compare(name.size() - 8, 8, ".sav.tmp") == 0;
        fuzz::require(!pending || entry.symlink_status(code).type() != fs::file_type::regular,
                      "no pending save file outlives the load list");
    }

    const SaveRecord record{static_cast<std::int32_t>(size), 30, 1234, 1};
    std::error_code why;
    if (writeSaveRecord((folder / "written.sav").string(), record, why)) {
        const SaveRecord back = readSaveRecord((folder / "written.sav").string());
        fuzz::require(back.level == record.level && back.score == record.score, "a save reads back");
    }
    fuzz::require(!fs::exists(folder / "written.sav.tmp", code) || fs::is_directory(folder / "written.sav.tmp", code),
                  "a save leaves no pending file");
    return 0;
}

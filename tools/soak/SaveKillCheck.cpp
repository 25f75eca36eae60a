#include "tools/soak/SaveKillCheck.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "menus/SaveList.h"
#include "play/SaveRecord.h"

namespace {

namespace fs = std::filesystem;

constexpr int slots = 3;
constexpr long long saverLimit = 1000000;
const char* const journalName = "journal.txt";

SaveRecord recordOf(long long n)
{
    SaveRecord record;
    record.level = static_cast<std::int32_t>(n % 15 + 1);
    record.hp = static_cast<std::int32_t>(n % 31);
    record.score = static_cast<std::int32_t>(n);
    record.introShowing = static_cast<std::uint8_t>(n % 2);
    return record;
}

std::string slotPath(const std::string& folder, int slot)
{
    return folder + "/slot" + std::to_string(slot) + ".sav";
}

bool matchesPattern(const std::string& bytes, SaveRecord& record)
{
    record = decodeSaveRecord(bytes);
    const SaveRecord expected = recordOf(record.score);
    return record.score >= 0 && encodeSaveRecord(expected) == bytes;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool pending(const std::string& name)
{
    return name.size() >= 8 && name.compare(name.size() - 8, 8, ".sav.tmp") == 0;
}

int countPending(const std::string& folder)
{
    int count = 0;
    std::error_code code;
    for (const auto& entry : fs::directory_iterator(folder, code))
        count += pending(entry.path().filename().string()) ? 1 : 0;
    return count;
}

} // namespace

int runSaver(const std::string& folder)
{
    // Carries on from the newest save the journal confirmed.
    long long n = 0;
    {
        std::ifstream journal(folder + "/" + journalName);
        int slot = 0;
        long long saved = 0;
        while (journal >> slot >> saved)
            n = std::max(n, saved + 1);
    }
    std::FILE* journal = std::fopen((folder + "/" + journalName).c_str(), "a");
    if (journal == nullptr)
        return 1;
    for (long long end = n + saverLimit; n < end; ++n) {
        const int slot = static_cast<int>(n % slots);
        std::error_code why;
        if (!writeSaveRecord(slotPath(folder, slot), recordOf(n), why)) {
            std::fprintf(stderr, "saver: save %lld failed: %s\n", n, why.message().c_str());
            return 1;
        }
        std::fprintf(journal, "%d %lld\n", slot, n);
        std::fflush(journal);
    }
    std::fclose(journal);
    return 0;
}

int checkSaves(const std::string& folder, bool keepStrays)
{
    std::map<int, long long> confirmed;
    {
        std::ifstream journal(folder + "/" + journalName);
        int slot = 0;
        long long saved = 0;
        while (journal >> slot >> saved)
            confirmed[slot] = std::max(confirmed[slot], saved);
    }
    // A save the kill cut off after its file was in place but before the
    // journal heard of it is a good save too: every file present must be
    // whole, and every confirmed save must be there or replaced by a newer one.
    int lost = 0;
    int damaged = 0;
    int present = 0;
    for (int slot = 0; slot < slots; ++slot) {
        std::error_code code;
        const auto newest = confirmed.find(slot);
        if (!fs::is_regular_file(slotPath(folder, slot), code)) {
            lost += newest != confirmed.end() ? 1 : 0;
            continue;
        }
        ++present;
        SaveRecord record;
        if (!matchesPattern(readAll(slotPath(folder, slot)), record) || record.score % slots != slot)
            ++damaged;
        else if (newest != confirmed.end() && record.score < newest->second)
            ++lost;
    }
    const int strays = countPending(folder);
    int listed = -1;
    int leftAfterList = strays;
    if (!keepStrays) {
        listed = static_cast<int>(SaveList::scan(folder).size());
        leftAfterList = countPending(folder);
    }
    std::printf("check: %zu names saved, %d lost, %d damaged, %d pending files found, %d left after %s\n",
                confirmed.size(), lost, damaged, strays, leftAfterList,
                keepStrays ? "the check (no list built)" : "the load list was built");
    const bool listRight = keepStrays || listed == present;
    if (!listRight)
        std::printf("check: the load list shows %d games, the folder holds %d\n", listed, present);
    return lost == 0 && damaged == 0 && listRight && (keepStrays || leftAfterList == 0) ? 0 : 1;
}

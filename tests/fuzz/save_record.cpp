// The saved-game record: any bytes as a stored record, as a file and as a
// string, and the stored form written back.
#include "FuzzSupport.h"
#include "play/SaveRecord.h"

namespace {

bool same(const SaveRecord& a, const SaveRecord& b)
{
    return a.level == b.level && a.hp == b.hp && a.score == b.score && a.introShowing == b.introShowing;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string stored(reinterpret_cast<const char*>(data), size);
    const SaveRecord record = decodeSaveRecord(stored);
    const std::string again = encodeSaveRecord(record);
    fuzz::require(again.size() >= 13 && again.size() <= 26, "a stored record is 13 to 26 bytes");
    fuzz::require(same(decodeSaveRecord(again), record), "the stored form reads back as written");

    // A file reads as the first 26 bytes of it decode.
    const std::string path = fuzz::writeScratch("game.sav", data, size);
    fuzz::require(same(readSaveRecord(path), decodeSaveRecord(stored.substr(0, 26))),
                  "a file reads as its bytes decode");
    return 0;
}

#include "render/PictureCache.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "render/PictureWorker.h"
#include "render/Renderer.h"

PictureCache pictureCache;

std::string PictureCache::fileOf(const std::string& path)
{
    std::string slashed = path;
    for (char& c : slashed)
        if (c == '\\')
            c = '/';
    if (slashed.empty() || slashed.front() != '/') {
        std::error_code error;
        slashed = std::filesystem::current_path(error).string() + "/" + slashed;
    }
    return slashed;
}

std::string PictureCache::keyOf(const std::string& path, std::uint32_t colourKey)
{
    char keyText[16];
    std::snprintf(keyText, sizeof keyText, "|%08x", static_cast<unsigned int>(colourKey));
    return fileOf(path) + keyText;
}

bool PictureCache::takeAhead(const std::string& path, std::uint32_t colourKey, PreparedPicture& picture)
{
    return ahead_ != nullptr && ahead_->take(path, colourKey, picture);
}

unsigned int PictureCache::share(const std::string& path, std::uint32_t colourKey)
{
    const auto found = byKey_.find(keyOf(path, colourKey));
    if (found == byKey_.end())
        return 0;
    ++byName_[found->second].holders;
    return found->second;
}

void PictureCache::add(const std::string& path, std::uint32_t colourKey, unsigned int name)
{
    if (name == 0)
        return;
    ++filesRead_;
    const std::string key = keyOf(path, colourKey);
    // A second upload of a picture already here (a caller that loaded without
    // asking share first) replaces it for later loads; the earlier name stays
    // with its holders until they give it back.
    const auto earlier = byKey_.find(key);
    if (earlier != byKey_.end()) {
        const unsigned int earlierName = earlier->second;
        byKey_.erase(earlier);
        byName_[earlierName].key.clear();
        if (byName_[earlierName].holders == 0)
            forget(earlierName);
    }
    byKey_[key] = name;
    byName_[name] = Picture{key, 1};
}

std::size_t PictureCache::idle() const
{
    std::size_t count = 0;
    for (const auto& [name, picture] : byName_)
        if (picture.holders == 0)
            ++count;
    return count;
}

bool PictureCache::giveBack(unsigned int name)
{
    const auto found = byName_.find(name);
    if (found == byName_.end())
        return false;
    Picture& picture = found->second;
    if (picture.holders == 0)
        return true;
    --picture.holders;
    if (picture.holders == 0 && (!keepIdle_ || picture.key.empty()))
        forget(name);
    return true;
}

void PictureCache::keepIdlePictures(bool keep)
{
    keepIdle_ = keep;
    if (keep)
        return;
    for (auto it = byName_.begin(); it != byName_.end();) {
        const unsigned int name = it->first;
        const bool idle = it->second.holders == 0;
        ++it;
        if (idle)
            forget(name);
    }
}

int PictureCache::holders(unsigned int name) const
{
    const auto found = byName_.find(name);
    return found == byName_.end() ? 0 : found->second.holders;
}

void PictureCache::forget(unsigned int name)
{
    const auto found = byName_.find(name);
    if (found == byName_.end())
        return;
    const auto byKey = byKey_.find(found->second.key);
    if (byKey != byKey_.end() && byKey->second == name)
        byKey_.erase(byKey);
    byName_.erase(found);
    renderer().releaseTexture(name);
}

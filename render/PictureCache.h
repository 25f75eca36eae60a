#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

class PictureWorker;
class PreparedPicture;

// The pictures Texture::load has uploaded, shared by name: every load of the
// same file (the same path from the same working directory, "\" and "/"
// alike) with the same colour key gets the same texture, and each load
// counts one more holder. Texture::release gives one hold back; the name is
// deleted when the last holder has given it back, so no screen ever loses a
// picture another screen still draws.
//
// While a run keeps its pictures (keepIdlePictures(true), from the title
// screen's start to shut-down), a picture nobody holds any more stays
// loaded, so the next screen that loads it needs neither the file nor the
// decoder: New Game, the in-game menu's copy, Load Game and the level
// changes then only hand out names. The game's data does not change while it
// runs; a file changed on disk during a run is read again only after the run
// has ended.
//
// Every call needs the renderer the pictures were loaded with to be the one
// installed, its context current (giving back and keepIdlePictures(false)
// delete names).
class PictureCache {
public:
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The name of the picture at path loaded with colourKey, when it is
    // loaded (held or kept), counting one more holder; 0 when it must be read
    // from its file.
    unsigned int share(const std::string& path, std::uint32_t colourKey);

    // Records a picture just uploaded into name from path with colourKey,
    // with one holder.
    void add(const std::string& path, std::uint32_t colourKey, unsigned int name);

    // One holder gives name back. False when the cache does not know the name
    // (it was not made by add); the caller deletes such a name itself. When
    // the last holder gives a picture back its name is deleted, unless idle
    // pictures are kept; giving back a picture nobody holds does nothing.
    bool giveBack(unsigned int name);

    // Whether pictures nobody holds stay loaded. Turning it off deletes every
    // picture nobody holds; a picture still held is deleted when its last
    // holder gives it back.
    void keepIdlePictures(bool keep);

    // How many holders name has (0 for a kept idle picture or an unknown name).
    int holders(unsigned int name) const;

    // Pictures loaded, held or idle.
    std::size_t size() const { return byName_.size(); }

    // Pictures kept loaded that nobody holds.
    std::size_t idle() const;

    // Pictures read from their files since the program started (each add).
    std::size_t filesRead() const { return filesRead_; }

    // The worker that prepares pictures ahead (the preloader's,
    // render/PicturePreloader.h), or null for none. Not owned: the owner
    // hands null before it destroys the worker.
    void prepareAheadWith(PictureWorker* worker) { ahead_ = worker; }
    PictureWorker* aheadWorker() const { return ahead_; }

    // Takes the picture at path with colourKey from the worker preparing
    // ahead, waiting for it while it is being prepared. False when there is
    // no worker or it was not asked for that picture.
    bool takeAhead(const std::string& path, std::uint32_t colourKey, PreparedPicture& picture);

    // The file a load of path names: absolute, with "/" for "\", against
    // the working directory of now (tools run several data folders).
    static std::string fileOf(const std::string& path);

    // The cache's name for the picture at path loaded with colourKey: its
    // file and its key, one picture per key.
    static std::string keyOf(const std::string& path, std::uint32_t colourKey);

private:
    struct Picture {
        std::string key;
        int holders = 0;
    };

    void forget(unsigned int name);

    std::unordered_map<std::string, unsigned int> byKey_;
    std::unordered_map<unsigned int, Picture> byName_;
    bool keepIdle_ = false;
    std::size_t filesRead_ = 0;
    PictureWorker* ahead_ = nullptr;
};

// The cache Texture::load and Texture::release go through. Like titleTexture
// it belongs to the one class that uses it and lives beside it, since the
// layers below app/ may not include app/.
extern PictureCache pictureCache;

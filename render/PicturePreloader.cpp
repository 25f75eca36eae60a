#include "render/PicturePreloader.h"

#include "render/PictureBound.h"
#include "render/PictureCache.h"
#include "render/Renderer.h"
#include "render/Texture.h"

PicturePreloader::PicturePreloader(bool ownThread)
    : worker_(largestPictureSide(), renderer().drawsPixels(), ownThread)
{
    pictureCache.prepareAheadWith(&worker_);
}

PicturePreloader::~PicturePreloader()
{
    if (pictureCache.aheadWorker() == &worker_)
        pictureCache.prepareAheadWith(nullptr);
}

void PicturePreloader::add(const std::vector<PictureRequest>& requests)
{
    worker_.add(requests);
}

bool PicturePreloader::loadNext()
{
    PictureRequest request;
    PreparedPicture picture;
    if (!worker_.takeNext(false, request, picture))
        return false;
    keep(request, picture);
    return true;
}

int PicturePreloader::loadAll()
{
    int loaded = 0;
    PictureRequest request;
    PreparedPicture picture;
    while (worker_.takeNext(true, request, picture)) {
        keep(request, picture);
        ++loaded;
    }
    return loaded;
}

void PicturePreloader::keep(const PictureRequest& request, const PreparedPicture& picture)
{
    Texture texture;
    if (texture.loadPrepared(request.path, request.colourKey, picture))
        texture.release();
}

#include "render/PicturePreloader.h"

#include "render/Texture.h"

void PicturePreloader::add(const std::vector<PictureRequest>& requests)
{
    queue_.insert(queue_.end(), requests.begin(), requests.end());
}

bool PicturePreloader::loadNext()
{
    if (queue_.empty())
        return false;
    const PictureRequest request = queue_.front();
    queue_.pop_front();
    Texture picture;
    if (picture.load(request.path, request.colourKey))
        picture.release();
    return true;
}

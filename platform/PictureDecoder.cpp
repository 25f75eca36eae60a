#include "platform/PictureDecoder.h"

#include <IL/il.h>

void initPictureDecoder()
{
    static bool started = false;
    if (started)
        return;
    ilInit();
    started = true;
}

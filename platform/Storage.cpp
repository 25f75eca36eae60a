#include "platform/Storage.h"

namespace {

Storage desktopStorage;
Storage* installedStorage = nullptr;

} // namespace

Storage& storage()
{
    return installedStorage != nullptr ? *installedStorage : desktopStorage;
}

void useStorage(Storage* storage)
{
    installedStorage = storage;
}

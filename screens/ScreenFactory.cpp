#include "screens/ScreenFactory.h"

#include <stdexcept>

namespace {

const ScreenFactory* installed = nullptr;

} // namespace

void installScreenFactory(const ScreenFactory* factory)
{
    installed = factory;
}

const ScreenFactory& screenFactory()
{
    if (installed == nullptr)
        throw std::logic_error("no screen factory installed: the program must call installScreenFactories() "
                               "before it changes screens");
    return *installed;
}

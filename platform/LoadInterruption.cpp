#include "platform/LoadInterruption.h"

namespace {

LoadInterruptionCheck interruption = nullptr;

} // namespace

void setLoadInterruption(LoadInterruptionCheck check)
{
    interruption = check;
}

bool loadInterrupted()
{
    return interruption != nullptr && interruption();
}

// SPDX-License-Identifier: MIT
#include "PollingEventLoop.h"

#include <poll.h>

bool isReady(GeneratorRun::EndHandle handle)
{
    pollfd watched {handle, POLLIN, 0};
    return poll(&watched, 1, 0) == 1;
}

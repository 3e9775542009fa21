// SPDX-License-Identifier: MIT
#include "PollingEventLoop.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

bool isReady(GeneratorRun::EndHandle handle)
{
    return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
}

// SPDX-License-Identifier: MIT
#include "PollingEventLoop.h"

#include "WindowsApi.h"

bool isReady(GeneratorRun::EndHandle handle)
{
    return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
}

// SPDX-License-Identifier: MIT
#include "RecordingDesktop.h"

#include "Form.h"

void RecordingDesktop::record(const char *request, const Form &window)
{
    m_requests.push_back(std::string(request) + ' ' + window.design().name);
}

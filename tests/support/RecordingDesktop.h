// SPDX-License-Identifier: MIT
#pragma once

#include "Desktop.h"

#include <algorithm>
#include <string>
#include <vector>

// Records what the windows ask of the desktop, in order: "show frmLapforge2", "end", ...
class RecordingDesktop : public Desktop
{
public:
    void show(Form &window) override { record("show", window); }
    void hide(Form &window) override { record("hide", window); }
    void unload(Form &window) override { record("unload", window); }
    void end() override { m_requests.emplace_back("end"); }

    const std::vector<std::string> &requests() const { return m_requests; }
    bool ended() const
    {
        return std::find(m_requests.begin(), m_requests.end(), "end") != m_requests.end();
    }

private:
    void record(const char *request, const Form &window);

    std::vector<std::string> m_requests;
};

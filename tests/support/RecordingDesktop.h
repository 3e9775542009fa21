// SPDX-License-Identifier: MIT
#pragma once

#include "Desktop.h"

#include <algorithm>
#include <chrono>
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

    // A clock that moves only when the test says so, and no double click at all unless the
    // test sets its time.
    std::chrono::milliseconds doubleClickTime() const override { return doubleClick; }
    std::chrono::steady_clock::time_point now() const override { return clock; }
    std::chrono::milliseconds doubleClick {0};
    std::chrono::steady_clock::time_point clock {};

    const std::vector<std::string> &requests() const { return m_requests; }
    bool ended() const
    {
        return std::find(m_requests.begin(), m_requests.end(), "end") != m_requests.end();
    }

private:
    void record(const char *request, const Form &window);

    std::vector<std::string> m_requests;
};

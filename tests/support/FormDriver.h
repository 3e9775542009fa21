// SPDX-License-Identifier: MIT
#pragma once

#include "Form.h"

#include <string>
#include <string_view>
#include <vector>

// Drives a form by its controls' design names as a user would through a front end, and
// reads it back in the design's terms.
class FormDriver
{
public:
    explicit FormDriver(Form &form) : m_form(form) { }

    void click(std::string_view name) const { m_form.click(m_form.indexOf(name)); }
    void type(std::string_view name, const std::string &text) const
    {
        m_form.type(m_form.indexOf(name), text);
    }
    void select(std::string_view name, int row) const { m_form.select(m_form.indexOf(name), row); }

    const ControlState &state(std::string_view name) const
    {
        return m_form.state(m_form.indexOf(name));
    }
    const std::string &text(std::string_view name) const { return state(name).text; }
    int value(std::string_view name) const { return state(name).value; }
    bool enabled(std::string_view name) const { return state(name).enabled; }
    bool visible(std::string_view name) const { return state(name).visible; }

    // The names of the chosen option buttons, sorted.
    std::vector<std::string> chosen() const;

    DriveList &drives(std::string_view name) const
    {
        return m_form.driveList(m_form.indexOf(name));
    }
    FolderList &folders(std::string_view name) const
    {
        return m_form.folderList(m_form.indexOf(name));
    }
    // Picks the drive whose text is `drive`, as a user picks it from the list.
    void pickDrive(std::string_view name, const std::string &drive) const;

private:
    Form &m_form;
};

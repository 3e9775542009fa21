// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"
#include "ControlState.h"
#include "DriveList.h"
#include "FolderList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class FileSystem;
class MessageBox;

// A window's controls and their state, made from its design, with none of a toolkit's.
// The window's procedures change the state, a front end shows it and hands on what the user
// does; both go through the same calls, so a value set from code raises the same
// notification as one set by the user.
class Form
{
public:
    Form(const FormDesign &design, const FileSystem &files, MessageBox &messages);
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const FormDesign &design() const { return m_design; }
    std::size_t count() const { return m_states.size(); }
    const ControlDesign &designOf(std::size_t control) const;
    // The control of that name, which the design must have.
    std::size_t indexOf(std::string_view name) const;
    const ControlState &state(std::size_t control) const { return m_states[control]; }

    DriveList &driveList(std::size_t control);
    const DriveList &driveList(std::size_t control) const;
    FolderList &folderList(std::size_t control);
    const FolderList &folderList(std::size_t control) const;

    // The option buttons of each container, in tab order: choosing one clears the others of
    // its group and no other.
    const std::vector<std::vector<std::size_t>> &optionGroups() const { return m_groups; }

    void setText(std::size_t control, std::string text);
    // Choosing an option button raises its click notification when it was not chosen; so
    // does a check box whose value changes. A list's value selects an entry, or none at -1.
    void setValue(std::size_t control, std::int16_t value);
    void setEnabled(std::size_t control, bool enabled);
    void setVisible(std::size_t control, bool visible);
    void addEntry(std::size_t control, std::size_t position, std::string text);

    // What the user does, handed on by a front end. A control that is disabled or hidden
    // takes nothing.
    void click(std::size_t control); // an option button, a check box or a command button
    void type(std::size_t control, std::string text); // a text box or a combo box's field
    void select(std::size_t control, int row); // a list box's or combo box's entry
    void close(); // from the title bar

    // The window's handlers: a control's click, or a drive list's change; the title bar's close.
    void setHandler(std::size_t control, std::function<void()> handler);
    void setCloseHandler(std::function<void()> handler);

    // A front end hears of every control whose state or shown content changed.
    std::function<void(std::size_t control)> changed;

private:
    bool takesInput(std::size_t control) const;
    void tellChanged(std::size_t control) const;
    void raise(std::size_t control) const;
    void chooseOption(std::size_t control);
    void makeOptionGroups();

    const FormDesign &m_design;
    MessageBox &m_messages;
    std::vector<ControlState> m_states;
    std::vector<std::function<void()>> m_handlers;
    std::function<void()> m_closeHandler;
    std::vector<std::vector<std::size_t>> m_groups;
    std::vector<std::unique_ptr<DriveList>> m_driveLists; // by control, where it is one
    std::vector<std::unique_ptr<FolderList>> m_folderLists;
};

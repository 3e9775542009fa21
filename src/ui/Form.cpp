// SPDX-License-Identifier: MIT
#include "Form.h"

#include "FolderPath.h"
#include "MessageBox.h"

#include <algorithm>
#include <stdexcept>

namespace {

ControlState designState(const ControlDesign &design)
{
    ControlState state;
    state.text = design.caption;
    state.visible = !(design.flags & ControlFlag::Hidden);
    if (design.kind == ControlKind::ListBox || design.kind == ControlKind::ComboBox)
        state.value = -1;
    return state;
}

bool isList(ControlKind kind)
{
    return kind == ControlKind::ListBox || kind == ControlKind::ComboBox;
}

} // namespace

Form::Form(const FormDesign &design, const FileSystem &files, MessageBox &messages)
    : m_design(design), m_messages(messages), m_handlers(design.controls.size()),
      m_driveLists(design.controls.size()), m_folderLists(design.controls.size())
{
    for (std::size_t control = 0; control < design.controls.size(); ++control) {
        const ControlDesign &controlDesign = design.controls[control];
        m_states.push_back(designState(controlDesign));
        if (controlDesign.kind == ControlKind::DriveList) {
            auto &drives = m_driveLists[control] = std::make_unique<DriveList>(files);
            drives->shown = [this, control] {
                tellChanged(control);
            };
            drives->changed = [this, control] {
                raise(control);
            };
        } else if (controlDesign.kind == ControlKind::FolderList) {
            auto &folders = m_folderLists[control] = std::make_unique<FolderList>(files);
            folders->shown = [this, control] {
                tellChanged(control);
            };
            folders->openFailed = [this](const std::string &folder, const std::string &reason) {
                m_messages.critical(*this, m_design.caption,
                                    "The folder " + shownPath(folder) + " cannot be opened:\n"
                                        + reason);
            };
        }
    }
    makeOptionGroups();
}

Form::~Form() = default;

const ControlDesign &Form::designOf(std::size_t control) const
{
    return m_design.controls[control];
}

std::size_t Form::indexOf(std::string_view name) const
{
    const auto found = std::find_if(m_design.controls.begin(), m_design.controls.end(),
                                    [name](const ControlDesign &d) { return d.name == name; });
    if (found == m_design.controls.end())
        throw std::invalid_argument("no control " + std::string(name) + " on " + m_design.name);
    return std::size_t(found - m_design.controls.begin());
}

DriveList &Form::driveList(std::size_t control)
{
    return *m_driveLists.at(control);
}

const DriveList &Form::driveList(std::size_t control) const
{
    return *m_driveLists.at(control);
}

FolderList &Form::folderList(std::size_t control)
{
    return *m_folderLists.at(control);
}

const FolderList &Form::folderList(std::size_t control) const
{
    return *m_folderLists.at(control);
}

void Form::setText(std::size_t control, std::string text)
{
    if (m_states[control].text == text)
        return;
    m_states[control].text = std::move(text);
    tellChanged(control);
}

void Form::setValue(std::size_t control, std::int16_t value)
{
    ControlState &state = m_states[control];
    switch (designOf(control).kind) {
    case ControlKind::OptionButton:
        if (value == -1) {
            chooseOption(control);
        } else if (state.value != 0) {
            state.value = 0;
            tellChanged(control);
        }
        return;
    case ControlKind::CheckBox:
        if (state.value == value)
            return;
        state.value = value;
        tellChanged(control);
        raise(control);
        return;
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
        if (value < -1 || value >= std::int16_t(state.entries.size()) || value == state.value)
            return;
        state.value = value;
        if (value >= 0 && designOf(control).kind == ControlKind::ComboBox)
            state.text = state.entries[std::size_t(value)];
        tellChanged(control);
        return;
    default:
        return;
    }
}

void Form::setEnabled(std::size_t control, bool enabled)
{
    if (m_states[control].enabled == enabled)
        return;
    m_states[control].enabled = enabled;
    tellChanged(control);
}

void Form::setVisible(std::size_t control, bool visible)
{
    if (m_states[control].visible == visible)
        return;
    m_states[control].visible = visible;
    tellChanged(control);
}

void Form::addEntry(std::size_t control, std::size_t position, std::string text)
{
    std::vector<std::string> &entries = m_states[control].entries;
    entries.insert(entries.begin() + std::ptrdiff_t(std::min(position, entries.size())),
                   std::move(text));
    tellChanged(control);
}

void Form::click(std::size_t control)
{
    if (!takesInput(control))
        return;
    switch (designOf(control).kind) {
    case ControlKind::OptionButton:
        setValue(control, -1);
        return;
    case ControlKind::CheckBox:
        // As in the classic toolkit, a click on a grayed box checks it.
        setValue(control, m_states[control].value == 1 ? 0 : 1);
        return;
    case ControlKind::CommandButton:
        raise(control);
        return;
    default:
        return;
    }
}

void Form::type(std::size_t control, std::string text)
{
    const ControlDesign &design = designOf(control);
    const bool editable = design.kind == ControlKind::ComboBox
        || (design.kind == ControlKind::TextBox && !(design.flags & ControlFlag::Locked));
    if (!editable || !takesInput(control)) {
        // The front end shows the text that stands.
        tellChanged(control);
        return;
    }
    setText(control, std::move(text));
}

void Form::select(std::size_t control, int row)
{
    if (isList(designOf(control).kind) && takesInput(control))
        setValue(control, std::int16_t(row));
    else
        tellChanged(control);
}

void Form::close()
{
    if (const auto handler = m_closeHandler)
        handler();
}

void Form::setHandler(std::size_t control, std::function<void()> handler)
{
    m_handlers[control] = std::move(handler);
}

void Form::setCloseHandler(std::function<void()> handler)
{
    m_closeHandler = std::move(handler);
}

// A control inside a hidden or disabled frame takes nothing either.
bool Form::takesInput(std::size_t control) const
{
    for (const char *container = designOf(control).container;;) {
        if (!m_states[control].enabled || !m_states[control].visible)
            return false;
        if (!container)
            return true;
        control = indexOf(container);
        container = designOf(control).container;
    }
}

void Form::tellChanged(std::size_t control) const
{
    if (changed)
        changed(control);
}

// A copy, because a handler may replace handlers while it runs.
void Form::raise(std::size_t control) const
{
    if (const auto handler = m_handlers[control])
        handler();
}

void Form::chooseOption(std::size_t control)
{
    const bool wasChosen = m_states[control].value == -1;
    for (const std::vector<std::size_t> &group : m_groups) {
        if (std::find(group.begin(), group.end(), control) == group.end())
            continue;
        for (std::size_t other : group) {
            if (other != control && m_states[other].value != 0) {
                m_states[other].value = 0;
                tellChanged(other);
            }
        }
    }
    m_states[control].value = -1;
    if (wasChosen)
        return;
    tellChanged(control);
    raise(control);
}

// The exclusive groups follow from the containers: every option button placed on one
// frame, or on the window itself, belongs to that one group.
void Form::makeOptionGroups()
{
    std::vector<std::pair<std::string_view, std::vector<std::size_t>>> byContainer;
    for (std::size_t control = 0; control < count(); ++control) {
        const ControlDesign &design = designOf(control);
        if (design.kind != ControlKind::OptionButton)
            continue;
        const std::string_view container = design.container ? design.container : "";
        auto group = std::find_if(byContainer.begin(), byContainer.end(),
                                  [container](const auto &g) { return g.first == container; });
        if (group == byContainer.end())
            group = byContainer.insert(byContainer.end(), {container, {}});
        group->second.push_back(control);
    }
    for (auto &[container, members] : byContainer) {
        std::sort(members.begin(), members.end(), [this](std::size_t a, std::size_t b) {
            return designOf(a).tabIndex < designOf(b).tabIndex;
        });
        m_groups.push_back(std::move(members));
    }
}

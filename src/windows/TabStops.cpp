// SPDX-License-Identifier: MIT
#include "TabStops.h"

#include "Form.h"

#include <algorithm>

namespace {

const std::vector<std::size_t> *groupOf(const Form &form, std::size_t control)
{
    for (const std::vector<std::size_t> &group : form.optionGroups()) {
        if (std::ranges::find(group, control) != group.end())
            return &group;
    }
    return nullptr;
}

bool isGroupStop(const Form &form, const std::vector<std::size_t> &group, std::size_t control,
                 const std::function<bool(std::size_t)> &canFocus)
{
    const auto chosen = std::ranges::find_if(group, [&](std::size_t button) {
        return form.state(button).value == -1 && canFocus(button);
    });
    if (chosen != group.end())
        return *chosen == control;
    const auto first = std::ranges::find_if(group, canFocus);
    return first != group.end() && *first == control;
}

} // namespace

std::vector<std::size_t> tabStops(const Form &form,
                                  const std::function<bool(std::size_t)> &canFocus)
{
    std::vector<std::size_t> stops;
    for (std::size_t control = 0; control < form.count(); ++control) {
        if (!takesFocus(form.designOf(control).kind) || !canFocus(control))
            continue;
        const std::vector<std::size_t> *group = groupOf(form, control);
        if (!group || isGroupStop(form, *group, control, canFocus))
            stops.push_back(control);
    }
    std::ranges::sort(stops, {}, [&form](std::size_t c) { return form.designOf(c).tabIndex; });
    return stops;
}

std::optional<std::size_t> nextTabStop(const Form &form, const std::vector<std::size_t> &stops,
                                       std::optional<std::size_t> from, bool back)
{
    if (stops.empty())
        return std::nullopt;
    if (!from)
        return back ? stops.back() : stops.front();
    const int at = form.designOf(*from).tabIndex;
    if (back) {
        const auto before = std::ranges::find_if(stops.rbegin(), stops.rend(), [&](std::size_t c) {
            return form.designOf(c).tabIndex < at;
        });
        return before != stops.rend() ? *before : stops.back();
    }
    const auto after =
        std::ranges::find_if(stops, [&](std::size_t c) { return form.designOf(c).tabIndex > at; });
    return after != stops.end() ? *after : stops.front();
}

std::optional<std::size_t> nextInOptionGroup(const Form &form, std::size_t button, bool back,
                                             const std::function<bool(std::size_t)> &canFocus)
{
    const std::vector<std::size_t> *group = groupOf(form, button);
    if (!group)
        return std::nullopt;
    std::vector<std::size_t> ring;
    std::ranges::copy_if(*group, std::back_inserter(ring),
                         [&](std::size_t c) { return c == button || canFocus(c); });
    const auto at = std::ranges::find(ring, button);
    const std::size_t place = static_cast<std::size_t>(at - ring.begin());
    const std::size_t size = ring.size();
    return ring[(place + (back ? size - 1 : 1)) % size];
}

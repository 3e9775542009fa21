// SPDX-License-Identifier: MIT
#include "FormDriver.h"

#include <algorithm>

std::vector<std::string> FormDriver::chosen() const
{
    std::vector<std::string> names;
    for (std::size_t control = 0; control < m_form.count(); ++control) {
        if (m_form.designOf(control).kind == ControlKind::OptionButton
            && m_form.state(control).value == -1)
            names.emplace_back(m_form.designOf(control).name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void FormDriver::pickDrive(std::string_view name, const std::string &drive) const
{
    const std::vector<std::string> texts = drives(name).driveTexts();
    const auto row = std::find(texts.begin(), texts.end(), drive);
    drives(name).select(row == texts.end() ? -1 : int(row - texts.begin()));
}

// SPDX-License-Identifier: MIT
#pragma once

#include "Form.h"

#include <cstdint>
#include <string>
#include <string_view>

// One control of a form, found by its design name once, so that the window's procedures
// read as the design writes them: `txtTurn.setText("0")`.
class Control
{
public:
    Control(Form &form, std::string_view name) : m_form(&form), m_index(form.indexOf(name)) { }

    std::size_t index() const { return m_index; }
    const ControlState &state() const { return m_form->state(m_index); }
    const std::string &text() const { return state().text; }
    std::int16_t value() const { return state().value; }

    void setText(std::string text) const { m_form->setText(m_index, std::move(text)); }
    void setValue(std::int16_t value) const { m_form->setValue(m_index, value); }
    void setEnabled(bool enabled) const { m_form->setEnabled(m_index, enabled); }
    void setVisible(bool visible) const { m_form->setVisible(m_index, visible); }
    void addEntry(std::size_t position, std::string text) const
    {
        m_form->addEntry(m_index, position, std::move(text));
    }

private:
    Form *m_form;
    std::size_t m_index;
};

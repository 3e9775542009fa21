// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <utility>
#include <variant>

// Why a step failed, wrapped so that a Result tells it apart from a value of the same type.
template<typename Reason>
struct Failure
{
    Reason reason;
};

template<typename Reason>
Failure(Reason) -> Failure<Reason>;

// What a step that can fail returns: its value, or why there is none.
template<typename Value, typename Reason>
class [[nodiscard]] Result
{
public:
    Result(Value value) : m_state(std::in_place_index<0>, std::move(value)) { }
    template<typename Given>
    Result(Failure<Given> failure) : m_state(std::in_place_index<1>, std::move(failure.reason))
    { }

    explicit operator bool() const { return m_state.index() == 0; }

    const Value &operator*() const & { return std::get<0>(m_state); }
    Value &operator*() & { return std::get<0>(m_state); }
    Value &&operator*() && { return std::get<0>(std::move(m_state)); }
    const Value *operator->() const { return &std::get<0>(m_state); }
    Value *operator->() { return &std::get<0>(m_state); }
    const Reason &failure() const { return std::get<1>(m_state); }

private:
    std::variant<Value, Reason> m_state;
};

// A step that gives nothing back: it succeeded, or here is why not.
template<typename Reason>
class [[nodiscard]] Result<void, Reason>
{
public:
    Result() = default;
    template<typename Given>
    Result(Failure<Given> failure) : m_reason(std::move(failure.reason))
    { }

    explicit operator bool() const { return !m_reason; }

    const Reason &failure() const { return *m_reason; }

private:
    std::optional<Reason> m_reason;
};

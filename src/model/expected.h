// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace tintmere {

// A value or the reason there is none. Readers of files return it so that every failure
// reaches a caller who can show it.
template <typename T, typename E = QString>
class Expected {
public:
    Expected(T value)
        : m_state(std::in_place_index<0>, std::move(value)) {}

    static Expected failure(E error) { return Expected(std::in_place_index<1>, std::move(error)); }

    bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const E& error() const { return std::get<1>(m_state); }

private:
    template <std::size_t I, typename V>
    Expected(std::in_place_index_t<I> index, V&& v)
        : m_state(index, std::forward<V>(v)) {}

    std::variant<T, E> m_state;
};

} // namespace tintmere

#pragma once

// Answers queued in advance for what waits for the user (the save dialog, the
// browser): each question takes the first answer left, and with none left it
// gets nothing, which a save dialog takes as a cancel and the browser as a
// page opened.

#include <deque>
#include <optional>

namespace rsa::testing {

template <typename T> std::optional<T> takeFirst(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<T> first = std::move(queue.front());
    queue.pop_front();
    return first;
}

} // namespace rsa::testing

// How the event thread waits for a blocking call made on another thread:
// the front end keeps its window painted, movable and closable meanwhile,
// and delivers it no input. Calls stay synchronous to their caller.
#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <utility>

namespace velk {

class EventThreadWait {
public:
    virtual ~EventThreadWait() = default;

    // Runs `call`, which throws nothing, on another thread and returns once
    // it has returned.
    virtual void RunElsewhere(const std::function<void()>& call) = 0;
};

// Runs `call` through `wait`; gives back its result, or throws on the
// caller's thread what it threw.
template <typename Call>
auto CallElsewhere(EventThreadWait& wait, Call&& call) -> decltype(call()) {
    std::optional<decltype(call())> result;
    std::exception_ptr error;
    wait.RunElsewhere([&]() noexcept {
        try {
            result.emplace(call());
        } catch (...) {
            error = std::current_exception();
        }
    });
    if (error) std::rethrow_exception(error);
    return std::move(*result);
}

}  // namespace velk

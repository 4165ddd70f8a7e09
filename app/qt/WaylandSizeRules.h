// What a window of one size does on Wayland when it is asked to grow, as
// decisions without a toolkit, on a clock of the caller's (FixedSize.h says
// why). A frame Qt draws itself offers a maximize button regardless, and a
// strict compositor ends a client that does not take the size it grants: so
// a large state is let through until the first frame at the granted size is
// drawn, then asked away and the window fixed again. A compositor that does
// not answer within a bound gets the fixed size back all the same; one that
// grants a large state again and again, each soon after the last was taken
// back (kiosk shells), is given its way after a few times in a row.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace velk::qt {

// What the rules do to the window.
class ResizableWindow {
public:
    virtual ~ResizableWindow() = default;
    // Lets it take any size; false where it was not of one size to begin with.
    virtual bool Lift() = 0;
    // Back to its one size, limits and all.
    virtual void Fix() = 0;
    // Asks the compositor for the normal state.
    virtual void AskForNormal() = 0;
    // One more frame, drawn and committed.
    virtual void Repaint() = 0;
    // Whether its size now is other than its one size.
    virtual bool Grown() const = 0;
};

using Milliseconds = std::int64_t;

class WaylandSizeRules {
public:
    // How long the compositor may take to answer, and how long the window
    // must stay at its size before a new large state is a new request.
    static constexpr Milliseconds kAnswerBound = 1000;
    // Large states in a row, each soon after the last was taken back, after
    // which the compositor is given its way.
    static constexpr int kGiveUpAfter = 3;

    WaylandSizeRules(ResizableWindow& window, std::function<Milliseconds()> now)
        : window_(window), now_(std::move(now)) {}

    // The window asks for a state (large or not), itself or for the desktop.
    void Asked(bool large);
    // The compositor has applied a state.
    void Applied(bool large);
    // The window's size changed.
    void Resized();
    // A frame was drawn, and has been committed.
    void Drawn();
    // When the rules want to be told the time next (Tick), if ever.
    std::optional<Milliseconds> Deadline() const { return deadline_; }
    void Tick();

    // The next frame drawn, once committed, lets the granted state go.
    bool AwaitsFrame() const { return phase_ == Phase::Granted && grown_; }
    // While a request is let through, the window is not to fix its own size
    // (a message box does on a layout request), nor announce its limits.
    bool Settled() const { return phase_ == Phase::Fixed; }

private:
    enum class Phase { Fixed, Asked, Granted, Returning, GaveUp };

    bool Lift();
    void Grant();
    void TakeBack();
    void Fix();

    ResizableWindow& window_;
    std::function<Milliseconds()> now_;
    Phase phase_ = Phase::Fixed;
    bool grown_ = false;
    int inARow_ = 0;
    std::optional<Milliseconds> deadline_;     // the compositor's answer is due
    std::optional<Milliseconds> quietUntil_;  // a new large state before this is given again at once
};

}  // namespace velk::qt

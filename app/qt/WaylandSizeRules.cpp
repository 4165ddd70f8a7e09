#include "WaylandSizeRules.h"

namespace velk::qt {

void WaylandSizeRules::Asked(bool large) {
    if (!large || phase_ != Phase::Fixed || !Lift()) return;
    phase_ = Phase::Asked;
    deadline_ = now_() + kAnswerBound;
}

void WaylandSizeRules::Applied(bool large) {
    if (!large) {
        // A state from before the request (a configure already on its way)
        // changes nothing; the answer to it is still to come.
        if (phase_ != Phase::Fixed && phase_ != Phase::Asked) Fix();
        return;
    }
    if (phase_ == Phase::Fixed && !Lift()) return;  // the compositor's own request
    if (phase_ == Phase::Returning) ++inARow_;      // given again at once
    if (phase_ == Phase::GaveUp) return;
    Grant();
}

void WaylandSizeRules::Resized() {
    if (phase_ == Phase::Granted && window_.Grown()) grown_ = true;
}

// The frame at the granted size is on screen: the state can go.
void WaylandSizeRules::Drawn() {
    if (phase_ == Phase::Granted && grown_) TakeBack();
}

void WaylandSizeRules::Tick() {
    if (!deadline_ || now_() < *deadline_) return;
    deadline_.reset();
    if (phase_ == Phase::Asked) {
        window_.AskForNormal();  // the window's idea of its state follows the limits back
        Fix();
    } else if (phase_ == Phase::Granted) {
        TakeBack();
    }
}

bool WaylandSizeRules::Lift() {
    inARow_ = quietUntil_ && now_() < *quietUntil_ ? inARow_ + 1 : 0;
    quietUntil_.reset();
    return window_.Lift();
}

void WaylandSizeRules::Grant() {
    if (inARow_ >= kGiveUpAfter) {
        phase_ = Phase::GaveUp;
        deadline_.reset();
        return;
    }
    phase_ = Phase::Granted;
    grown_ = window_.Grown();
    if (grown_) window_.Repaint();  // its frame may already be drawn: one more
    deadline_ = now_() + kAnswerBound;
}

void WaylandSizeRules::TakeBack() {
    if (phase_ != Phase::Granted) return;
    phase_ = Phase::Returning;
    deadline_.reset();
    window_.AskForNormal();
}

void WaylandSizeRules::Fix() {
    deadline_.reset();
    phase_ = Phase::Fixed;
    window_.Fix();
    quietUntil_ = now_() + kAnswerBound;
}

}  // namespace velk::qt

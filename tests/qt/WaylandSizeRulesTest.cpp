// The Wayland size rules against the answers compositors give, on a clock of
// the test's own: what they do to the window, step by step.
#include "WaylandSizeRules.h"

#include "support/RowName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velk::qt {
namespace {

class FakeWindow final : public ResizableWindow {
public:
    bool Lift() override { return Log("lift"), fixed; }
    void Fix() override { Log("fix"), grown = false; }
    void AskForNormal() override { Log("normal"); }
    void Repaint() override { Log("repaint"); }
    bool Grown() const override { return grown; }
    void Log(const char* action) { log += log.empty() ? action : std::string(" ") + action; }

    bool fixed = true;
    bool grown = false;
    std::string log;
};

// A compositor's answer, or the window's own doing, at a time (ms).
enum class Event { AskLarge, GrantLarge, GrantNormal, Grow, Draw, Tick };
struct Step {
    Milliseconds at;
    Event event;
};

struct RulesCase {
    const char* name;
    std::vector<Step> steps;
    std::string done;  // what the window was told, in order
    bool fixed = true;
};

class WaylandRules : public testing::TestWithParam<RulesCase> {};

TEST_P(WaylandRules, AnswerTheCompositorAsTheRowSays) {
    FakeWindow window;
    window.fixed = GetParam().fixed;
    Milliseconds now = 0;
    WaylandSizeRules rules(window, [&now] { return now; });
    for (const Step& step : GetParam().steps) {
        now = step.at;
        switch (step.event) {
        case Event::AskLarge: rules.Asked(true); break;
        case Event::GrantLarge: rules.Applied(true); break;
        case Event::GrantNormal: rules.Applied(false); break;
        case Event::Grow: window.grown = true, rules.Resized(); break;
        case Event::Draw: if (rules.AwaitsFrame()) rules.Drawn(); break;
        case Event::Tick: rules.Tick(); break;
        }
    }
    EXPECT_EQ(window.log, GetParam().done);
}

using enum Event;
// One maximize: asked, granted, grown, drawn, taken back, normal again.
std::vector<Step> Maximize(Milliseconds at) {
    return {{at, AskLarge}, {at + 50, GrantLarge}, {at + 60, Grow}, {at + 70, Draw}, {at + 90, GrantNormal}};
}
std::vector<Step> Join(std::vector<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WaylandRules,
    testing::Values(
        RulesCase{"GrantedDrawnAndTakenBack", Maximize(0), "lift normal fix"},
        RulesCase{"SilentCompositorGetsTheSizeBackAfterTheBound", {{0, AskLarge}, {999, Tick}, {1000, Tick}},
                  "lift normal fix"},
        RulesCase{"GrantedButNeverGrownIsTakenBackAfterTheBound",
                  {{0, AskLarge}, {50, GrantLarge}, {70, Draw}, {1049, Tick}, {1050, Tick}, {1080, GrantNormal}},
                  "lift normal fix"},
        RulesCase{"AStaleNormalStateChangesNothing",
                  {{0, AskLarge}, {10, GrantNormal}, {50, GrantLarge}, {60, Grow}, {70, Draw}, {90, GrantNormal}},
                  "lift normal fix"},
        RulesCase{"TheCompositorsOwnRequestIsLetThrough",
                  {{0, GrantLarge}, {10, Grow}, {20, Draw}, {40, GrantNormal}}, "lift normal fix"},
        RulesCase{"AFrameDrawnBeforeTheGrantTakesNothingBack",
                  {{0, AskLarge}, {10, Draw}, {50, GrantLarge}, {60, Grow}, {70, Draw}, {90, GrantNormal}},
                  "lift normal fix"},
        RulesCase{"AlreadyGrownAtTheGrantIsDrawnOnceMore",
                  {{0, AskLarge}, {5, Grow}, {50, GrantLarge}, {70, Draw}, {90, GrantNormal}}, "lift repaint normal fix"},
        RulesCase{"RequestsFarApartAreEachTakenBack", Join({Maximize(0), Maximize(2000), Maximize(4000), Maximize(6000)}),
                  "lift normal fix lift normal fix lift normal fix lift normal fix"},
        RulesCase{"AKioskShellGetsItsWayAfterThreeInARow",
                  Join({Maximize(0), Maximize(200), Maximize(400), {{600, AskLarge}, {650, GrantLarge}, {660, Grow},
                                                                    {670, Draw}, {5000, Tick}}}),
                  "lift normal fix lift normal fix lift normal fix lift"},
        RulesCase{"AWindowOfNoOneSizeIsLeftAlone", {{0, AskLarge}, {50, GrantLarge}, {1500, Tick}}, "lift lift", false}),
    test::RowName());

}  // namespace
}  // namespace velk::qt

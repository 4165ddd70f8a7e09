// The press owner fed as the front ends feed it: pointer buttons on or off
// "Start", presses from keys and assistive technology, closes, also while a
// start is running.
#include "StartPress.h"

#include "AppError.h"
#include "support/Fakes.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

using test::EventLog;

enum class Step { DownOnStart, DownElsewhere, SecondDownOnStart, UpOnStart, UpElsewhere, Press, Close };

void Apply(StartPress& press, Step step, EventLog& log) {
    switch (step) {
    case Step::DownOnStart: press.PointerDown(true); break;
    case Step::DownElsewhere: press.PointerDown(false); break;
    case Step::SecondDownOnStart: press.PointerDown(true, true); break;
    case Step::UpOnStart: press.PointerUp(true); break;
    case Step::UpElsewhere: press.PointerUp(false); break;
    case Step::Press: press.Press(); break;
    case Step::Close: log.push_back(press.Close() ? L"close now" : L"close later"); break;
    }
}

struct PressCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<Step> duringFirstStart;  // fed while the first start runs
    bool startFails;
    EventLog expected;
};

class StartPresses : public testing::TestWithParam<PressCase> {};

TEST_P(StartPresses, StartOnceForEachIntent) {
    EventLog log;
    test::FakeMessageBoxes boxes(log);
    test::FakePressFrontEnd frontEnd(log);
    StartPress* owner = nullptr;
    int starts = 0;
    StartPress press(
        [&] {
            log.push_back(L"start");
            if (starts++ == 0) {
                for (const Step step : GetParam().duringFirstStart) Apply(*owner, step, log);
            }
            if (GetParam().startFails) throw AppError(L"Cannot start the game client.");
        },
        boxes, frontEnd);
    owner = &press;

    for (const Step step : GetParam().steps) Apply(press, step, log);

    EXPECT_EQ(log, GetParam().expected);
}

using enum Step;
const EventLog kOneStart{L"busy", L"start", L"discard", L"idle"};

INSTANTIATE_TEST_SUITE_P(
    Table, StartPresses,
    testing::Values(
        PressCase{"AClickOnStart", {DownOnStart, UpOnStart}, {}, false, kOneStart},
        PressCase{"ReleasedElsewhere", {DownOnStart, UpElsewhere, UpOnStart}, {}, false, {}},
        PressCase{"PressedElsewhere", {DownElsewhere, UpOnStart}, {}, false, {}},
        PressCase{"ADoubleClickIsOnePress", {DownOnStart, UpOnStart, SecondDownOnStart, UpOnStart}, {}, false, kOneStart},
        PressCase{"TwoClicksApartAreTwo", {DownOnStart, UpOnStart, DownOnStart, UpOnStart}, {}, false,
                  {L"busy", L"start", L"discard", L"idle", L"busy", L"start", L"discard", L"idle"}},
        PressCase{"PressesDuringAPressAreDropped", {Press}, {Press, DownOnStart, UpOnStart, Press}, false, kOneStart},
        PressCase{"AClickBegunDuringAPressIsForgotten", {DownOnStart, UpOnStart, UpOnStart}, {DownOnStart}, false,
                  kOneStart},
        PressCase{"AFailureIsReportedAndEnds", {Press, Press}, {}, true,
                  {L"busy", L"start", L"discard", L"idle", L"error box: Cannot start the game client.", L"end 1"}},
        PressCase{"ACloseDuringAPressEndsAfterIt", {Press}, {Close, Close}, false,
                  {L"busy", L"start", L"hide", L"close later", L"close later", L"discard", L"idle", L"end 0"}},
        PressCase{"ACloseWhenIdleClosesAtOnce", {Close}, {}, false, {L"close now"}}),
    test::RowName());

}  // namespace
}  // namespace velk

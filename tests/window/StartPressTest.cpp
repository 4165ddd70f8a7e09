// The press owner fed as the front ends feed it: pointer buttons on or off
// "Start" at their times, keys with the platform's repeat flag, presses from
// assistive technology, closes, also while a start is running. The front
// ends' own tests drive the key rows through real platform events.
#include "StartPress.h"

#include "AppError.h"
#include "support/Fakes.h"
#include "support/KeyRows.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

using test::EventLog;

enum class Kind { DownOnStart, DownElsewhere, UpOnStart, UpElsewhere, Press, Close };
constexpr InputTime kDoubleClickTime = 500;

struct Step {
    Kind kind;
    InputTime at = 0;  // ms, for pointer downs
    Step(Kind k, InputTime time = 0) : kind(k), at(time) {}
};

void Apply(StartPress& press, const Step& step, EventLog& log) {
    switch (step.kind) {
    case Kind::DownOnStart: press.PointerDown(true, step.at, kDoubleClickTime); break;
    case Kind::DownElsewhere: press.PointerDown(false, step.at, kDoubleClickTime); break;
    case Kind::UpOnStart: press.PointerUp(true); break;
    case Kind::UpElsewhere: press.PointerUp(false); break;
    case Kind::Press: press.Press(); break;
    case Kind::Close: log.push_back(press.Close() ? L"close now" : L"close later"); break;
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
                for (const Step& step : GetParam().duringFirstStart) Apply(*owner, step, log);
            }
            if (GetParam().startFails) throw AppError(L"Cannot start the game client.");
        },
        boxes, frontEnd);
    owner = &press;

    for (const Step& step : GetParam().steps) Apply(press, step, log);

    EXPECT_EQ(log, GetParam().expected);
}

using enum Kind;
const EventLog kOneStart{L"busy", L"start", L"discard", L"idle"};
const EventLog kTwoStarts{L"busy", L"start", L"discard", L"idle", L"busy", L"start", L"discard", L"idle"};
// A click on Start at `at` ms.
std::vector<Step> ClickAt(std::initializer_list<InputTime> times) {
    std::vector<Step> steps;
    for (const InputTime at : times) steps.insert(steps.end(), {Step(DownOnStart, at), Step(UpOnStart)});
    return steps;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartPresses,
    testing::Values(
        PressCase{"AClickOnStart", {DownOnStart, UpOnStart}, {}, false, kOneStart},
        PressCase{"ReleasedElsewhere", {DownOnStart, UpElsewhere, UpOnStart}, {}, false, {}},
        PressCase{"PressedElsewhere", {DownElsewhere, UpOnStart}, {}, false, {}},
        PressCase{"ADoubleClickIsOnePress", ClickAt({0, 200}), {}, false, kOneStart},
        PressCase{"FiveClicks90msApartAreOne", ClickAt({0, 90, 180, 270, 360}), {}, false, kOneStart},
        PressCase{"ABurstThenAClickLaterAreTwo", ClickAt({0, 90, 180, 1680}), {}, false, kTwoStarts},
        PressCase{"TwoClicksApartAreTwo", ClickAt({0, 1000}), {}, false, kTwoStarts},
        PressCase{"TheTimeStampWrappingIsStillABurst", ClickAt({0xFFFFFFF0u, 80}), {}, false, kOneStart},
        PressCase{"AClickElsewhereEndsABurst", {DownOnStart, UpOnStart, {DownElsewhere, 100}, {DownOnStart, 200}, UpOnStart},
                  {}, false, kTwoStarts},
        PressCase{"ABurstGoesOnPastItsPress", {DownOnStart, UpOnStart, {DownOnStart, 700}, UpOnStart},
                  {{DownOnStart, 300}, UpOnStart}, false, kOneStart},
        PressCase{"PressesDuringAPressAreDropped", {Press}, {Press, DownOnStart, UpOnStart, Press}, false, kOneStart},
        PressCase{"AClickBegunDuringAPressIsForgotten", {DownOnStart, UpOnStart, UpOnStart}, {{DownOnStart, 900}}, false,
                  kOneStart},
        PressCase{"AFailureIsReportedAndEnds", {Press, Press}, {}, true,
                  {L"busy", L"start", L"discard", L"idle", L"error box: Cannot start the game client.", L"end 1"}},
        PressCase{"ACloseDuringAPressEndsAfterIt", {Press}, {Close, Close}, false,
                  {L"busy", L"start", L"hide", L"close later", L"close later", L"discard", L"idle", L"end 0"}},
        PressCase{"ACloseWhenIdleClosesAtOnce", {Close}, {}, false, {L"close now"}}),
    test::RowName());

// The shared key rows, fed as a front end feeds them: Tab moves the focus
// between the news box and "Start", keys on "Start" and Alt with a
// character go to the press owner, the repeats of a held key marked.
struct CoreKey {
    StartKey key;
    KeyModifiers modifiers;
    wchar_t character;
};

CoreKey CoreKeyOf(test::Typed typed) {
    const KeyModifiers none;
    switch (typed) {
    case test::Typed::Return: return {StartKey::Return, none, L'\r'};
    case test::Typed::KeypadEnter: return {StartKey::Enter, none, L'\r'};
    case test::Typed::Space: return {StartKey::Space, none, L' '};
    case test::Typed::CtrlReturn: return {StartKey::Return, {.control = true}, L'\n'};
    case test::Typed::AltS: return {StartKey::Other, {.alt = true}, L's'};
    case test::Typed::AltShiftS: return {StartKey::Other, {.shift = true, .alt = true}, L'S'};
    case test::Typed::AltX: return {StartKey::Other, {.alt = true}, L'x'};
    default: return {StartKey::Other, none, L's'};
    }
}

class StartKeys : public testing::TestWithParam<test::KeyRow> {};

TEST_P(StartKeys, PressStartAsOftenAsTheRowSays) {
    EventLog log;
    test::FakeMessageBoxes boxes(log);
    test::FakePressFrontEnd frontEnd(log);
    int presses = 0;
    StartPress press([&presses] { ++presses; }, boxes, frontEnd);
    bool onStart = false;
    InputTime time = 1000;
    for (const test::Stroke& stroke : GetParam().strokes) {
        const CoreKey key = CoreKeyOf(stroke.key);
        for (int repeat = 0; repeat <= stroke.repeats; ++repeat) {
            const KeyStamp stamp{static_cast<std::uint32_t>(stroke.key), time += 33};
            if (repeat > 0 && stroke.asX11Pairs) press.KeyUp(stamp);
            const bool flagged = repeat > 0 && !stroke.asX11Pairs;
            if (stroke.key == test::Typed::Tab || stroke.key == test::Typed::ShiftTab) {
                onStart = !onStart;
            } else if (!press.AccessKeyDown(key.character, key.modifiers, flagged, stamp) && onStart) {
                press.FocusedKeyDown(key.key, key.modifiers, flagged, stamp);
            }
        }
        press.KeyUp({static_cast<std::uint32_t>(stroke.key), time += 20});
    }
    EXPECT_EQ(presses, GetParam().presses);
    EXPECT_EQ(onStart, GetParam().startFocused);
}

INSTANTIATE_TEST_SUITE_P(Table, StartKeys, testing::ValuesIn(test::kKeyRows), test::RowName());

}  // namespace
}  // namespace velk

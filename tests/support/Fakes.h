// Fakes of the window and the message boxes that write what happens to them
// into one shared log, so tests can check the order of events.
#pragma once

#include "AppError.h"
#include "LauncherView.h"
#include "MessageBoxes.h"
#include "ProgramStart.h"
#include "StartPress.h"
#include "TextCodec.h"

#include <functional>

#include <string>
#include <vector>

namespace velk::test {

using EventLog = std::vector<std::wstring>;

class FakeForm final : public LauncherView {
public:
    explicit FakeForm(EventLog& log) : log_(log) {}
    void SetCaption(const std::wstring& caption) override { log_.push_back(L"caption: " + caption); }
    void SetNewsText(const std::wstring& news) override { log_.push_back(L"news: " + news); }

private:
    EventLog& log_;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    explicit FakeMessageBoxes(EventLog& log) : log_(log) {}
    void Show(const std::wstring& text, MessageIcon icon) override {
        log_.push_back((icon == MessageIcon::Error ? L"error box: " : L"box: ") + text);
    }

private:
    EventLog& log_;
};

// Logs each start as "start <program> <argument> [state <n>]"; `fail`
// makes it throw instead, as a missing client would.
class FakeProgramStarter final : public ProgramStarter {
public:
    explicit FakeProgramStarter(EventLog& log) : log_(log) {}
    void Start(const Path& program, const std::wstring& argument, WindowState state) override {
        if (duringStart) duringStart();
        if (fail) throw AppError(L"Cannot start the game client: file not found.");
        log_.push_back(L"start " + PathToText(program) + L" " + argument + L" [state " +
                       std::to_wstring(static_cast<int>(state)) + L"]");
    }
    bool fail = false;
    std::function<void()> duringStart;

private:
    EventLog& log_;
};

// What the press owner asks of a front end, logged.
class FakePressFrontEnd final : public PressFrontEnd {
public:
    explicit FakePressFrontEnd(EventLog& log) : log_(log) {}
    void ShowBusy(bool busy) override { log_.push_back(busy ? L"busy" : L"idle"); }
    void SettleHeldInput() override { log_.push_back(L"discard"); }
    void HideWindow() override { log_.push_back(L"hide"); }
    void End(int status) override { log_.push_back(L"end " + std::to_wstring(status)); }

private:
    EventLog& log_;
};

}  // namespace velk::test

// Fakes of the window and the message boxes that write what happens to them
// into one shared log, so tests can check the order of events.
#pragma once

#include "Form1View.h"
#include "MessageBoxes.h"

#include <string>
#include <vector>

namespace velk::test {

using EventLog = std::vector<std::wstring>;

class FakeForm final : public Form1View {
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

}  // namespace velk::test

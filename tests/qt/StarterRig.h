// A starter on a temporary folder with fakes for the platform, for the Qt
// front end's tests.
#pragma once

#include "QtEventThreadWait.h"
#include "Starter.h"
#include "WaitingSocketLayer.h"

#include "support/FakeSocketLayer.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

#include <QTest>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace velk::qt::test {

using namespace velk::test;

// Records, at each message box, whether the main window was visible.
class WatchingBoxes final : public MessageBoxes {
public:
    explicit WatchingBoxes(test::EventLog& log) : log_(log) {}
    void Show(const std::wstring& text, MessageIcon icon) override {
        log_.push_back((icon == MessageIcon::Error ? L"error box: " : L"box: ") + text +
                       (window && window->isVisible() ? L" [window visible]" : L" [window hidden]"));
    }
    const QWidget* window = nullptr;

private:
    test::EventLog& log_;
};

// Counts a widget's paints; each takes `delayMs` more, as on a slow or
// loaded machine.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(int& paints, int delayMs = 0) : paints_(paints), delayMs_(delayMs) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        ++paints_;
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs_));
        return false;
    }

private:
    int& paints_;
    int delayMs_;
};

// A starter on a temporary folder with fakes for the platform, all writing
// into one log.
struct StarterRig {
    test::TempFolder folder;
    test::EventLog log;
    WatchingBoxes boxes{log};
    test::FakeSocketLayer sockets{log};
    // Lookups on another thread, waited for as the starter waits for them.
    QtEventThreadWait wait;
    WaitingSocketLayer waitingSockets{sockets, wait};
    test::FakeProgramStarter programs{log};
    Starter starter{boxes, {[this] { return folder.Path(); }, waitingSockets, programs},
                    [this](int status) { log.push_back(L"end " + std::to_wstring(status)); }};

    StarterRig() {
        boxes.window = &starter.Window();
        sockets.hosts["alpha"] = {4, {test::Bytes({10, 1, 2, 3})}};
    }

    // Starts with a valid file and clears the log of the welcome box.
    void StartShown() {
        folder.Write("config.ini", "alpha,800,My Server,news\n");
        ASSERT_TRUE(starter.Start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&starter.Window()));
        log.clear();
    }

    // A click as the window system delivers it, through the window's own
    // search for the widget under the pointer.
    void ClickAt(QPoint at) { QTest::mouseClick(starter.Window().windowHandle(), Qt::LeftButton, {}, at); }
};

}  // namespace velk::qt::test

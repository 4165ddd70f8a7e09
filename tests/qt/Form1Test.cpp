#include "Form1.h"
#include "StarterRig.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "support/KeyRows.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk::qt {
namespace {

using test::StarterRig;

struct Geometry {
    const char* name;
    QRect rect;
};

class Form1Controls : public testing::TestWithParam<Geometry> {};

TEST_P(Form1Controls, SitAtTheirDesignedRectangles) {
    Form1 form;
    const auto* control = form.findChild<QWidget*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(Layout, Form1Controls,
                         testing::Values(Geometry{"Text1", {521, 16, 185, 105}}, Geometry{"Label1", {536, 0, 73, 17}},
                                         Geometry{"Label2", {88, 48, 57, 25}}, Geometry{"Image1", {-24, 0, 538, 123}},
                                         Geometry{"Line1", {520, 0, 1, 120}}, Geometry{"Line2", {520, 16, 192, 1}}),
                         test::RowName());

TEST(Form1, StartsWithItsDesignedCaptionSizeAndContent) {
    Form1 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vellmark Starter"));
    EXPECT_EQ(form.size(), QSize(709, 125));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.Controls().Text1->toPlainText().isEmpty());
    EXPECT_EQ(form.Controls().Label1->text(), QStringLiteral("News"));
    EXPECT_EQ(form.Controls().Label2->text(), QStringLiteral("Start"));
    EXPECT_EQ(form.Controls().Image1->pixmap().size(), QSize(538, 123));
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST(Form1, StacksTheNewsBoxOverEverythingAndTheBannerUnderEverything) {
    Form1 form;
    const QObjectList& children = form.children();  // back to front
    QStringList order;
    for (const QObject* child : children) {
        if (child->isWidgetType()) order << child->objectName();
    }
    EXPECT_EQ(order, (QStringList{"Image1", "Label2", "Line1", "Line2", "Label1", "Text1"}));
}

TEST(Starter, WelcomesBeforeTheWindowIsShown) {
    StarterRig rig;
    rig.folder.Write("config.ini", "alpha,800\nMy Server\nDouble XP all weekend\n");

    ASSERT_TRUE(rig.starter.Start());

    EXPECT_EQ(rig.log, test::EventLog{L"box: Welcome to Tobin_Ravel's Loader, Currently being used for My Server "
                                      L"[window hidden]"});
    EXPECT_TRUE(rig.starter.Window().isVisible());
    EXPECT_EQ(rig.starter.Window().windowTitle(), QStringLiteral("My Server"));
    EXPECT_EQ(rig.starter.Window().Controls().Text1->toPlainText(), QStringLiteral("Double XP all weekend"));
    EXPECT_EQ(rig.starter.Window().focusWidget(), rig.starter.Window().Controls().Text1);
}

TEST(Starter, ReportsAMissingSettingsFileAndNeverShowsTheWindow) {
    StarterRig rig;

    EXPECT_FALSE(rig.starter.Start());

    ASSERT_EQ(rig.log.size(), 1u);
    EXPECT_TRUE(rig.log[0].starts_with(L"error box: Cannot read the settings file")) << testing::PrintToString(rig.log);
    EXPECT_NE(rig.log[0].find(L"file not found"), std::wstring::npos);
    EXPECT_FALSE(rig.starter.Window().isVisible());
}

struct ClickCase {
    const char* name;
    QPoint at;
    bool starts;
    bool doubleClick = false;
};

class StarterClick : public testing::TestWithParam<ClickCase> {};

TEST_P(StarterClick, OnlyStartStartsTheClientOncePerClick) {
    StarterRig rig;
    rig.StartShown();

    if (GetParam().doubleClick) {
        QTest::mouseDClick(rig.starter.Window().windowHandle(), Qt::LeftButton, {}, GetParam().at);
    } else {
        rig.ClickAt(GetParam().at);
    }

    const std::wstring started = L"start " + PathToText(rig.folder.Path() / "velk.exe") + L" 10.1.2.3:800 [state 2]";
    EXPECT_EQ(rig.log, (GetParam().starts ? test::EventLog{L"startup 257", started} : test::EventLog{}));
}

INSTANTIATE_TEST_SUITE_P(Table, StarterClick,
                         testing::Values(ClickCase{"OnTheWord", {100, 60}, true},
                                         ClickCase{"TopLeftCorner", {88, 48}, true},
                                         ClickCase{"BottomRightCorner", {144, 72}, true},
                                         ClickCase{"JustLeft", {87, 60}, false},
                                         ClickCase{"JustBelow", {100, 73}, false},
                                         ClickCase{"Banner", {300, 30}, false},
                                         ClickCase{"News", {540, 8}, false},
                                         ClickCase{"Separator", {520, 60}, false},
                                         ClickCase{"NewsBox", {600, 60}, false},
                                         ClickCase{"DoubleClickOnTheWord", {100, 60}, true, true}),
                         test::RowName());

TEST(StarterClickFailure, ReportsAClientThatDoesNotStartAndEnds) {
    StarterRig rig;
    rig.StartShown();
    rig.programs.fail = true;

    rig.ClickAt({100, 60});

    EXPECT_EQ(rig.log, (test::EventLog{L"startup 257",
                                       L"error box: Cannot start the game client: file not found. [window visible]",
                                       L"end 1"}));
}

// A player without a mouse (the shared key rows), through the window as Qt
// hands it key events: each key's down, its repeats, its up.
struct QtKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

QtKey QtKeyOf(test::Typed typed) {
    using enum test::Typed;
    switch (typed) {
    case Tab: return {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")};
    case ShiftTab: return {Qt::Key_Backtab, Qt::ShiftModifier, {}};
    case Return: return {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    case KeypadEnter: return {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")};
    case Space: return {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")};
    case CtrlReturn: return {Qt::Key_Return, Qt::ControlModifier, {}};
    case LetterS: return {Qt::Key_S, Qt::NoModifier, QStringLiteral("s")};
    case AltS: return {Qt::Key_S, Qt::AltModifier, QStringLiteral("s")};
    case AltShiftS: return {Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("S")};
    case AltX: return {Qt::Key_X, Qt::AltModifier, QStringLiteral("x")};
    }
    return {};
}

class StarterKeys : public testing::TestWithParam<test::KeyRow> {};

TEST_P(StarterKeys, PressStartAsOftenAsTheRowSays) {
    StarterRig rig;
    rig.StartShown();
    Form1& form = rig.starter.Window();
    const test::Timing timing = GetParam().timing;
    ulong time = 1000;
    const auto send = [&](QEvent::Type type, const QtKey& key, ulong step, bool autoRepeat) {
        if (timing == test::Timing::Apart) time += step;
        const ulong stamp = timing == test::Timing::Unknown ? 0 : time;
        // As Qt delivers a key: its shortcuts first.
        if (type == QEvent::KeyPress &&
            qt_sendShortcutOverrideEvent(form.windowHandle(), stamp, key.key, key.modifiers, key.text, autoRepeat)) {
            return;
        }
        QKeyEvent event(type, key.key, key.modifiers, key.text, autoRepeat);
        event.setTimestamp(stamp);
        QApplication::sendEvent(form.windowHandle(), &event);
    };
    for (const test::Stroke& stroke : GetParam().strokes) {
        const QtKey key = QtKeyOf(stroke.key);
        send(QEvent::KeyPress, key, 1000, false);
        for (int repeat = 0; repeat < stroke.repeats; ++repeat) {
            if (stroke.asX11Pairs) send(QEvent::KeyRelease, key, 33, false);
            send(QEvent::KeyPress, key, stroke.asX11Pairs ? 0 : 33, !stroke.asX11Pairs);
        }
        send(QEvent::KeyRelease, key, 20, false);
    }

    const auto starts = std::count_if(rig.log.begin(), rig.log.end(), [](const std::wstring& line) { return line.starts_with(L"start "); });
    EXPECT_EQ(starts, GetParam().presses) << testing::PrintToString(rig.log);
    ASSERT_NE(form.focusWidget(), nullptr);
    EXPECT_EQ(form.focusWidget(), GetParam().startFocused ? static_cast<QWidget*>(form.Controls().Label2) : form.Controls().Text1);
}

INSTANTIATE_TEST_SUITE_P(Table, StarterKeys, testing::ValuesIn(test::kKeyRows), test::RowName());

// The focus frame and the access key show only once the keyboard is used:
// a mouse player's window stays as designed.
TEST(StarterKeys, ShowTheKeyboardCuesOnlyOnceAKeyIsUsed) {
    StarterRig rig;
    rig.StartShown();
    Form1& form = rig.starter.Window();
    const QImage before = form.grab().toImage();
    rig.ClickAt({100, 60});
    EXPECT_FALSE(form.Controls().Label2->KeyboardCuesShown());
    EXPECT_EQ(form.grab().toImage(), before) << "the window changed for a mouse player";

    QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
    EXPECT_TRUE(form.Controls().Label2->KeyboardCuesShown());
    EXPECT_NE(form.grab().toImage(), before) << "no focus frame around Start";
}

// While a lookup waits on its thread, the window paints and can be closed,
// but takes no input: a second click and a key are dropped, under the busy
// pointer. The close hides it at once and ends the starter after the start.
TEST(StarterWhileALookupWaits, PaintsTakesNoInputAndClosesAfterTheStart) {
    StarterRig rig;
    rig.StartShown();
    Form1& form = rig.starter.Window();
    std::atomic<bool> answer{false};
    // Answers once the test has looked, or after 5 s should nothing come.
    rig.sockets.duringLookup = [&answer] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!answer && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    };
    int paints = 0;
    test::PaintCounter counter(paints);
    form.installEventFilter(&counter);
    bool busyPointer = false;
    bool visibleAfterClose = true;
    QTimer::singleShot(20, [&] {
        busyPointer = form.cursor().shape() == Qt::BusyCursor && form.Controls().Text1->viewport()->cursor().shape() == Qt::BusyCursor;
        rig.ClickAt({100, 60});
        QTest::keyClick(form.windowHandle(), Qt::Key_X);
        paints = 0;
        form.update();
        QTimer::singleShot(20, [&] {
            form.close();
            visibleAfterClose = form.isVisible();
            answer = true;
        });
    });

    rig.ClickAt({100, 60});

    const std::wstring started = L"start " + PathToText(rig.folder.Path() / "velk.exe") + L" 10.1.2.3:800 [state 2]";
    EXPECT_EQ(rig.log, (test::EventLog{L"startup 257", started, L"end 0"}));
    EXPECT_TRUE(busyPointer);
    EXPECT_GT(paints, 0) << "the window was not painted while it waited";
    EXPECT_FALSE(visibleAfterClose);
    EXPECT_EQ(form.Controls().Text1->toPlainText(), QStringLiteral("news")) << "a key reached the news box";
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form.Controls().Text1->viewport()->cursor().shape(), Qt::IBeamCursor);
}

}  // namespace
}  // namespace velk::qt

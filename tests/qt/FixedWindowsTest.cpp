// The Qt starter's windows of one size on a compositor or window manager
// that asks them to grow (run on weston by the test list).
#include "QtMessageBoxes.h"
#include "StarterRig.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <functional>

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk::qt {
namespace {

using test::StarterRig;

// Fixed windows stay fixed: asked to be maximized or full screen, as a frame
// Qt draws itself asks (its maximize button) or a compositor, the main window
// and the welcome box go back to their own size (on a strict compositor,
// without a protocol error, which would end the starter), also when slow to
// draw or asked before the compositor's first answer. Asked again at once,
// time after time (as a kiosk shell does), they are left as asked.
struct StateCase {
    const char* name;
    bool welcomeBox;
    Qt::WindowState state;
    int paintDelayMs = 0;
    int askAfterMs = 100;  // after the box is up
    int asks = 1;
};

class FixedWindows : public testing::TestWithParam<StateCase> {};

// Waits, events delivered, until `done` or 3 s have passed.
bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!done() && std::chrono::steady_clock::now() < deadline) QTest::qWait(20);
    return done();
}

void RefuseAndCheck(QWidget& window, const StateCase& row, QSize size) {
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    if (size.isEmpty()) size = window.minimumSize();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    int paints = 0;
    test::PaintCounter slow(paints, row.paintDelayMs);
    window.installEventFilter(&slow);
    for (int ask = 1; ask <= row.asks; ++ask) {
        window.windowHandle()->setWindowStates(row.state);
        const bool leftAsAsked = ask > 3;
        EXPECT_TRUE(WaitFor([&] {
            return leftAsAsked ? window.windowHandle()->windowStates() == row.state && window.size() != size
                               : window.windowHandle()->windowStates() == Qt::WindowNoState && window.size() == size &&
                                     window.minimumSize() == size && window.maximumSize() == size;
        })) << "ask " << ask << ": states " << window.windowHandle()->windowStates() << ", size " << window.width() << "x"
            << window.height();
        if (leftAsAsked) {
            QTest::qWait(1500);  // and stays so
            EXPECT_EQ(window.windowHandle()->windowStates(), row.state);
            return;
        }
    }
}

TEST_P(FixedWindows, RefuseToGrow) {
    StarterRig rig;
    if (!GetParam().welcomeBox) {
        rig.StartShown();
        RefuseAndCheck(rig.starter.Window(), GetParam(), {709, 125});
        return;
    }
    // The welcome box, while it is up.
    rig.folder.Write("config.ini", "alpha,800,My Server,news\n");
    bool checked = false;
    QTimer::singleShot(GetParam().askAfterMs, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box) {
            RefuseAndCheck(*box, GetParam(), {});
            box->close();
        }
        checked = box != nullptr;
    });
    QtMessageBoxes boxes;
    boxes.Show(L"Welcome", MessageIcon::None);
    EXPECT_TRUE(checked) << "no box was up";
}

INSTANTIATE_TEST_SUITE_P(Table, FixedWindows,
                         testing::Values(StateCase{"WindowMaximized", false, Qt::WindowMaximized},
                                         StateCase{"WindowFullScreen", false, Qt::WindowFullScreen},
                                         StateCase{"BoxMaximized", true, Qt::WindowMaximized},
                                         StateCase{"SlowWindowMaximized", false, Qt::WindowMaximized, 40},
                                         StateCase{"SlowWindowFullScreen", false, Qt::WindowFullScreen, 40},
                                         StateCase{"BoxMaximizedAtOnce", true, Qt::WindowMaximized, 0, 0},
                                         StateCase{"WindowMaximizedAgainAndAgain", false, Qt::WindowMaximized, 0, 0, 4}),
                         test::RowName());

}  // namespace
}  // namespace velk::qt

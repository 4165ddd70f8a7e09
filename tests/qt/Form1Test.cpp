#include "Form1.h"
#include "Starter.h"

#include "support/Fakes.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "support/RowName.h"

#include <gtest/gtest.h>

namespace velk::qt {
namespace {

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
    EXPECT_TRUE(form.Text1()->toPlainText().isEmpty());
    EXPECT_EQ(form.Label1()->text(), QStringLiteral("News"));
    EXPECT_EQ(form.Label2()->text(), QStringLiteral("Start"));
    EXPECT_EQ(form.Image1()->pixmap().size(), QSize(538, 123));
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

TEST(Starter, WelcomesBeforeTheWindowIsShown) {
    test::TempFolder folder;
    folder.Write("config.ini", "alpha,800\nMy Server\nDouble XP all weekend\n");
    test::EventLog log;
    WatchingBoxes boxes(log);
    Starter starter(boxes, [&] { return folder.Path(); });
    boxes.window = &starter.Window();

    ASSERT_TRUE(starter.Start());

    EXPECT_EQ(log, test::EventLog{L"box: Welcome to Tobin_Ravel's Loader, Currently being used for My Server "
                                  L"[window hidden]"});
    EXPECT_TRUE(starter.Window().isVisible());
    EXPECT_EQ(starter.Window().windowTitle(), QStringLiteral("My Server"));
    EXPECT_EQ(starter.Window().Text1()->toPlainText(), QStringLiteral("Double XP all weekend"));
    EXPECT_EQ(starter.Window().focusWidget(), starter.Window().Text1());
}

TEST(Starter, ReportsAMissingSettingsFileAndNeverShowsTheWindow) {
    test::TempFolder folder;
    test::EventLog log;
    WatchingBoxes boxes(log);
    Starter starter(boxes, [&] { return folder.Path(); });
    boxes.window = &starter.Window();

    EXPECT_FALSE(starter.Start());

    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].starts_with(L"error box: Cannot read the settings file")) << testing::PrintToString(log[0]);
    EXPECT_NE(log[0].find(L"file not found"), std::wstring::npos);
    EXPECT_FALSE(starter.Window().isVisible());
}

}  // namespace
}  // namespace velk::qt

// The main window through Qt's accessibility interfaces, as a screen reader
// gets it: roles and names from the layout table, the news box labelled by
// its heading, "Start" a push button whose press starts the client, the
// lines left out, and nothing changed for the keyboard focus.
#include "Form1.h"
#include "Form1Layout.h"
#include "StarterRig.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace velk::qt {
namespace {

using test::StarterRig;

struct Child {
    QAccessible::Role role;
    QString name;
};

TEST(Form1Accessibility, NamesTheWindowByItsCaptionAndItsControlsByTheTable) {
    StarterRig rig;
    rig.StartShown();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&rig.starter.Window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("My Server"));

    const std::vector<Child> expected{{QAccessible::Graphic, QStringLiteral("Banner")},
                                      {QAccessible::Button, QStringLiteral("Start")},
                                      {QAccessible::StaticText, QStringLiteral("News")},
                                      {QAccessible::EditableText, QStringLiteral("News")}};
    ASSERT_EQ(window->childCount(), static_cast<int>(expected.size())) << "the lines are left out";
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_EQ(child->role(), expected[static_cast<std::size_t>(i)].role) << i;
        EXPECT_EQ(child->text(QAccessible::Name), expected[static_cast<std::size_t>(i)].name) << i;
        EXPECT_EQ(child->parent(), window) << i;
        EXPECT_EQ(window->indexOfChild(child), i);
    }
    EXPECT_FALSE(window->child(0)->text(QAccessible::Description).isEmpty()) << "the banner is described";
}

TEST(Form1Accessibility, LabelsTheNewsBoxByItsHeading) {
    StarterRig rig;
    rig.StartShown();
    QAccessibleInterface* newsBox = QAccessible::queryAccessibleInterface(rig.starter.Window().Controls().Text1);
    QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(rig.starter.Window().Controls().Label1);
    const auto labels = newsBox->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first, heading);
    const auto labelled = heading->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled.front().first, newsBox);
}

TEST(Form1Accessibility, PressingStartStartsTheClientAndLeavesTheFocus) {
    StarterRig rig;
    rig.StartShown();
    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(rig.starter.Window().Controls().Label2);
    ASSERT_NE(start->actionInterface(), nullptr);
    EXPECT_EQ(start->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(start->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{QStringLiteral("Alt+S")});
    EXPECT_TRUE(start->state().focusable);
    EXPECT_FALSE(start->state().focused);

    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();

    const std::wstring started = L"start " + PathToText(rig.folder.Path() / "velk.exe") + L" 10.1.2.3:800 [state 2]";
    EXPECT_EQ(rig.log, (velk::test::EventLog{L"startup 257", started}));
    EXPECT_EQ(rig.starter.Window().focusWidget(), rig.starter.Window().Controls().Text1);
}

TEST(Form1Accessibility, PressingStartFailsAsAClickFails) {
    StarterRig rig;
    rig.StartShown();
    rig.programs.fail = true;
    QAccessible::queryAccessibleInterface(rig.starter.Window().Controls().Label2)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.log, (velk::test::EventLog{L"startup 257",
                                             L"error box: Cannot start the game client: file not found. [window visible]",
                                             L"end 1"}));
}

TEST(Form1Accessibility, FindsTheControlUnderAPointAsAClickDoes) {
    StarterRig rig;
    rig.StartShown();
    const Form1& form = rig.starter.Window();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&rig.starter.Window());
    const auto at = [&](int x, int y) {
        QAccessibleInterface* child = window->childAt(form.mapToGlobal(QPoint(x, y)).x(), form.mapToGlobal(QPoint(x, y)).y());
        return child ? child->text(QAccessible::Name) : QStringLiteral("<none>");
    };
    EXPECT_EQ(at(88, 48), QStringLiteral("Start"));
    EXPECT_EQ(at(144, 72), QStringLiteral("Start"));
    EXPECT_EQ(at(87, 48), QStringLiteral("Banner"));
    EXPECT_EQ(at(145, 72), QStringLiteral("Banner"));
    EXPECT_EQ(at(540, 8), QStringLiteral("News"));
    EXPECT_EQ(at(600, 60), QStringLiteral("News"));
    EXPECT_EQ(at(520, 60), QStringLiteral("<none>")) << "a line";
    EXPECT_EQ(at(516, 60), QStringLiteral("<none>")) << "the bare background";
}

}  // namespace
}  // namespace velk::qt

// The main window's widgets, made from the layout table: each element by its
// kind, at its rectangle, back to front as the table stacks them; the focus
// in the table's tab order; what assistive technology is told of each.
#pragma once

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace velk::qt {

class StartLabel;

struct Form1Widgets {
    QLabel* image1;
    StartLabel* label2;
    QWidget* line1;
    QWidget* line2;
    QLabel* label1;
    QPlainTextEdit* text1;
};

// Made as children of `form`; the first of the tab order has the focus.
Form1Widgets MakeForm1Widgets(QWidget* form);

}  // namespace velk::qt

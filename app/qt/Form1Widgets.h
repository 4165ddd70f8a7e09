// The main window's widgets, made from the layout table: each element by its
// kind, at its rectangle, back to front as the table stacks them; the focus
// in the table's tab order; what assistive technology is told of each.
#pragma once

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace velk::qt {

class StartLabel;

// Each by the layout table's name for it.
struct Form1Widgets {
    QLabel* Image1;       // the banner
    StartLabel* Label2;   // "Start"
    QWidget* Line1;       // the separator
    QWidget* Line2;       // the rule under the news heading
    QLabel* Label1;       // the news heading
    QPlainTextEdit* Text1;  // the news box
};

// Made as children of `form`; the first of the tab order has the focus.
Form1Widgets MakeForm1Widgets(QWidget* form);

}  // namespace velk::qt

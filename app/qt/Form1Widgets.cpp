#include "Form1Widgets.h"

#include "Form1Layout.h"
#include "LayoutToQt.h"
#include "SchemeLabel.h"
#include "StartLabel.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

namespace velk::qt {
namespace {

// Verdana is seldom installed on Linux; DejaVu Sans Bold (fonts-dejavu-core)
// is near it in shape and still fits "Start" into its 57 px.
const QStringList kFallbackFaces{QStringLiteral("DejaVu Sans")};

QFont ToQFont(const layout::Font& font) {
    QFont result = QApplication::font();
    if (font.face.empty()) return result;
    result.setFamilies(QStringList{ToQString(font.face)} + kFallbackFaces);
    result.setPixelSize(layout::PointsToPixels(font.points));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(false);
    result.setUnderline(false);
    result.setStrikeOut(false);
    return result;
}

// A one-pixel line in the window-text colour; the widget's own rectangle is
// the line, cut off by the window's edge like any child.
class LineWidget final : public QWidget {
public:
    LineWidget(const layout::Line& line, QWidget* parent) : QWidget(parent) {
        setObjectName(NameOf(line.name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(ToQRect(layout::ToPixels(line)));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), ToQColor(layout::kLineColor, palette()));
    }
};

template <typename Widget>
Widget* Place(Widget* widget, const layout::Control& control) {
    widget->setObjectName(NameOf(control.name));
    widget->setGeometry(ToQRect(layout::ToPixels(control.twips)));
    return widget;
}

// Labels draw their text from the top-left corner, without margins, in their
// own font, in the look that reads in the player's colours.
template <typename Label>
Label* MakeLabel(Label* label, const layout::Control& control) {
    // Named before its text is set: setting the text lets accessibility make
    // the label's interface, which must know which control it is.
    Place(label, control);
    label->setText(ToQString(control.text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(false);
    label->setMargin(0);
    label->setIndent(0);
    label->setFont(ToQFont(control.font));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QLabel* MakeBanner(const layout::Control& control, QWidget* form) {
    auto* banner = Place(new QLabel(form), control);
    banner->setPixmap(QPixmap(QStringLiteral(":/assets/banner.jpg")));
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    banner->setAttribute(Qt::WA_TransparentForMouseEvents);
    return banner;
}

QPlainTextEdit* MakeNewsBox(const layout::Control& control, QWidget* form) {
    auto* box = Place(new QPlainTextEdit(form), control);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    return box;
}

QWidget* Make(const layout::Element& element, QWidget* form) {
    if (element.line) return new LineWidget(*element.line, form);
    const layout::Control& control = *element.control;
    switch (control.kind) {
    case layout::ControlKind::Picture:
        return MakeBanner(control, form);
    case layout::ControlKind::TextBox:
        return MakeNewsBox(control, form);
    case layout::ControlKind::Label:
        break;
    }
    if (&control == &layout::kLabel2) return MakeLabel(new StartLabel(form), control);
    return MakeLabel(new SchemeLabel(control, form), control);
}

// What assistive technology is told: each control's name and description,
// and the control a heading labels (a label without "&" has no shortcut).
void Describe(QWidget* form) {
    for (const layout::Control* control : layout::kAccessibleControls) {
        auto* widget = form->findChild<QWidget*>(NameOf(control->name), Qt::FindDirectChildrenOnly);
        widget->setAccessibleName(ToQString(control->accessible.name));
        widget->setAccessibleDescription(ToQString(control->accessible.description));
        if (auto* label = qobject_cast<QLabel*>(widget); label && !control->accessible.labels.empty()) {
            label->setBuddy(form->findChild<QWidget*>(NameOf(control->accessible.labels), Qt::FindDirectChildrenOnly));
        }
    }
}

}  // namespace

Form1Widgets MakeForm1Widgets(QWidget* form) {
    // A later child is drawn over an earlier one.
    for (auto element = layout::kStackingFrontFirst.rbegin(); element != layout::kStackingFrontFirst.rend(); ++element) {
        Make(*element, form);
    }
    const auto child = [form](std::string_view name) {
        return form->findChild<QWidget*>(NameOf(name), Qt::FindDirectChildrenOnly);
    };
    child(layout::kTabOrder.front()->name)->setFocus();
    for (std::size_t i = 1; i < layout::kTabOrder.size(); ++i) {
        QWidget::setTabOrder(child(layout::kTabOrder[i - 1]->name), child(layout::kTabOrder[i]->name));
    }
    Describe(form);
    return {static_cast<QLabel*>(child(layout::kImage1.name)), static_cast<StartLabel*>(child(layout::kLabel2.name)),
            child(layout::kLine1.name), child(layout::kLine2.name), static_cast<QLabel*>(child(layout::kLabel1.name)),
            static_cast<QPlainTextEdit*>(child(layout::kText1.name))};
}

}  // namespace velk::qt

#include "Form1Accessibility.h"

#include "Form1.h"
#include "Form1Layout.h"
#include "HitTest.h"
#include "LayoutToQt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>

namespace velk::qt {
namespace {

QAccessible::Role ToQtRole(layout::AccessibleRole role) {
    switch (role) {
    case layout::AccessibleRole::Frame:
        return QAccessible::Window;
    case layout::AccessibleRole::PushButton:
        return QAccessible::Button;
    case layout::AccessibleRole::StaticText:
        return QAccessible::StaticText;
    case layout::AccessibleRole::EditableText:
        return QAccessible::EditableText;
    case layout::AccessibleRole::Graphic:
        break;
    }
    return QAccessible::Graphic;
}

QWidget* ControlOf(const Form1& form, const layout::Control& control) {
    return form.findChild<QWidget*>(NameOf(control.name), Qt::FindDirectChildrenOnly);
}

// The window: a frame named by its caption, whose children are the table's
// accessible controls in reading order.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(Form1* form) : QAccessibleWidget(form, ToQtRole(layout::kWindowRole)) {}

    int childCount() const override { return static_cast<int>(layout::kAccessibleControls.size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        QWidget* control = ControlOf(Form(), *layout::kAccessibleControls[static_cast<std::size_t>(index)]);
        return control ? QAccessible::queryAccessibleInterface(control) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child && child->object() == ControlOf(Form(), *layout::kAccessibleControls[static_cast<std::size_t>(i)])) {
                return i;
            }
        }
        return -1;
    }

    // The same hit test as a click, in the screen's pixels.
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPointF at = Form().mapFromGlobal(QPointF(x, y));
        const double scale = Form().devicePixelRatioF();
        const layout::Control* control = layout::AccessibleControlAt(ToPixel(at.x(), scale), ToPixel(at.y(), scale), scale);
        QWidget* widget = control ? ControlOf(Form(), *control) : nullptr;
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }

private:
    Form1& Form() const { return *static_cast<Form1*>(widget()); }
};

// "Start": a push button whose one action presses it. The press is queued,
// as a click is, so that the assistive technology's call returns at once even
// when the start shows a message box.
class StartAccessible final : public QAccessibleWidget {
public:
    StartAccessible(QWidget* label, Form1* form)
        : QAccessibleWidget(label, ToQtRole(layout::kLabel2.accessible.role), ToQString(layout::kLabel2.accessible.name)),
          form_(form) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        QMetaObject::invokeMethod(form_, [form = form_] { form->PressStart(); }, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction()) return {};
        return {ToQString(layout::kLabel2.accessible.keyboardShortcut)};
    }

private:
    Form1* form_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form1*>(object)) return new WindowAccessible(form);
    auto* widget = qobject_cast<QWidget*>(object);
    auto* form = widget ? qobject_cast<Form1*>(widget->parentWidget()) : nullptr;
    if (form && widget->objectName() == NameOf(layout::kLabel2.name)) return new StartAccessible(widget, form);
    return nullptr;
}

}  // namespace

void InstallForm1Accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace velk::qt

#include "StartLabel.h"

#include "Form1Layout.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace velk::qt {

StartLabel::StartLabel(QWidget* parent) : SchemeLabel(layout::kLabel2, parent) {
    // By Tab only: a click never gives it the focus.
    setFocusPolicy(Qt::TabFocus);
}

void StartLabel::ShowCue(bool& cue) {
    if (cue) return;
    cue = true;
    update();
}

void StartLabel::KeyPressed(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Alt) ShowCue(accessKeyCue_);
}

void StartLabel::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        PaintLook(painter, accessKeyCue_ && style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this));
    }
    if (focusCue_ && hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

void StartLabel::keyPressEvent(QKeyEvent* event) {
    if (keyDown_ && keyDown_(*event)) {
        event->accept();
        return;
    }
    SchemeLabel::keyPressEvent(event);
}

void StartLabel::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
        ShowCue(focusCue_);
    }
    SchemeLabel::focusInEvent(event);
    update();
}

void StartLabel::focusOutEvent(QFocusEvent* event) {
    SchemeLabel::focusOutEvent(event);
    update();
}

}  // namespace velk::qt

#include "StartLabel.h"

#include "Form1Layout.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace velk::qt {
namespace {

// The label's text with "&" before its access key, as styles draw mnemonics.
QString WithMnemonic(const QString& text) {
    QString marked = text;
    const std::size_t at = layout::AccessKeyIndex(layout::kLabel2);
    if (at < static_cast<std::size_t>(marked.size())) marked.insert(static_cast<qsizetype>(at), QLatin1Char('&'));
    return marked;
}

}  // namespace

StartLabel::StartLabel(QWidget* parent) : QLabel(parent) {
    // By Tab only: a click never gives it the focus.
    setFocusPolicy(Qt::TabFocus);
}

void StartLabel::ShowFocusCue() {
    if (focusCue_) return;
    focusCue_ = true;
    update();
}

void StartLabel::ShowAccessKey() {
    if (accessKeyCue_) return;
    accessKeyCue_ = true;
    update();
}

void StartLabel::paintEvent(QPaintEvent* event) {
    if (accessKeyCue_ && style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)) {
        // As QLabel draws its text, with the access key underlined.
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()) | Qt::TextShowMnemonic, palette(),
                              isEnabled(), WithMnemonic(text()), foregroundRole());
    } else {
        QLabel::paintEvent(event);
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
    QLabel::keyPressEvent(event);
}

void StartLabel::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
        ShowFocusCue();
    }
    QLabel::focusInEvent(event);
    update();
}

void StartLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

}  // namespace velk::qt

#include "SchemeLabel.h"

#include "LayoutToQt.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace velk::qt {

SchemeLabel::SchemeLabel(const layout::Control& control, QWidget* parent) : QLabel(parent), control_(control) {
    // The look fills it where it must; nothing else does.
    setAutoFillBackground(false);
}

void SchemeLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintLook(painter, false);
}

void SchemeLabel::PaintLook(QPainter& painter, bool accessKey) {
    const QPalette scheme = QApplication::palette(window());
    const layout::LabelLook look = layout::LookOf(control_, SchemeOf(scheme));
    if (look.filled) painter.fillRect(rect(), ToQColor(look.fill, scheme));
    // As QLabel draws its text.
    QPalette colours = palette();
    colours.setColor(foregroundRole(), ToQColor(look.text, scheme));
    QString shown = text();
    int flags = static_cast<int>(alignment());
    const std::size_t key = layout::AccessKeyIndex(control_);
    if (accessKey && key < static_cast<std::size_t>(shown.size())) {
        shown.insert(static_cast<qsizetype>(key), QLatin1Char('&'));
        flags |= Qt::TextShowMnemonic;
    }
    style()->drawItemText(&painter, contentsRect(), flags, colours, isEnabled(), shown, foregroundRole());
}

}  // namespace velk::qt

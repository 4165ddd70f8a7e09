#include "Form1.h"

#include "Form1Layout.h"
#include "HitTest.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QString>

namespace velk::qt {
namespace {

QRect ToQRect(const layout::PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

QString ToQString(std::wstring_view text) { return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size())); }

// A one-pixel line in the window-text colour; the widget's own rectangle is
// the line, cut off by the window's edge like any child.
class LineWidget final : public QWidget {
public:
    LineWidget(const layout::Line& line, QWidget* parent) : QWidget(parent) {
        setObjectName(QString::fromLatin1(line.name.data(), static_cast<qsizetype>(line.name.size())));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(ToQRect(layout::ToPixels(line)));
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), palette().color(QPalette::WindowText)); }
};

template <typename Widget>
Widget* Place(Widget* widget, const layout::Control& control) {
    widget->setObjectName(QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
    widget->setGeometry(ToQRect(layout::ToPixels(control.twips)));
    return widget;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(layout::kCaptionAtCreation));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    setFixedSize(layout::ToPixels(layout::kClientWidthTwips), layout::ToPixels(layout::kClientHeightTwips));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(1, 0, 66));
    setPalette(background);
    setAutoFillBackground(true);

    // Created back to front: a later child is drawn over an earlier one.
    image1_ = Place(new QLabel(this), layout::kImage1);
    image1_->setPixmap(QPixmap(QStringLiteral(":/assets/banner.jpg")));
    image1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    label2_ = Place(new QLabel(ToQString(layout::kLabel2.text), this), layout::kLabel2);
    QFont startFont(QStringLiteral("Verdana"));
    startFont.setPixelSize(19);
    startFont.setWeight(QFont::Bold);
    label2_->setFont(startFont);
    QPalette highlighted = label2_->palette();
    highlighted.setColor(QPalette::WindowText, highlighted.color(QPalette::HighlightedText));
    label2_->setPalette(highlighted);
    label2_->setAttribute(Qt::WA_TransparentForMouseEvents);

    line1_ = new LineWidget(layout::kLine1, this);
    line2_ = new LineWidget(layout::kLine2, this);

    label1_ = Place(new QLabel(ToQString(layout::kLabel1.text), this), layout::kLabel1);
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    text1_ = Place(new QPlainTextEdit(this), layout::kText1);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setTabChangesFocus(true);
    // The only control that takes the focus, so it has it when first shown.
    text1_->setFocus();
}

void Form1::SetStartClickHandler(std::function<void()> handler) { startClick_ = std::move(handler); }

// A click on "Start" is a left-button press and release both inside its
// rectangle, wherever the banner lies under it.
void Form1::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    pressedOnStart_ = event->button() == Qt::LeftButton && layout::IsStartClick(at.x(), at.y());
    QWidget::mousePressEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool click = pressedOnStart_ && event->button() == Qt::LeftButton && layout::IsStartClick(at.x(), at.y());
    pressedOnStart_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click && startClick_) startClick_();
}

void Form1::SetCaption(const std::wstring& caption) { setWindowTitle(QString::fromStdWString(caption)); }

void Form1::SetNewsText(const std::wstring& news) { text1_->setPlainText(QString::fromStdWString(news)); }

}  // namespace velk::qt

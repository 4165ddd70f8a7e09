// The main window as a Qt widget: the six controls of the layout table, drawn
// in its stacking order.
#pragma once

#include "Form1View.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPlainTextEdit;

namespace velk::qt {

class Form1 final : public QWidget, public Form1View {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // Called for a click on "Start".
    void SetStartClickHandler(std::function<void()> handler);

    // What a click on "Start" does; also its press action for assistive
    // technology.
    void PressStart();

    void SetCaption(const std::wstring& caption) override;
    void SetNewsText(const std::wstring& news) override;

    QPlainTextEdit* Text1() const { return text1_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QWidget* Line1() const { return line1_; }
    QWidget* Line2() const { return line2_; }
    QLabel* Image1() const { return image1_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool IsOnStart(const QMouseEvent& event) const;

    std::function<void()> startClick_;
    bool pressedOnStart_ = false;
    QLabel* image1_;
    QLabel* label2_;
    QWidget* line1_;
    QWidget* line2_;
    QLabel* label1_;
    QPlainTextEdit* text1_;
};

}  // namespace velk::qt

// A label of the layout table, drawn in the look that reads in the player's
// colour scheme (LabelColors.h). The look is taken from the application's
// palette at each paint, never kept in the label's own palette: however a
// new scheme arrives (a platform theme, a new application palette, palette
// events in any order), the next paint draws what a fresh start draws.
#pragma once

#include "Form1Layout.h"

#include <QLabel>

namespace velk::qt {

class SchemeLabel : public QLabel {
public:
    SchemeLabel(const layout::Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The label in its look, its access key underlined if `accessKey`.
    void PaintLook(QPainter& painter, bool accessKey);

private:
    const layout::Control& control_;
};

}  // namespace velk::qt

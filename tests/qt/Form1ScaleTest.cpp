// The main window at the display scales players use: rendered at each scale
// and held to the layout's rounding rule, and clicked at the scaled corners
// of "Start" and just outside them.
#include "Form1.h"
#include "Form1Layout.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace velk::qt {
namespace {

const QRgb kBackground = qRgb(1, 0, 66);

int Difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The window as a screen of this scale shows it.
QImage Render(Form1& form, double scale) {
    QImage image(QSize(layout::ToPixels(layout::kClientWidthTwips, scale),
                       layout::ToPixels(layout::kClientHeightTwips, scale)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    form.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

class Form1AtScale : public testing::TestWithParam<double> {
protected:
    void SetUp() override {
        form_.SetNewsText(L"News at a scaled display.");
        window_ = Render(form_, scale_);
        line_ = form_.palette().color(QPalette::WindowText).rgb();
    }
    double scale_ = GetParam();
    Form1 form_;
    QImage window_;
    QRgb line_ = 0;
};

TEST_P(Form1AtScale, PlacesBannerStripAndSeparatorByTheRoundingRule) {
    const layout::PixelRect banner = layout::ToPixels(layout::kImage1.twips, scale_);
    const layout::PixelRect line1 = layout::ToPixels(layout::kLine1, scale_);
    const int bannerEnd = banner.left + banner.width;  // first column after the banner
    for (const int y : {0, line1.height / 2, line1.height - 1}) {
        EXPECT_NE(window_.pixel(bannerEnd - 1, y), kBackground) << "last banner column at y " << y;
        for (int x = bannerEnd; x < line1.left; ++x) EXPECT_EQ(window_.pixel(x, y), kBackground) << x << "," << y;
        for (int x = line1.left; x < line1.left + line1.width; ++x) EXPECT_EQ(window_.pixel(x, y), line_) << x << "," << y;
    }
    EXPECT_EQ(window_.pixel(line1.left + line1.width, 0), kBackground) << "after the separator";
    EXPECT_EQ(window_.pixel(0, banner.height), kBackground) << "under the banner";
    EXPECT_NE(window_.pixel(0, banner.height - 1), kBackground) << "the banner's last row";
}

TEST_P(Form1AtScale, ShowsTheBannerResampledToTheScale) {
    const layout::PixelRect banner = layout::ToPixels(layout::kImage1.twips, scale_);
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips, scale_);
    const QImage expected = QImage(QStringLiteral(":/assets/banner.jpg"))
                                .scaled(banner.width, banner.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    long long difference = 0;
    long long pixels = 0;
    for (int y = 0; y < banner.height; ++y) {
        for (int x = 0; x < banner.left + banner.width; ++x) {
            if (start.Contains(x, y)) continue;
            difference += Difference(window_.pixel(x, y), expected.pixel(x - banner.left, y));
            ++pixels;
        }
    }
    EXPECT_LT(static_cast<double>(difference) / static_cast<double>(pixels), 12.0) << "mean difference per pixel";
}

TEST_P(Form1AtScale, DrawsStartOnTheBannerWithinItsRectangle) {
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips, scale_);
    const QRgb text = form_.palette().color(QPalette::HighlightedText).rgb();
    int letters = 0;
    for (int y = start.top; y < start.top + start.height; ++y) {
        for (int x = start.left; x < start.left + start.width; ++x) letters += window_.pixel(x, y) == text;
    }
    EXPECT_GT(letters, static_cast<int>(100 * scale_ * scale_)) << "pixels of the letters";
    for (int y = start.top; y < start.top + start.height; ++y) {
        EXPECT_NE(window_.pixel(start.left + start.width, y), text) << "right of Start at y " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, Form1AtScale, testing::Values(1.0, 1.25, 1.5, 1.75, 2.0),
                         [](const testing::TestParamInfo<double>& row) {
                             return "Percent" + std::to_string(static_cast<int>(row.param * 100));
                         });

// Runs at the scale of the screen it is given (QT_SCALE_FACTOR): a pointer on
// a screen pixel lies at that pixel divided by the scale in the window.
TEST(Form1ScaledClicks, StartTakesClicksOnItsScaledCornersOnly) {
    Form1 form;
    int clicks = 0;
    velk::test::EventLog log;
    velk::test::FakeMessageBoxes boxes(log);
    velk::test::FakePressFrontEnd frontEnd(log);
    StartPress owner([&clicks] { ++clicks; }, boxes, frontEnd);
    form.SetStartPress(&owner);
    form.show();
    const double scale = form.devicePixelRatioF();
    const layout::PixelRect start = layout::ToPixels(layout::kLabel2.twips, scale);
    const int right = start.left + start.width - 1;
    const int bottom = start.top + start.height - 1;
    const struct {
        QPoint pixel;
        int clicks;
    } rows[] = {{{start.left, start.top}, 1},  {{right, start.top}, 1},       {{start.left, bottom}, 1},
                {{right, bottom}, 1},          {{start.left - 1, start.top}, 0}, {{right + 1, bottom}, 0},
                {{start.left, start.top - 1}, 0}, {{right, bottom + 1}, 0}};
    ulong time = 0;
    for (const auto& row : rows) {
        const QPointF at(row.pixel.x() / scale, row.pixel.y() / scale);
        QMouseEvent press(QEvent::MouseButtonPress, at, form.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, at, form.mapToGlobal(at), Qt::LeftButton, {}, {});
        press.setTimestamp(time += 1000);  // clicks apart, each its own
        release.setTimestamp(time);
        clicks = 0;
        QApplication::sendEvent(&form, &press);
        QApplication::sendEvent(&form, &release);
        EXPECT_EQ(clicks, row.clicks) << "screen pixel " << row.pixel.x() << "," << row.pixel.y() << " at scale "
                                      << scale;
    }
}

}  // namespace
}  // namespace velk::qt

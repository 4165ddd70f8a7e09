// The main window rendered offscreen and compared pixel by pixel with its
// design.
#include "Form1.h"

#include <QImage>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace velk::qt {
namespace {

const QRgb kBackground = qRgb(1, 0, 66);

class Form1Render : public testing::Test {
protected:
    void SetUp() override {
        form_.SetNewsText(L"Server news for the rendering test, long enough to wrap over several lines.");
        window_ = form_.grab().toImage().convertToFormat(QImage::Format_RGB32);
        banner_ = QImage(QStringLiteral(":/assets/banner.jpg")).convertToFormat(QImage::Format_RGB32);
        line_ = form_.palette().color(QPalette::WindowText).rgb();
        ASSERT_EQ(window_.size(), QSize(709, 125));
        ASSERT_EQ(banner_.size(), QSize(538, 123));
    }

    Form1 form_;
    QImage window_;
    QImage banner_;
    QRgb line_ = 0;
};

TEST_F(Form1Render, ShowsTheBannerShiftedLeftBy24Columns) {
    for (const int y : {0, 17, 47, 61, 100, 122}) {
        EXPECT_EQ(window_.pixel(0, y), banner_.pixel(24, y)) << "y " << y;
        EXPECT_EQ(window_.pixel(300, y), banner_.pixel(324, y)) << "y " << y;
        EXPECT_EQ(window_.pixel(513, y), banner_.pixel(537, y)) << "y " << y;
    }
}

TEST_F(Form1Render, ShowsTheBackgroundWhereNothingCoversIt) {
    for (int x = 514; x <= 519; ++x) {
        for (const int y : {0, 60, 124}) EXPECT_EQ(window_.pixel(x, y), kBackground) << x << "," << y;
    }
    for (const int x : {0, 200, 513}) {
        for (const int y : {123, 124}) EXPECT_EQ(window_.pixel(x, y), kBackground) << x << "," << y;
    }
    EXPECT_EQ(window_.pixel(520, 121), kBackground);
    EXPECT_EQ(window_.pixel(707, 122), kBackground);
}

TEST_F(Form1Render, DrawsTheLinesInTheWindowTextColour) {
    ASSERT_NE(line_, kBackground);
    for (int y = 0; y <= 119; ++y) EXPECT_EQ(window_.pixel(520, y), line_) << "separator at y " << y;
    for (int x = 706; x <= 708; ++x) EXPECT_EQ(window_.pixel(x, 16), line_) << "line under News at x " << x;
    EXPECT_NE(window_.pixel(707, 15), line_);
    EXPECT_NE(window_.pixel(707, 17), line_);
}

TEST_F(Form1Render, PutsTheNewsBoxOverTheLineAlongItsTopEdge) {
    const QImage box = form_.Text1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(box.size(), QSize(185, 105));
    for (int x = 521; x <= 705; ++x) ASSERT_EQ(window_.pixel(x, 16), box.pixel(x - 521, 0)) << "x " << x;
    // And the news itself is drawn inside it.
    int ink = 0;
    for (int y = 30; y < 100; ++y) {
        for (int x = 530; x < 700; ++x) ink += window_.pixel(x, y) != box.pixel(100, 100);
    }
    EXPECT_GT(ink, 100);
}

TEST_F(Form1Render, DrawsStartInTheHighlightTextColourOverTheBanner) {
    const QRgb text = form_.palette().color(QPalette::HighlightedText).rgb();
    int letters = 0;
    int banner = 0;
    for (int y = 48; y <= 72; ++y) {
        for (int x = 88; x <= 144; ++x) {
            letters += window_.pixel(x, y) == text;
            banner += window_.pixel(x, y) == banner_.pixel(x + 24, y);
        }
    }
    EXPECT_GT(letters, 100) << "pixels of the letters";
    EXPECT_GT(banner, 600) << "pixels of the banner around them";
    // Nothing of it outside its rectangle: the word fits its 57 px.
    for (int y = 48; y <= 72; ++y) EXPECT_EQ(window_.pixel(145, y), banner_.pixel(169, y)) << "y " << y;
}

TEST_F(Form1Render, ShowsTheBackgroundAroundNews) {
    int background = 0;
    int ink = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 536; x < 609; ++x) (window_.pixel(x, y) == kBackground ? background : ink)++;
    }
    EXPECT_GT(ink, 20) << "the word is drawn";
    EXPECT_GT(background, 73 * 16 * 7 / 10) << "and the rest is the window's background";
}

}  // namespace
}  // namespace velk::qt

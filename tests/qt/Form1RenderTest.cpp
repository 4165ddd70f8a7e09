// The main window rendered offscreen and compared pixel by pixel with its
// design.
#include "Form1.h"
#include "support/ColorSchemes.h"

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

TEST_F(Form1Render, DrawsTheLinesInTheWindowTextColor) {
    ASSERT_NE(line_, kBackground);
    for (int y = 0; y <= 119; ++y) EXPECT_EQ(window_.pixel(520, y), line_) << "separator at y " << y;
    for (int x = 706; x <= 708; ++x) EXPECT_EQ(window_.pixel(x, 16), line_) << "line under News at x " << x;
    EXPECT_NE(window_.pixel(707, 15), line_);
    EXPECT_NE(window_.pixel(707, 17), line_);
}

TEST_F(Form1Render, PutsTheNewsBoxOverTheLineAlongItsTopEdge) {
    const QImage box = form_.Controls().Text1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(box.size(), QSize(185, 105));
    for (int x = 521; x <= 705; ++x) ASSERT_EQ(window_.pixel(x, 16), box.pixel(x - 521, 0)) << "x " << x;
    // And the news itself is drawn inside it.
    int ink = 0;
    for (int y = 30; y < 100; ++y) {
        for (int x = 530; x < 700; ++x) ink += window_.pixel(x, y) != box.pixel(100, 100);
    }
    EXPECT_GT(ink, 100);
}

TEST_F(Form1Render, DrawsStartInTheHighlightTextColorOverTheBanner) {
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

// The figure "Start"'s contrast is judged by, measured again from the banner.
TEST_F(Form1Render, BannerUnderStartSpansTheLuminanceTheLayoutGives) {
    std::vector<double> luminance;
    for (int i = 0; i < 57 * 25; ++i) {
        const QColor p = banner_.pixelColor(112 + i % 57, 48 + i / 57);
        luminance.push_back(layout::RelativeLuminance({static_cast<std::uint8_t>(p.red()),
                                                       static_cast<std::uint8_t>(p.green()), static_cast<std::uint8_t>(p.blue())}));
    }
    std::sort(luminance.begin(), luminance.end());
    EXPECT_NEAR(luminance[luminance.size() / 20], layout::kBannerUnderStart.darkest, 0.002);
    EXPECT_NEAR(luminance[luminance.size() * 19 / 20], layout::kBannerUnderStart.brightest, 0.002);
}

// Each scheme set before the window opens, and set while it is open after
// each of two schemes in which both labels take the other look: the
// background stays the window's own, each control keeps its colour role, and
// each label is drawn exactly as at a fresh start, whatever palette events
// follow and in whatever order.
class Form1InScheme : public testing::TestWithParam<test::ColorScheme> {
protected:
    void TearDown() override { QApplication::setPalette(original_); }
    static void Use(const test::ColorScheme& scheme) {
        QPalette palette = QApplication::palette();
        for (const auto& [role, colour] : {std::pair{QPalette::HighlightedText, scheme.highlightText},
                                           {QPalette::Highlight, scheme.highlight}, {QPalette::ButtonText, scheme.buttonText},
                                           {QPalette::Button, scheme.buttonFace}, {QPalette::Window, scheme.buttonFace},
                                           {QPalette::Base, scheme.buttonFace}, {QPalette::WindowText, scheme.windowText}}) {
            palette.setColor(role, QColor(colour.red, colour.green, colour.blue));
        }
        QApplication::setPalette(palette);
    }
    static test::Pixels PixelsOf(const QImage& image) {
        return [image](int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; };
    }
    const QPalette original_ = QApplication::palette();
};

TEST_P(Form1InScheme, DrawsEachLabelAsAFreshStartDoes) {
    Use(GetParam());
    const QImage fresh = Form1().grab().toImage();
    test::ExpectDrawnIn(GetParam(), PixelsOf(fresh));
    EXPECT_EQ(fresh.pixel(700, 115) & 0xFFFFFFu, test::Rgb(GetParam().buttonFace)) << "the news box's base";
    for (const test::ColorScheme& before : {test::kColorSchemes[0], test::kColorSchemes[1]}) {
        SCOPED_TRACE(std::string("changed while open, from ") + before.name);
        Use(before);
        Form1 form;
        form.show();
        (void)form.grab();
        Use(GetParam());
        for (QWidget* told : std::initializer_list<QWidget*>{form.Controls().Label2, &form, form.Controls().Label1}) {
            QEvent changed(QEvent::PaletteChange);
            QApplication::sendEvent(told, &changed);
        }
        QCoreApplication::processEvents();
        const QImage window = form.grab().toImage();
        test::ExpectSameLabels(PixelsOf(window), PixelsOf(fresh));
        test::ExpectDrawnIn(GetParam(), PixelsOf(window));
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, Form1InScheme, testing::ValuesIn(test::kColorSchemes), test::NameOf);

}  // namespace
}  // namespace velk::qt

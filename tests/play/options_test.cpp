#include <gtest/gtest.h>

#include "commands/app.h"
#include "commands/options_command.h"
#include "support/temp_folder.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

using test::TestHost;

std::string Scheme(const std::string& header, const std::string& colour4) {
    std::string text = header + "\r\n";
    for (int k = 1; k <= 13; ++k) text += (k == 4 ? colour4 : "100;100;100") + "\r\n";
    return text;
}

TEST(OptionsTest, TheDefaultsResetTheLookButNotTheWayOfWorking) {
    Settings settings;
    settings.SchemeName = "dark.col";
    settings.AutofillOn = 1;
    settings.MenuBarSide = 1;
    settings.SolutionRegister = 1;
    settings.ButtonColour = Rgb(90, 90, 90);
    AcceptOptions(DefaultOptions(OptionsFrom(settings)), settings);
    EXPECT_EQ(settings.SchemeName, "xp.col");
    EXPECT_EQ(settings.ButtonColour, 0);  // the scheme's own button colour again
    EXPECT_EQ(settings.AutofillOn, 0);
    EXPECT_EQ(settings.MenuBarSide, 1);
    EXPECT_EQ(settings.SolutionRegister, 1);
}

TEST(OptionsTest, TheAdjustButtonStepsTenWithinLimits) {
    EXPECT_EQ(AdjustColour(Rgb(100, 15, 250), false), Rgb(90, 10, 240));
    EXPECT_EQ(AdjustColour(Rgb(100, 15, 250), true), Rgb(110, 25, 255));
    EXPECT_EQ(AdjustColour(Rgb(5, 0, 255), true), Rgb(15, 10, 255));
    EXPECT_EQ(AdjustColour(0, false), Rgb(10, 10, 10));
    std::string cycle;
    for (std::int32_t thickness = 4, k = 0; k < 4; ++k) {
        thickness = NextBarThickness(thickness);
        cycle += static_cast<char>('0' + thickness);
    }
    EXPECT_EQ(cycle, "5612");
}

TEST(OptionsTest, ThePreviewReadsAListedSchemeOrFallsBackToTheStandardColours) {
    test::TempFolder folder;
    const std::string file = folder.File("all.col");
    test::WriteBytes(file, Scheme("xp.col", "1;2;3") + Scheme("odd.col extra", "4;5;6"));
    SchemeColours standard{};
    standard[4] = 777;
    TestHost host;
    EXPECT_EQ(PreviewScheme(file, "xp.col", standard, host)[4], Rgb(1, 2, 3));
    EXPECT_EQ(PreviewScheme(file, "DEFAULT.col", standard, host)[4], 777);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(PreviewScheme(file, "odd.col", standard, host)[4], 777);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Color Scheme: odd.col not found");
}

TEST(OptionsTest, AppliedOptionsBringTheirSchemeAndTheAdjustedColour) {
    test::TempFolder folder;
    test::WriteBytes(folder.File("all.col"),
                     Scheme("xp.col", "1;2;3") + Scheme("dark.col", "4;5;6"));
    TestHost host;
    App app(host);
    app.paths = AppPaths{folder.Path(), folder.Path()};
    app.geometry.NumberFontSize = 17;
    OptionsChoice choice = OptionsFrom(app.settings);
    choice.schemeName = "dark.col";
    ApplyOptionsChoice(app, choice);
    EXPECT_EQ(app.scheme[4], Rgb(4, 5, 6));
    EXPECT_EQ(app.scheme[13], Rgb(4, 5, 6));
    EXPECT_EQ(app.geometry.BaseFontSize, 17);
    choice.buttonColour = Rgb(50, 60, 70);
    ApplyOptionsChoice(app, choice);
    EXPECT_EQ(app.scheme[4], Rgb(50, 60, 70));
    EXPECT_EQ(app.settings.ButtonColour, Rgb(50, 60, 70));

    choice.schemeName = "gone.col";
    ApplyOptionsChoice(app, choice);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Colour Scheme: gone.col not found");
    EXPECT_EQ(app.settings.SchemeName, "xp.col");
}

}  // namespace
}  // namespace ringlace

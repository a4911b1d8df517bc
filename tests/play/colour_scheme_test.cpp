#include "play/colour_scheme.h"

#include <gtest/gtest.h>

#include "commands/options_command.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

using test::TempFolder;
using test::WriteBytes;

std::string Scheme(const std::string& header, const std::string& colour2,
                   const std::string& colour4) {
    std::string text =
        header + "\r\n1;1;1\r\n" + colour2 + "\r\nunused\r\n" + colour4 + "\r\nunused\r\n";
    for (int k = 6; k <= 13; ++k) text += std::to_string(k) + ";" + std::to_string(k) + ";0\r\n";
    return text;
}

struct Loaded {
    bool found = false;
    SchemeColours colours{};
    Settings settings;
};

Loaded Load(const std::string& file, const std::string& name) {
    Loaded loaded;
    loaded.settings.SchemeName = name;
    loaded.found = LoadColourScheme(file, name, loaded.settings, loaded.colours);
    return loaded;
}

// Colour 3 is colour 2 lighter by 32 and colour 5 colour 4 darker by 32; a channel pushed above
// 256 becomes 254, one pushed below 1 becomes 8. Only a whole line names a scheme; one not found
// falls back to xp, name and colours.
TEST(ColourSchemeTest, DerivedColoursAreClampedAndAMissingSchemeFallsBackToXp) {
    TempFolder folder;
    const std::string file = folder.File("all.col");
    WriteBytes(file, Scheme("xp.col", "250;250;250", "20;40;60") +
                         Scheme("edge.col", "224;0;255", "33;32;31") +
                         Scheme("my edge.col extra", "1;1;1", "1;1;1"));
    EXPECT_EQ(ReadSchemeList(file), (std::vector<std::string>{"xp", "edge", "my edge"}));
    const Loaded xp = Load(file, "xp.col");
    ASSERT_TRUE(xp.found);
    EXPECT_EQ(xp.colours[2], Rgb(250, 250, 250));
    EXPECT_EQ(xp.colours[3], Rgb(254, 254, 254));
    EXPECT_EQ(xp.colours[5], Rgb(8, 8, 28));
    EXPECT_EQ(xp.colours[12], Rgb(12, 12, 0));

    const Loaded edge = Load(file, "edge.col");
    EXPECT_TRUE(edge.found);
    EXPECT_EQ(edge.colours[3], Rgb(255, 32, 254));  // 256 stays 256, then limited to 255
    EXPECT_EQ(edge.colours[5], Rgb(1, 8, 8));

    const Loaded partial = Load(file, "my edge.col");
    EXPECT_FALSE(partial.found);
    EXPECT_EQ(partial.settings.SchemeName, "xp.col");
    EXPECT_EQ(partial.colours, xp.colours);

    // An unreadable scheme counts as not found, with nothing half-read.
    WriteBytes(file, "short.col\r\n1;2;3\r\n4;5\r\n");
    SchemeColours colours = xp.colours;
    EXPECT_FALSE(ReadSchemeColours(file, "short.col", colours));
    EXPECT_EQ(colours, xp.colours);
    EXPECT_FALSE(Load(folder.File("none.col"), "xp.col").found);
}

TEST(OptionsTest, TheDefaultsResetTheLookButNotTheWayOfWorkingAndTheButtonsStep) {
    Settings settings;
    settings.SchemeName = "dark.col";
    settings.AutofillOn = 1;
    settings.MenuBarSide = 1;
    settings.SolutionRegister = 1;
    settings.ButtonColour = Rgb(90, 90, 90);
    AcceptOptions(DefaultOptions(OptionsFrom(settings)), settings);
    const Settings expected{
        .FontName = "arial", .MenuBarSide = 1, .SolutionRegister = 1, .RecentFiles = {}};
    EXPECT_EQ(settings, expected);  // the button colour 0: the scheme's own again
    // The adjust button steps ten within limits; the thickness button cycles.
    EXPECT_EQ(AdjustColour(Rgb(100, 15, 250), false), Rgb(90, 10, 240));
    EXPECT_EQ(AdjustColour(Rgb(100, 15, 250), true), Rgb(110, 25, 255));
    EXPECT_EQ(AdjustColour(0, false), Rgb(10, 10, 10));
    std::string cycle;
    for (std::int32_t thickness = 4, k = 0; k < 4; ++k) {
        thickness = NextBarThickness(thickness);
        cycle += static_cast<char>('0' + thickness);
    }
    EXPECT_EQ(cycle, "5612");
}

// The preview reads a listed scheme or falls back to the standard colours; applying brings the
// scheme and then the adjusted button colour.
TEST(OptionsTest, PreviewAndAppliedOptionsReadTheScheme) {
    test::TestApp p;
    App& app = p.app;
    const std::string file = p.folder.File("all.col");
    WriteBytes(file, Scheme("xp.col", "0;0;0", "1;2;3") + Scheme("dark.col", "0;0;0", "4;5;6") +
                         Scheme("odd.col extra", "0;0;0", "4;5;6"));
    SchemeColours standard{};
    standard[4] = 777;
    EXPECT_EQ(PreviewScheme(file, "xp.col", standard)->at(4), Rgb(1, 2, 3));
    EXPECT_EQ(PreviewScheme(file, "DEFAULT.col", standard)->at(4), 777);
    EXPECT_EQ(PreviewScheme(file, "odd.col", standard), std::nullopt);  // the dialog says so

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
}

}  // namespace
}  // namespace ringlace

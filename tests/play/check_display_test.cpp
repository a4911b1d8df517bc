#include "play/check_display.h"

#include <gtest/gtest.h>

#include "model/session.h"
#include "support/test_host.h"

namespace ringlace {
namespace {

TEST(CheckDisplayTest, AnErrorShowsItsTextLightAndDotForThreeSeconds) {
    Session session;
    test::TestHost host;
    BoardGeometry geometry;
    geometry.GridLeft = 100;
    geometry.GridTop = 200;
    geometry.CellSize = 600;
    geometry.Third = 200;
    ShowCheckError(session, geometry, host, 4, 7, "one isolated bar");
    EXPECT_EQ(host.statuses.back(), "one isolated bar");
    EXPECT_EQ(session.Label4Light, CheckLight::Error);
    EXPECT_TRUE(session.Timer3);
    // The marker's top-left corner is on dot (4, 7).
    EXPECT_EQ(session.Markers.Shape3, (MarkerBox{true, 100 + 6 * 600, 200 + 3 * 600, 200, 200}));
    HideErrorMarker(session);
    EXPECT_FALSE(session.Markers.Shape3.visible);
    EXPECT_FALSE(session.Timer3);

    ShowCheckError(session, geometry, host, 0, 0, "Closed Loop Yellow");
    EXPECT_FALSE(session.Markers.Shape3.visible);
    EXPECT_FALSE(session.Timer3);

    ShowCheckDone(session, host);
    EXPECT_EQ(host.statuses.back(), "Done !");
    SchemeColours scheme{};
    scheme[2] = 1234;
    EXPECT_EQ(CheckLightColour(session.Label4Light, scheme), Rgb(50, 150, 50));
    EXPECT_EQ(CheckLightColour(CheckLight::Error, scheme), Rgb(255, 0, 0));
    ClearCheckDisplay(session, host);
    EXPECT_EQ(CheckLightColour(session.Label4Light, scheme), 1234);
    EXPECT_EQ(host.statuses.back(), "");
}

}  // namespace
}  // namespace ringlace

// The divisor listing against a search one by one, over many typed pairs;
// the random pair is checked by the soak test, the key computation's messages
// by the golden scenarios.

#include "keys/KeyCommands.h"
#include "operations/CommandRunner.h"
#include "testing/RecordingWindow.h"
#include "value/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rsa {
namespace {

// The divisors a search one by one finds: i from 1 while i <= m, where m Mod i
// rounds m to a whole number.
std::string searchedDivisors(double m) {
    std::string list;
    for (double i = 1; i == 1 || i <= m; ++i) {
        if (std::fmod(std::nearbyint(m), i) == 0) {
            list += Str(Variant::doubleValue(i));
        }
    }
    return list;
}

TEST(PhiDivisors, AreWhatASearchOneByOneFinds) {
    WindowVariables vars;
    testing::RecordingWindow window;
    for (double p = -3; p <= 40; p += 0.5) {
        for (double q : {0.0, 1.0, 2.0, 3.0, 3.5, 7.0, 12.25, 73.0}) {
            window.boxes[TextBox::txtcarpan].clear();
            window.typeKey(Str(Variant::doubleValue(p)), Str(Variant::doubleValue(q)), "");
            listPhiDivisors(vars, window);
            ASSERT_EQ(window.boxes[TextBox::txtcarpan], searchedDivisors((p - 1) * (q - 1)))
                << p << " " << q;
        }
    }
    // (50000-1)^2 is beyond the Long range; p and q are read before the failure.
    window.typeKey("50000", "50000", "");
    runCommand(commands::listPhiDivisors, vars, window);
    EXPECT_EQ(window.messages.at(0).text, runtimeErrorMessage(6, "Overflow"));
    EXPECT_EQ(vars.q, Variant::doubleValue(50000));
}

} // namespace
} // namespace rsa

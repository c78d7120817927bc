#include "ProtocolBusFixture.h"

#include "X11Session.h"
#include "calc/CalcTestSupport.h"

namespace korvex::test {
namespace {

using LiveProtocolInOfficeTest = ProtocolBusFixture;

// The office suite's visible window, on an X server of the test's own: the same cells as the engine.
TEST_F(LiveProtocolInOfficeTest, ARunWithAnAddedCommandAndAPauseIsReadBackCellByCell) {
    X11Session x11;
    if (!x11.isRunning()) {
        GTEST_SKIP() << x11.failure().toStdString();
    }
    CalcPluginFixture calc;
    // The office keeps widths in hundredths of a millimetre and saves them in characters of its own
    // default font: 20 characters come back as 19.6.
    recordRunsAndCheckTheSavedProtocol(calc.backend(), 19.6);
    // The protocol leaves its office open for the operator; the test closes it.
    if (auto left = calc.backend().attach()) {
        static_cast<void>((*left)->quit());
    }
    EXPECT_TRUE(calc.officesEnd());
}

}  // namespace
}  // namespace korvex::test

#include "ProtocolBusFixture.h"

#include "report/xlsx/XlsxApplication.h"

namespace korvex::test {
namespace {

using LiveProtocolOverBusTest = ProtocolBusFixture;

// The embedded engine stands in for the office suite.
TEST_F(LiveProtocolOverBusTest, ARunWithAnAddedCommandAndAPauseIsReadBackCellByCell) {
    xlsx::XlsxBackend engine;
    recordRunsAndCheckTheSavedProtocol(engine, 20.0);
}

}  // namespace
}  // namespace korvex::test

// Starts a hidden office through the plugin in the folder given, says "running" and waits to be
// killed: the test that a killed program leaves no hidden office behind.

#include "report/OfficeSuite.h"
#include "report/SpreadsheetApplication.h"

#include <QCoreApplication>

#include <cstdio>

#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    auto loaded = korvex::loadOfficeSuite({QCoreApplication::arguments().value(1)});
    auto* suite = std::get_if<korvex::OfficeSuite>(&loaded);
    if (suite == nullptr) {
        return 1;
    }
    auto created = suite->backend->create();
    if (!created || !(*created)->addWorkbook()) {
        return 2;
    }
    std::puts("running");
    std::fflush(stdout);
    pause();
    return 0;
}

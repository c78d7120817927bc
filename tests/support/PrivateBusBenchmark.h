#pragma once

#include "support/PrivateSessionBus.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QString>

#include <cstdio>

namespace korvex::bench {

// The main of a benchmark program that needs a session bus of its own: inside a QCoreApplication on
// a private bus it makes a `Setup`, whose start() returns an empty text when ready (else why not),
// lets `registerBenchmarks` register the benchmarks on it and runs them. 1 when anything failed.
template <typename Setup, typename Register>
int runOnPrivateBus(int argc, char** argv, Register registerBenchmarks) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication application(argc, argv);
    const test::PrivateSessionBus bus;
    if (!bus.isRunning()) {
        std::fprintf(stderr, "%s\n", qPrintable(bus.failure()));
        return 1;
    }
    Setup setup;
    if (const QString failure = setup.start(); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    registerBenchmarks(setup);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace korvex::bench

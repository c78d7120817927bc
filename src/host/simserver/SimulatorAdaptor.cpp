#include "host/simserver/SimulatorAdaptor.h"

#include "host/simserver/SimServer.h"

namespace korvex {

SimulatorAdaptor::SimulatorAdaptor(SimBusObject& object) : SimAdaptor(object) {}

int SimulatorAdaptor::pacing() {
    return server().runner().pacing();
}

void SimulatorAdaptor::setPacing(int milliseconds) {
    server().runner().setPacing(milliseconds);
}

bool SimulatorAdaptor::running() {
    return server().runner().isRunning();
}

void SimulatorAdaptor::Run(int terminationType) {
    answer([&] { server().run(terminationType); });
}

uint SimulatorAdaptor::OpenPartProgram(const QString& path) {
    return answer([&] { return server().openPartProgram(path); });
}

void SimulatorAdaptor::ClosePartProgram() {
    answer([&] { server().closePartProgram(); });
}

void SimulatorAdaptor::AddCommand(const QString& command, int position, int& first, int& second) {
    answer([&] {
        const UniqueId id = server().addCommand(command, position);
        first = id.first;
        second = id.second;
    });
}

void SimulatorAdaptor::Quit() {
    server().requestQuit();
}

}  // namespace korvex

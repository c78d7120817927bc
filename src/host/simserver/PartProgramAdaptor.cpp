#include "host/simserver/PartProgramAdaptor.h"

#include "host/HostPartProgram.h"
#include "host/simserver/SimServer.h"

namespace korvex {

QString PartProgramAdaptor::Name(uint program) {
    return answer([&] { return server().partProgram(program)->name(); });
}

QString PartProgramAdaptor::Folder(uint program) {
    return answer([&] { return server().partProgram(program)->folder(); });
}

QString PartProgramAdaptor::Revision(uint program) {
    return answer([&] { return server().partProgram(program)->revision(); });
}

QString PartProgramAdaptor::DrawingNumber(uint program) {
    return answer([&] { return server().partProgram(program)->drawingNumber(); });
}

QString PartProgramAdaptor::FileName(uint program) {
    return answer([&] { return server().partProgram(program)->fileName(); });
}

QString PartProgramAdaptor::FullName(uint program) {
    return answer([&] { return server().partProgram(program)->fullName(); });
}

void PartProgramAdaptor::Save(uint program) {
    answer([&] { server().partProgram(program)->save(); });
}

void PartProgramAdaptor::LoadToolbarState(uint program, const QString& path) {
    answer([&] { server().partProgram(program)->loadToolbarState(path); });
}

}  // namespace korvex

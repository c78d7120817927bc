// Writes a synthetic part program for speed measurements: korvex-generate-part-program COUNT FILE
#include "host/sim/PartProgramFile.h"
#include "host/sim/PartProgramGenerator.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream error(stderr);
    bool isNumber = false;
    const int count = arguments.value(1).toInt(&isNumber);
    if (arguments.size() != 3 || !isNumber || count < 0) {
        error << "usage: korvex-generate-part-program COUNT FILE\n";
        return 2;
    }
    const QString failure = korvex::savePartProgramFile(korvex::generatePartProgram(count), arguments.at(2));
    if (!failure.isEmpty()) {
        error << arguments.at(2) << ": " << failure << '\n';
        return 1;
    }
    return 0;
}

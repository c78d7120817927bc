#include "report/fill/SymbolText.h"

#include <QHash>

namespace korvex {
namespace {

struct SymbolGroup {
    const char* symbol;
    std::initializer_list<const char*> types;
};

QHash<QString, QString> symbolTable() {
    const std::initializer_list<SymbolGroup> groups = {
        {"\"",
         {"X_LOCATION", "Y_LOCATION", "Z_LOCATION", "H_LOCATION", "L_LOCATION", "PA_LOCATION", "PD_LOCATION",
          "PR_LOCATION", "R_LOCATION", "RS_LOCATION", "RT_LOCATION", "S_LOCATION", "T_LOCATION",
          "V_LOCATION"}},
        {"$", {"A_LOCATION"}},
        {"n", {"D_LOCATION"}},
        {"2D $", {"2D_ANGLE"}},
        {"2D #", {"2D_DISTANCE"}},
        {"3D $", {"3D_ANGLE"}},
        {"3D #", {"3D_DISTANCE"}},
        {"a", {"ANGULARITY"}},
        {"%", {"COAXIALITY"}},
        {"r", {"CONCENTRICITY"}},
        {"c", {"FLATNESS", "FLATNESS_LOCATION", "TRUE_FLATNESS_LOCATION"}},
        {"&", {"KEYIN"}},
        {"f", {"PARALLELISM"}},
        {"b", {"PERPENDICULARITY"}},
        {"d", {"PROFILE"}},
        {"e", {"ROUNDNESS", "ROUNDNESS_LOCATION", "TRUE_ROUNDNESS_LOCATION"}},
        {"h", {"RUNOUT"}},
        {"u", {"STRAIGHTNESS", "STRAIGHTNESS_LOCATION", "TRUE_STRAIGHTNESS_LOCATION"}},
        {"i", {"SYMMETRY"}},
        {"j",
         {"TRUE_D1_LOCATION", "TRUE_D2_LOCATION", "TRUE_D3_LOCATION", "TRUE_DD_LOCATION", "TRUE_DF_LOCATION",
          "TRUE_DIAM_LOCATION", "TRUE_LD_LOCATION", "TRUE_LF_LOCATION", "TRUE_PA_LOCATION",
          "TRUE_PR_LOCATION", "TRUE_WD_LOCATION", "TRUE_WF_LOCATION", "TRUE_X_LOCATION", "TRUE_Y_LOCATION",
          "TRUE_Z_LOCATION"}},
    };
    QHash<QString, QString> table;
    for (const SymbolGroup& group : groups) {
        for (const char* type : group.types) {
            table.insert(QString::fromLatin1(type), QString::fromLatin1(group.symbol));
        }
    }
    return table;
}

}  // namespace

QString symbolText(const QString& typeName) {
    static const QHash<QString, QString> table = symbolTable();
    return table.value(typeName);
}

bool isTruePositionCoordinate(const QString& typeName) {
    return typeName == u"TRUE_X_LOCATION" || typeName == u"TRUE_Y_LOCATION" ||
           typeName == u"TRUE_Z_LOCATION" || typeName == u"TRUE_PA_LOCATION" ||
           typeName == u"TRUE_PR_LOCATION";
}

}  // namespace korvex

#include "characteristics/TypeNames.h"

#include <array>
#include <span>
#include <string_view>

namespace korvex {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kUnknown = "UNKNOWN DIMENSION TYPE";

// Type codes run consecutively in three groups.
constexpr std::array kLocationNames{
    "X_LOCATION"sv,
    "Y_LOCATION"sv,
    "Z_LOCATION"sv,
    "D_LOCATION"sv,
    "R_LOCATION"sv,
    "A_LOCATION"sv,
    "T_LOCATION"sv,
    "PR_LOCATION"sv,
    "PA_LOCATION"sv,
    "V_LOCATION"sv,
    "L_LOCATION"sv,
    "PD_LOCATION"sv,
    "RT_LOCATION"sv,
    "S_LOCATION"sv,
    "RS_LOCATION"sv,
    "H_LOCATION"sv,
    "FLATNESS_LOCATION"sv,
    "ROUNDNESS_LOCATION"sv,
    "STRAIGHTNESS_LOCATION"sv,
};
constexpr std::array kFormAndDistanceNames{
    "STRAIGHTNESS"sv, "ROUNDNESS"sv, "FLATNESS"sv,    "PERPENDICULARITY"sv,
    "PARALLELISM"sv,  "PROFILE"sv,   "3D_DISTANCE"sv, "2D_DISTANCE"sv,
    "3D_ANGLE"sv,     "2D_ANGLE"sv,  "RUNOUT"sv,      "CONCENTRICITY"sv,
    "ANGULARITY"sv,   "KEYIN"sv,     "COAXIALITY"sv,  "SYMMETRY"sv,
};
constexpr std::array kTruePositionNames{
    "TRUE_X_LOCATION"sv,        "TRUE_Y_LOCATION"sv,         "TRUE_Z_LOCATION"sv,
    "TRUE_DD_LOCATION"sv,       "TRUE_DF_LOCATION"sv,        "TRUE_PR_LOCATION"sv,
    "TRUE_PA_LOCATION"sv,       "TRUE_DIAM_LOCATION"sv,      "TRUE_LD_LOCATION"sv,
    "TRUE_WD_LOCATION"sv,       "TRUE_LF_LOCATION"sv,        "TRUE_WF_LOCATION"sv,
    "TRUE_D1_LOCATION"sv,       "TRUE_D2_LOCATION"sv,        "TRUE_D3_LOCATION"sv,
    "TRUE_FLATNESS_LOCATION"sv, "TRUE_ROUNDNESS_LOCATION"sv, "TRUE_STRAIGHTNESS_LOCATION"sv,
};

struct CodeGroup {
    int firstCode;
    std::span<const std::string_view> names;
};

constexpr std::array kCommandGroups{
    CodeGroup{1002, kLocationNames},
    CodeGroup{1100, kFormAndDistanceNames},
    CodeGroup{1202, kTruePositionNames},
};

QString toQString(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QString typeNameOfCommand(int typeCode) {
    for (const CodeGroup& group : kCommandGroups) {
        const long offset = static_cast<long>(typeCode) - group.firstCode;
        if (offset >= 0 && offset < static_cast<long>(group.names.size()))
            return toQString(group.names[static_cast<std::size_t>(offset)]);
    }
    return toQString(kUnknown);
}

QString typeNameOfGenericCode(int genericCode) {
    switch (genericCode) {
        case 2:
            return QStringLiteral("TRUE_DIAM_LOCATION");
        case 5:
            return QStringLiteral("CONCENTRICITY");
        case 6:
            return QStringLiteral("COAXIALITY");
        case 7:
        case 8:
            return QStringLiteral("ROUNDNESS");
        case 9:
            return QStringLiteral("STRAIGHTNESS");
        case 10:
            return QStringLiteral("FLATNESS");
        case 11:
            return QStringLiteral("PERPENDICULARITY");
        case 12:
            return QStringLiteral("PARALLELISM");
        case 13:
        case 14:
            return QStringLiteral("RUNOUT");
        case 15:
        case 16:
            return QStringLiteral("PROFILE");
        case 17:
            return QStringLiteral("ANGULARITY");
        case 18:
            return QStringLiteral("SYMMETRY");
        case 19:
            return QStringLiteral("KEYIN");
        default:
            return toQString(kUnknown);
    }
}

}  // namespace korvex

#include "report/xlsx/FormulaText.h"

namespace korvex::xlsx {

qsizetype endOfQuoted(const QString& formula, qsizetype position, QString* content) {
    const QChar quote = formula[position];
    for (++position; position < formula.size(); ++position) {
        const bool doubled =
            formula[position] == quote && position + 1 < formula.size() && formula[position + 1] == quote;
        if (formula[position] == quote && !doubled) {
            return position + 1;
        }
        position += doubled ? 1 : 0;
        if (content != nullptr) {
            *content += formula[position];
        }
    }
    return position;
}

}  // namespace korvex::xlsx

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace korvex {

// The header data of the part being measured: the variables named in the header-data list, each
// with the value the part program last assigned to it. The readers write the values; the main window
// shows them and the outputs write them.
class HeaderDataValues {
  public:
    struct Variable {
        QString name;
        QString value;

        friend bool operator==(const Variable&, const Variable&) = default;
    };

    // The variables of the header-data list, in its order, all without a value.
    void setNames(const QStringList& names);
    const std::vector<Variable>& variables() const { return variables_; }

    void clearValues();
    // Gives the value to the first variable whose name without the blanks around it equals variableName
    // exactly (case sensitive). False when no variable has that name.
    bool assign(const QString& variableName, const QString& value);

  private:
    std::vector<Variable> variables_;
};

}  // namespace korvex

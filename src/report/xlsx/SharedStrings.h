#pragma once

#include "report/SpreadsheetResult.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <unordered_map>
#include <vector>

namespace korvex::xlsx {

// The workbook's shared string table. Existing items (rich text included) stay as they are; new
// texts are appended once and reused.
class SharedStrings {
  public:
    SharedStrings();
    static SpreadsheetResult<std::unique_ptr<SharedStrings>> parse(const QByteArray& bytes,
                                                                   const QString& partName);

    // Nothing for an index outside the table.
    const QString* text(long long index) const;
    // The index of a plain item with that text, appended when there is none.
    int indexOf(const QString& text);

    bool isChanged() const { return changed_; }
    QByteArray serialize();

  private:
    pugi::xml_document document_;
    std::vector<QString> texts_;
    std::unordered_map<QString, int> plainIndexes_;
    bool changed_ = false;
};

}  // namespace korvex::xlsx

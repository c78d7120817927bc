#pragma once

#include "report/Workbook.h"
#include "report/calc/CalcWorksheet.h"
#include "report/calc/OfficeConnection.h"

#include <QHash>

#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <memory>
#include <vector>

namespace korvex::calc {

// A workbook open in the office. Closing the object closes the document without saving it.
class CalcWorkbook final : public Workbook {
  public:
    CalcWorkbook(std::shared_ptr<OfficeInstance> office,
                 css::uno::Reference<css::sheet::XSpreadsheetDocument> document, QString path);
    ~CalcWorkbook() override;
    CalcWorkbook(const CalcWorkbook&) = delete;
    CalcWorkbook& operator=(const CalcWorkbook&) = delete;

    QString path() const override { return path_; }
    QStringList sheetNames() const override;
    Worksheet* sheet(const QString& name) override;
    Worksheet* activeSheet() override;
    SpreadsheetResult<Worksheet*> addSheet(const QString& name) override;
    SpreadsheetResult<Worksheet*> copySheetAfter(const QString& source, const QString& after) override;
    SpreadsheetStatus save() override { return saveAs(path_); }
    SpreadsheetStatus saveAs(const QString& path) override;

    // Closes the document; false when the office refused.
    bool close();
    // False once the document was closed, here or by the operator in the office's window.
    bool isOpen() const;

    // What the worksheets and the application reach the office through.
    OfficeInstance& office() const { return *office_; }
    css::uno::Reference<css::frame::XFrame> frame() const;
    // Locked, the document's views stop repainting until it is unlocked.
    void lockControllers(bool locked);
    // Shows `sheet` in the workbook's view.
    void activate(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet);
    css::uno::Reference<css::sheet::XSpreadsheet> activeUnoSheet() const;
    // The document's key of a number format code, added to the document when it is new; nothing when
    // the office does not accept the code.
    std::optional<sal_Int32> numberFormatKey(const QString& code);

  private:
    Worksheet* wrap(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet, const QString& name);
    SpreadsheetError failure(const QString& message, SpreadsheetErrorKind kind) const;

    std::shared_ptr<OfficeInstance> office_;
    css::uno::Reference<css::sheet::XSpreadsheetDocument> document_;
    QString path_;
    std::vector<std::unique_ptr<CalcWorksheet>> sheets_;
    QHash<QString, sal_Int32> numberFormats_;
};

}  // namespace korvex::calc

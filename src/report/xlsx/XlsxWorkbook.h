#pragma once

#include "report/Workbook.h"
#include "report/xlsx/ContentTypes.h"
#include "report/xlsx/Relationships.h"
#include "report/xlsx/XlsxWorksheet.h"
#include "report/xlsx/ZipPackage.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <vector>

namespace korvex::xlsx {

class SharedStrings;
class StyleSheet;

// A workbook of the embedded engine: an .xlsx package whose parts are loaded when first needed.
// Parts the engine never loads are saved byte for byte as they came.
class XlsxWorkbook final : public Workbook, private SheetOwner {
  public:
    ~XlsxWorkbook() override;

    // Refuses what the engine cannot read (encrypted files, .xls, .xlsb, strict Office Open XML)
    // with a clear message.
    static SpreadsheetResult<std::unique_ptr<XlsxWorkbook>> open(const QString& path);
    static SpreadsheetResult<std::unique_ptr<XlsxWorkbook>> fromBytes(QByteArray bytes);
    static std::unique_ptr<XlsxWorkbook> createEmpty();
    // The workbook as it would be saved.
    SpreadsheetResult<QByteArray> toBytes();

    QString path() const override { return path_; }
    QStringList sheetNames() const override;
    Worksheet* sheet(const QString& name) override;
    Worksheet* activeSheet() override;
    SpreadsheetResult<Worksheet*> addSheet(const QString& name) override;
    SpreadsheetResult<Worksheet*> copySheetAfter(const QString& source, const QString& after) override;
    SpreadsheetStatus save() override;
    SpreadsheetStatus saveAs(const QString& path) override;

  private:
    struct SheetEntry {
        pugi::xml_node element;
        QString part;
        bool isWorksheet = false;
        std::unique_ptr<XlsxWorksheet> sheet;
        // Why the sheet could not be loaded, once that was tried.
        QString loadError;
        // The name as in the workbook part, and case-folded for lookups.
        QString name;
        QString foldedName;

        void takeName(const QString& newName);
    };

    XlsxWorkbook();
    SpreadsheetStatus load(ZipPackage package);
    SpreadsheetStatus loadWorkbookPart();
    SpreadsheetStatus loadStyles();
    SpreadsheetStatus loadSharedStrings();
    SpreadsheetStatus loadSheetList();

    QString nameOf(const XlsxWorksheet& sheet) const override;
    SpreadsheetStatus rename(XlsxWorksheet& sheet, const QString& newName) override;
    void activate(XlsxWorksheet& sheet) override;

    pugi::xml_node root() const { return workbookXml_.document_element(); }
    SheetEntry* find(const QString& name) const;
    int positionOf(const SheetEntry* entry) const;
    DateSystem dateSystem() const;
    SpreadsheetStatus checkNewName(const QString& name, const SheetEntry* renamed) const;
    XlsxWorksheet* loadSheet(SheetEntry& entry);
    SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> parseSheet(QByteArray bytes, const QString& part);
    SheetEntry& insertSheet(int position, const QString& name, const QString& part,
                            std::unique_ptr<XlsxWorksheet> sheet);
    QString relationshipPrefix();
    void declareAs(const QString& part, const QString& contentType);
    QString whyNotLoaded(const SheetEntry& entry) const;
    void renameSheetInCharts(const QString& sheetPart, const QString& oldName, const QString& newName);
    void giveOwnShapeIds(SheetEntry& copy);

    void markSelectedTabs();
    void writeSharedStrings();
    void dropCalculationChain();
    void writeWorkbookPart();

    ZipPackage package_;
    ContentTypes contentTypes_;
    QString workbookPart_;
    pugi::xml_document workbookXml_;
    Relationships workbookRelationships_;
    std::unique_ptr<StyleSheet> styles_;
    QString stylesPart_;
    std::unique_ptr<SharedStrings> strings_;
    QString stringsPart_;
    std::vector<std::unique_ptr<SheetEntry>> sheets_;
    SheetEntry* active_ = nullptr;
    QString path_;
};

}  // namespace korvex::xlsx

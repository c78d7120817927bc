#include "report/xlsx/XlsxWorkbook.h"

#include "report/xlsx/DefinedNames.h"
#include "report/xlsx/EmptyWorkbook.h"
#include "report/xlsx/FormulaElements.h"
#include "report/xlsx/PartCloner.h"
#include "report/xlsx/PartPath.h"
#include "report/xlsx/SharedStrings.h"
#include "report/xlsx/SheetNames.h"
#include "report/xlsx/StyleSheet.h"
#include "report/xlsx/VmlShapes.h"
#include "report/xlsx/XmlPart.h"
#include "util/AtomicFile.h"

#include <QFile>

#include <algorithm>

#include <array>
#include <string_view>

namespace korvex::xlsx {

namespace {

constexpr auto kWorkbookOrder = std::to_array<std::string_view>(
    {"fileVersion", "fileSharing", "workbookPr", "workbookProtection", "bookViews", "sheets",
     "functionGroups", "externalReferences", "definedNames", "calcPr", "oleSize", "customWorkbookViews",
     "pivotCaches", "smartTagPr", "smartTagTypes", "webPublishing", "fileRecoveryPr", "webPublishObjects",
     "extLst"});
constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr qint64 kMaxFileSize = 512LL * 1024 * 1024;
const QString kWorksheetType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
const QString kSharedStringsType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml");
const QString kStylesType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
const QString kWorkbookType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
// The workbook part may also be that of a template or of a workbook with macros.
const auto kWorkbookTypes = std::to_array<QLatin1StringView>(
    {QLatin1StringView("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"),
     QLatin1StringView("application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml"),
     QLatin1StringView("application/vnd.ms-excel.sheet.macroEnabled.main+xml"),
     QLatin1StringView("application/vnd.ms-excel.template.macroEnabled.main+xml")});

// Refuses, before unpacking, the files that are no zip package at all.
SpreadsheetStatus checkContainer(const QByteArray& bytes) {
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        return SpreadsheetError{
            QStringLiteral("the file is encrypted (password-protected) or an old binary .xls workbook; only "
                           "unencrypted .xlsx "
                           "workbooks can be opened"),
            SpreadsheetErrorKind::Unsupported};
    }
    if (!bytes.startsWith("PK\x03\x04") && !bytes.startsWith("PK\x05\x06")) {
        return SpreadsheetError{QStringLiteral("the file is not an .xlsx workbook"),
                                SpreadsheetErrorKind::Unsupported};
    }
    return {};
}

// Reads one part and parses it with one of the parts' parse functions.
template <typename Parse>
auto parsePart(const ZipPackage& package, const QString& part, Parse parse)
    -> decltype(parse(QByteArray(), part)) {
    SpreadsheetResult<QByteArray> bytes = package.read(part);
    if (!bytes) {
        return SpreadsheetError{bytes.error()};
    }
    return parse(*bytes, part);
}

// The failure of a step, as a failure of `fallback` unless the step said what kind it was.
template <typename Failed>
SpreadsheetError failureOf(const Failed& failed, SpreadsheetErrorKind fallback) {
    const SpreadsheetErrorKind kind = failed.errorKind();
    return {failed.error(), kind == SpreadsheetErrorKind::Other ? fallback : kind};
}

QString folderPrefix(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

}  // namespace

XlsxWorkbook::XlsxWorkbook() = default;
XlsxWorkbook::~XlsxWorkbook() = default;

SpreadsheetResult<std::unique_ptr<XlsxWorkbook>> XlsxWorkbook::open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return SpreadsheetError{
            QStringLiteral("The workbook \"%1\" cannot be opened: %2").arg(path, file.errorString()),
            SpreadsheetErrorKind::CannotOpen};
    }
    if (file.size() > kMaxFileSize) {
        return SpreadsheetError{QStringLiteral("The workbook \"%1\" is too large to be opened").arg(path),
                                SpreadsheetErrorKind::CannotOpen};
    }
    SpreadsheetResult<std::unique_ptr<XlsxWorkbook>> workbook = fromBytes(file.readAll());
    if (!workbook) {
        return SpreadsheetError{
            QStringLiteral("The workbook \"%1\" cannot be opened: %2").arg(path, workbook.error()),
            workbook.errorKind()};
    }
    (*workbook)->path_ = path;
    return workbook;
}

SpreadsheetResult<std::unique_ptr<XlsxWorkbook>> XlsxWorkbook::fromBytes(QByteArray bytes) {
    if (SpreadsheetStatus container = checkContainer(bytes); !container) {
        return failureOf(container, SpreadsheetErrorKind::Damaged);
    }
    SpreadsheetResult<ZipPackage> package = ZipPackage::fromBytes(std::move(bytes));
    if (!package) {
        return failureOf(package, SpreadsheetErrorKind::Damaged);
    }
    std::unique_ptr<XlsxWorkbook> workbook(new XlsxWorkbook());
    if (SpreadsheetStatus loaded = workbook->load(std::move(*package)); !loaded) {
        return failureOf(loaded, SpreadsheetErrorKind::Damaged);
    }
    return workbook;
}

std::unique_ptr<XlsxWorkbook> XlsxWorkbook::createEmpty() {
    std::unique_ptr<XlsxWorkbook> workbook(new XlsxWorkbook());
    // The built-in parts are known to be sound.
    [[maybe_unused]] const SpreadsheetStatus loaded = workbook->load(emptyWorkbookPackage());
    Q_ASSERT(loaded.ok());
    return workbook;
}

SpreadsheetStatus XlsxWorkbook::load(ZipPackage package) {
    package_ = std::move(package);
    SpreadsheetResult<QByteArray> types = package_.read(QString::fromUtf8(ContentTypes::kPartName));
    if (!types) {
        return SpreadsheetError{
            QStringLiteral("the file is not an Office Open XML package (it has no content types)")};
    }
    SpreadsheetResult<ContentTypes> parsedTypes = ContentTypes::parse(*types);
    if (!parsedTypes) {
        return SpreadsheetError{parsedTypes.error()};
    }
    contentTypes_ = std::move(*parsedTypes);
    for (auto step : {&XlsxWorkbook::loadWorkbookPart, &XlsxWorkbook::loadStyles,
                      &XlsxWorkbook::loadSharedStrings, &XlsxWorkbook::loadSheetList}) {
        if (SpreadsheetStatus done = (this->*step)(); !done) {
            return done;
        }
    }
    return {};
}

SpreadsheetStatus XlsxWorkbook::loadWorkbookPart() {
    SpreadsheetResult<Relationships> relationships =
        parsePart(package_, relationshipsPartOf(QString()), &Relationships::parse);
    if (!relationships) {
        return SpreadsheetError{relationships.error()};
    }
    const Relationship* document = relationships->firstOfType("officeDocument");
    if (document == nullptr) {
        const bool strict = std::ranges::any_of(relationships->all(), [](const Relationship& relationship) {
            return relationship.type.contains(u"purl.oclc.org");
        });
        return SpreadsheetError{
            strict ? QStringLiteral("the file is a strict Office Open XML workbook, which is not "
                                    "supported; save it as a normal .xlsx workbook")
                   : QStringLiteral("the package holds no workbook"),
            SpreadsheetErrorKind::Unsupported};
    }
    workbookPart_ = resolveTarget(QString(), document->target);
    if (workbookPart_.endsWith(u".bin") || contentTypes_.of(workbookPart_).contains(u"binary")) {
        return SpreadsheetError{
            QStringLiteral("the file is a binary workbook (.xlsb), which is not supported; "
                           "save it as an .xlsx workbook"),
            SpreadsheetErrorKind::Unsupported};
    }
    SpreadsheetResult<QByteArray> workbookBytes = package_.read(workbookPart_);
    if (!workbookBytes) {
        return SpreadsheetError{workbookBytes.error()};
    }
    if (SpreadsheetStatus parsed =
            parseSpreadsheetXml(workbookXml_, *workbookBytes, workbookPart_, "workbook");
        !parsed) {
        return parsed;
    }
    if (std::ranges::find(kWorkbookTypes, contentTypes_.of(workbookPart_)) == kWorkbookTypes.end()) {
        declareAs(workbookPart_, kWorkbookType);
    }
    const QString ownRelationships = relationshipsPartOf(workbookPart_);
    if (!package_.contains(ownRelationships)) {
        return SpreadsheetError{
            QStringLiteral("the workbook's list of parts \"%1\" is missing").arg(ownRelationships)};
    }
    SpreadsheetResult<Relationships> own = parsePart(package_, ownRelationships, &Relationships::parse);
    if (!own) {
        return SpreadsheetError{own.error()};
    }
    workbookRelationships_ = std::move(*own);
    return {};
}

SpreadsheetStatus XlsxWorkbook::loadStyles() {
    const Relationship* styles = workbookRelationships_.firstOfType("styles");
    if (styles == nullptr) {
        stylesPart_ = folderPrefix(workbookPart_) + QStringLiteral("styles.xml");
        package_.write(stylesPart_, defaultStylesPart());
        workbookRelationships_.add(relationshipType("styles"), relativeTarget(workbookPart_, stylesPart_));
        contentTypes_.setOverride(stylesPart_, kStylesType);
    } else {
        stylesPart_ = resolveTarget(workbookPart_, styles->target);
        declareAs(stylesPart_, kStylesType);
    }
    SpreadsheetResult<std::unique_ptr<StyleSheet>> parsed =
        parsePart(package_, stylesPart_, &StyleSheet::parse);
    if (!parsed) {
        return SpreadsheetError{parsed.error()};
    }
    styles_ = std::move(*parsed);
    return {};
}

SpreadsheetStatus XlsxWorkbook::loadSharedStrings() {
    const Relationship* strings = workbookRelationships_.firstOfType("sharedStrings");
    if (strings == nullptr) {
        strings_ = std::make_unique<SharedStrings>();
        return {};
    }
    stringsPart_ = resolveTarget(workbookPart_, strings->target);
    declareAs(stringsPart_, kSharedStringsType);
    SpreadsheetResult<std::unique_ptr<SharedStrings>> parsed =
        parsePart(package_, stringsPart_, &SharedStrings::parse);
    if (!parsed) {
        return SpreadsheetError{parsed.error()};
    }
    strings_ = std::move(*parsed);
    return {};
}

SpreadsheetStatus XlsxWorkbook::loadSheetList() {
    for (pugi::xml_node element : root().child("sheets").children("sheet")) {
        const Relationship* relationship = workbookRelationships_.byId(relationshipIdOf(element));
        const QString name = toQString(element.attribute("name").value());
        const QString part =
            relationship == nullptr ? QString() : resolveTarget(workbookPart_, relationship->target);
        if (relationship == nullptr || relationship->external || !package_.contains(part)) {
            return SpreadsheetError{
                QStringLiteral("the sheet \"%1\" has no content in the package").arg(name)};
        }
        if (find(name) != nullptr) {
            return SpreadsheetError{QStringLiteral("two sheets are named \"%1\"").arg(name)};
        }
        auto entry = std::make_unique<SheetEntry>();
        entry->element = element;
        entry->takeName(name);
        entry->part = part;
        entry->isWorksheet = relationship->hasType("worksheet");
        if (entry->isWorksheet) {
            declareAs(part, kWorksheetType);
        }
        sheets_.push_back(std::move(entry));
    }
    if (sheets_.empty()) {
        return SpreadsheetError{QStringLiteral("the workbook has no sheets")};
    }
    const int activeTab = root().child("bookViews").child("workbookView").attribute("activeTab").as_int();
    active_ =
        sheets_[static_cast<std::size_t>(std::clamp(activeTab, 0, static_cast<int>(sheets_.size()) - 1))]
            .get();
    return {};
}

void XlsxWorkbook::SheetEntry::takeName(const QString& newName) {
    name = newName;
    foldedName = newName.toCaseFolded();
    pugi::xml_attribute attribute = element.attribute("name");
    (attribute ? attribute : element.append_attribute("name")).set_value(toUtf8(newName).constData());
}

XlsxWorkbook::SheetEntry* XlsxWorkbook::find(const QString& name) const {
    // Names are unique ignoring case, so a name given as it is written is the one; callers mostly give
    // it so, and case folding costs more than the rest of a lookup.
    auto found =
        std::ranges::find(sheets_, name, [](const auto& entry) -> const QString& { return entry->name; });
    if (found == sheets_.end()) {
        const QString folded = name.toCaseFolded();
        found = std::ranges::find(sheets_, folded,
                                  [](const auto& entry) -> const QString& { return entry->foldedName; });
    }
    return found == sheets_.end() ? nullptr : found->get();
}

int XlsxWorkbook::positionOf(const SheetEntry* entry) const {
    const auto found = std::ranges::find(sheets_, entry, &std::unique_ptr<SheetEntry>::get);
    return static_cast<int>(found - sheets_.begin());
}

DateSystem XlsxWorkbook::dateSystem() const {
    return root().child("workbookPr").attribute("date1904").as_bool() ? DateSystem::From1904
                                                                      : DateSystem::From1900;
}

QStringList XlsxWorkbook::sheetNames() const {
    QStringList names;
    for (const auto& entry : sheets_) {
        names.append(entry->name);
    }
    return names;
}

SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> XlsxWorkbook::parseSheet(QByteArray bytes,
                                                                           const QString& part) {
    return XlsxWorksheet::load({*this, *strings_, *styles_, dateSystem()}, std::move(bytes), part);
}

XlsxWorksheet* XlsxWorkbook::loadSheet(SheetEntry& entry) {
    if (entry.sheet || !entry.isWorksheet || !entry.loadError.isEmpty()) {
        return entry.sheet.get();
    }
    SpreadsheetResult<QByteArray> bytes = package_.read(entry.part);
    SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> sheet =
        bytes ? parseSheet(std::move(*bytes), entry.part) : SpreadsheetError{bytes.error()};
    if (sheet) {
        entry.sheet = std::move(*sheet);
    } else {
        entry.loadError = sheet.error();
    }
    return entry.sheet.get();
}

// A part that parses is a worksheet part (its content type was corrected on load when wrong).
void XlsxWorkbook::declareAs(const QString& part, const QString& contentType) {
    if (contentTypes_.of(part) != contentType) {
        contentTypes_.setOverride(part, contentType);
    }
}

QString XlsxWorkbook::whyNotLoaded(const SheetEntry& entry) const {
    return entry.isWorksheet
               ? QStringLiteral("the sheet \"%1\" cannot be read: %2").arg(entry.name, entry.loadError)
               : QStringLiteral("the sheet \"%1\" is a chart or dialog sheet, not a worksheet")
                     .arg(entry.name);
}

Worksheet* XlsxWorkbook::sheet(const QString& name) {
    SheetEntry* entry = find(name);
    return entry == nullptr ? nullptr : loadSheet(*entry);
}

Worksheet* XlsxWorkbook::activeSheet() {
    return loadSheet(*active_);
}

SpreadsheetStatus XlsxWorkbook::checkNewName(const QString& name, const SheetEntry* renamed) const {
    if (const auto problem = sheetNameProblem(name)) {
        return SpreadsheetError{*problem, SpreadsheetErrorKind::BadSheetName};
    }
    const SheetEntry* holder = find(name);
    if (holder != nullptr && holder != renamed) {
        return SpreadsheetError{QStringLiteral("a sheet named \"%1\" exists already").arg(name),
                                SpreadsheetErrorKind::BadSheetName};
    }
    return {};
}

QString XlsxWorkbook::relationshipPrefix() {
    for (pugi::xml_attribute attribute : root().attributes()) {
        const std::string_view name = attribute.name();
        if (name.starts_with("xmlns:") && std::string_view(attribute.value()) == kRelationshipsNamespace) {
            return toQString(attribute.name() + 6);
        }
    }
    root().append_attribute("xmlns:r") = kRelationshipsNamespace;
    return QStringLiteral("r");
}

XlsxWorkbook::SheetEntry& XlsxWorkbook::insertSheet(int position, const QString& name, const QString& part,
                                                    std::unique_ptr<XlsxWorksheet> sheet) {
    pugi::xml_node sheets = root().child("sheets");
    unsigned highestId = 0;
    for (pugi::xml_node element : sheets.children("sheet")) {
        highestId = std::max(highestId, element.attribute("sheetId").as_uint());
    }
    const QString id =
        workbookRelationships_.add(relationshipType("worksheet"), relativeTarget(workbookPart_, part));
    const bool atEnd = position >= static_cast<int>(sheets_.size());
    pugi::xml_node element =
        atEnd ? sheets.append_child("sheet")
              : sheets.insert_child_before("sheet", sheets_[static_cast<std::size_t>(position)]->element);
    element.append_attribute("sheetId") = highestId + 1;
    element.append_attribute(toUtf8(relationshipPrefix() + QStringLiteral(":id")).constData()) =
        toUtf8(id).constData();
    contentTypes_.setOverride(part, kWorksheetType);
    shiftLocalSheetIds(root(), position);
    auto entry = std::make_unique<SheetEntry>(SheetEntry{element, part, true, std::move(sheet)});
    entry->takeName(name);
    return **sheets_.insert(sheets_.begin() + position, std::move(entry));
}

SpreadsheetResult<Worksheet*> XlsxWorkbook::addSheet(const QString& name) {
    if (SpreadsheetStatus allowed = checkNewName(name, nullptr); !allowed) {
        return failureOf(allowed, SpreadsheetErrorKind::Other);
    }
    const QString part = freePartName(folderPrefix(workbookPart_) + QStringLiteral("worksheets/sheet1.xml"),
                                      [&](const QString& candidate) { return package_.contains(candidate); });
    const QByteArray bytes = emptyWorksheetPart();
    SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> sheet = parseSheet(bytes, part);
    if (!sheet) {
        return SpreadsheetError{sheet.error()};
    }
    package_.write(part, bytes);
    SheetEntry& entry = insertSheet(positionOf(active_), name, part, std::move(*sheet));
    active_ = &entry;
    return static_cast<Worksheet*>(entry.sheet.get());
}

SpreadsheetResult<Worksheet*> XlsxWorkbook::copySheetAfter(const QString& source, const QString& after) {
    SheetEntry* original = find(source);
    SheetEntry* predecessor = find(after);
    if (original == nullptr || predecessor == nullptr) {
        return SpreadsheetError{
            QStringLiteral("there is no sheet named \"%1\"").arg(original == nullptr ? source : after),
            SpreadsheetErrorKind::NoSuchSheet};
    }
    if (loadSheet(*original) == nullptr) {
        return SpreadsheetError{whyNotLoaded(*original), SpreadsheetErrorKind::SheetNotCopyable};
    }
    PartCloner cloner(package_, contentTypes_);
    if (SpreadsheetStatus copyable = cloner.checkCopyable(original->part); !copyable) {
        return failureOf(copyable, SpreadsheetErrorKind::SheetNotCopyable);
    }
    const QString part =
        freePartName(original->part, [&](const QString& name) { return package_.contains(name); });
    SpreadsheetResult<std::unique_ptr<XlsxWorksheet>> copy = original->sheet->duplicate(part);
    if (!copy) {
        return failureOf(copy, SpreadsheetErrorKind::SheetNotCopyable);
    }
    if (SpreadsheetStatus cloned = cloner.cloneRelationships(original->part, part); !cloned) {
        return failureOf(cloned, SpreadsheetErrorKind::SheetNotCopyable);
    }
    // Takes the part name; the loaded copy is serialized into it on saving.
    package_.write(part, {});
    (*copy)->setTabSelected(false);
    const QString sourceName = original->name;
    const QString copyName =
        copyNameFor(sourceName, [&](const QString& name) { return find(name) != nullptr; });
    const int position = positionOf(predecessor) + 1;
    SheetEntry& entry = insertSheet(position, copyName, part, std::move(*copy));
    copyLocalNames(root(), positionOf(original), position, sourceName, copyName);
    // The copy refers to itself where the source referred to itself, as in the application.
    entry.sheet->renameSheetInOwnFormulas(sourceName, copyName);
    renameSheetInCharts(part, sourceName, copyName);
    giveOwnShapeIds(entry);
    return static_cast<Worksheet*>(entry.sheet.get());
}

QString XlsxWorkbook::nameOf(const XlsxWorksheet& sheet) const {
    const auto found =
        std::ranges::find_if(sheets_, [&](const auto& entry) { return entry->sheet.get() == &sheet; });
    return found == sheets_.end() ? QString() : (*found)->name;
}

SpreadsheetStatus XlsxWorkbook::rename(XlsxWorksheet& sheet, const QString& newName) {
    const auto found =
        std::ranges::find_if(sheets_, [&](const auto& entry) { return entry->sheet.get() == &sheet; });
    SheetEntry& entry = **found;
    const QString oldName = entry.name;
    if (SpreadsheetStatus allowed = checkNewName(newName, &entry); !allowed) {
        return allowed;
    }
    entry.takeName(newName);
    renameSheetInNames(root(), oldName, newName);
    sheet.renameSheetInOwnFormulas(oldName, newName);
    renameSheetInCharts(entry.part, oldName, newName);
    return {};
}

void XlsxWorkbook::renameSheetInCharts(const QString& sheetPart, const QString& oldName,
                                       const QString& newName) {
    for (const QString& part : partsReachedFrom(package_, sheetPart)) {
        if (!contentTypes_.of(part).contains(u"chart")) {
            continue;
        }
        SpreadsheetResult<QByteArray> bytes = package_.read(part);
        pugi::xml_document chart;
        if (bytes && parseXml(chart, *bytes, part) && renameSheetInFormulas(chart, oldName, newName)) {
            package_.write(part, serializeXml(chart));
        }
    }
}

// Every VML drawing of the copy takes a block of shape ids that no other drawing of the workbook
// claims.
void XlsxWorkbook::giveOwnShapeIds(SheetEntry& copy) {
    const auto isVml = [&](const QString& part) { return contentTypes_.of(part).contains(u"vmlDrawing"); };
    int highestBlock = 0;
    for (const QString& part : package_.partNames()) {
        SpreadsheetResult<QByteArray> bytes = isVml(part) ? package_.read(part) : QByteArray();
        highestBlock = std::max(highestBlock, bytes ? highestVmlBlock(*bytes) : 0);
    }
    for (const QString& part : partsReachedFrom(package_, copy.part)) {
        SpreadsheetResult<QByteArray> bytes = isVml(part) ? package_.read(part) : QByteArray();
        const int block = bytes ? highestVmlBlock(*bytes) : 0;
        if (block > 0) {
            package_.write(part, vmlInBlock(*bytes, ++highestBlock));
            copy.sheet->moveShapeIds(block, highestBlock);
        }
    }
}

void XlsxWorkbook::activate(XlsxWorksheet& sheet) {
    const auto found =
        std::ranges::find_if(sheets_, [&](const auto& entry) { return entry->sheet.get() == &sheet; });
    active_ = found->get();
}

void XlsxWorkbook::markSelectedTabs() {
    for (const auto& entry : sheets_) {
        const bool selected = entry.get() == active_;
        if (!entry->sheet && entry->isWorksheet) {
            // The sheet views precede the cells, so the head of the part is enough.
            SpreadsheetResult<QByteArray> bytes = package_.readUntil(entry->part, "sheetData");
            const bool markedSelected =
                bytes && (bytes->contains("tabSelected=\"1\"") || bytes->contains("tabSelected=\"true\""));
            if (selected == markedSelected) {
                continue;
            }
        }
        if (XlsxWorksheet* sheet = loadSheet(*entry)) {
            sheet->setTabSelected(selected);
        }
    }
}

void XlsxWorkbook::writeSharedStrings() {
    if (!strings_->isChanged()) {
        return;
    }
    if (stringsPart_.isEmpty()) {
        stringsPart_ = folderPrefix(workbookPart_) + QStringLiteral("sharedStrings.xml");
        workbookRelationships_.add(relationshipType("sharedStrings"),
                                   relativeTarget(workbookPart_, stringsPart_));
        contentTypes_.setOverride(stringsPart_, kSharedStringsType);
    }
    package_.write(stringsPart_, strings_->serialize());
}

void XlsxWorkbook::dropCalculationChain() {
    const Relationship* chain = workbookRelationships_.firstOfType("calcChain");
    if (chain == nullptr) {
        return;
    }
    const QString part = resolveTarget(workbookPart_, chain->target);
    package_.remove(part);
    contentTypes_.removeOverride(part);
    workbookRelationships_.removeOfType("calcChain");
}

void XlsxWorkbook::writeWorkbookPart() {
    pugi::xml_node view = childInOrder(root(), "bookViews", kWorkbookOrder).child("workbookView");
    if (!view) {
        view = root().child("bookViews").append_child("workbookView");
    }
    const int activeTab = positionOf(active_);
    view.remove_attribute("activeTab");
    view.append_attribute("activeTab") = activeTab;
    if (view.attribute("firstSheet").as_int() > activeTab) {
        view.attribute("firstSheet").set_value(activeTab);
    }
    pugi::xml_node calculation = childInOrder(root(), "calcPr", kWorkbookOrder);
    calculation.remove_attribute("fullCalcOnLoad");
    calculation.append_attribute("fullCalcOnLoad") = 1;
    package_.write(workbookPart_, serializeXml(workbookXml_));
    package_.write(relationshipsPartOf(workbookPart_), workbookRelationships_.serialize());
}

SpreadsheetResult<QByteArray> XlsxWorkbook::toBytes() {
    markSelectedTabs();
    for (const auto& entry : sheets_) {
        if (entry->sheet) {
            package_.writeOnDemand(entry->part, [sheet = entry->sheet.get()] { return sheet->serialize(); });
        }
    }
    writeSharedStrings();
    if (styles_->isChanged()) {
        package_.write(stylesPart_, styles_->serialize());
    }
    dropCalculationChain();
    writeWorkbookPart();
    package_.write(QString::fromUtf8(ContentTypes::kPartName), contentTypes_.serialize());
    return package_.toBytes();
}

SpreadsheetStatus XlsxWorkbook::save() {
    if (path_.isEmpty()) {
        return SpreadsheetError{QStringLiteral("the workbook has never been saved; it needs a file name"),
                                SpreadsheetErrorKind::CannotSave};
    }
    return saveAs(path_);
}

SpreadsheetStatus XlsxWorkbook::saveAs(const QString& path) {
    SpreadsheetResult<QByteArray> bytes = toBytes();
    const std::optional<QString> failure =
        bytes ? replaceFileAtomically(path, *bytes) : std::optional<QString>(bytes.error());
    if (failure) {
        return SpreadsheetError{QStringLiteral("The workbook \"%1\" cannot be saved: %2").arg(path, *failure),
                                SpreadsheetErrorKind::CannotSave};
    }
    path_ = path;
    return {};
}

}  // namespace korvex::xlsx

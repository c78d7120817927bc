#include "report/calc/CalcWorkbook.h"

#include "report/calc/BridgeCall.h"
#include "report/calc/UnoText.h"
#include "report/xlsx/SheetNames.h"
#include "util/AtomicFile.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XNumberFormats.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

namespace korvex::calc {
namespace {

using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

// The office's export filter for a workbook file name; the office's own format for .ods.
QString filterFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"xls") {
        return QStringLiteral("MS Excel 97");
    }
    if (suffix == u"ods") {
        return QStringLiteral("calc8");
    }
    if (suffix == u"xlsm") {
        return QStringLiteral("Calc MS Excel 2007 VBA XML");
    }
    return QStringLiteral("Calc MS Excel 2007 XML");
}

// Sheet names are compared ignoring case, as the spreadsheet application does.
std::optional<int> indexIn(const QStringList& names, const QString& name) {
    for (int index = 0; index < names.size(); ++index) {
        if (names[index].compare(name, Qt::CaseInsensitive) == 0) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace

CalcWorkbook::CalcWorkbook(std::shared_ptr<OfficeInstance> office,
                           Reference<css::sheet::XSpreadsheetDocument> document, QString path)
    : office_(std::move(office)), document_(std::move(document)), path_(std::move(path)) {}

CalcWorkbook::~CalcWorkbook() {
    close();
}

bool CalcWorkbook::close() {
    sheets_.clear();
    if (!document_.is()) {
        return true;
    }
    const std::optional<QString> failed = bridgeFailure(
        *office_, [&] { Reference<css::util::XCloseable>(document_, UNO_QUERY_THROW)->close(true); });
    document_.clear();
    return !failed;
}

bool CalcWorkbook::isOpen() const {
    return document_.is() && !bridgeFailure(*office_, [&] {
               Reference<css::frame::XModel>(document_, UNO_QUERY_THROW)->getURL();
           });
}

SpreadsheetError CalcWorkbook::failure(const QString& message, SpreadsheetErrorKind kind) const {
    return {QStringLiteral("%1: %2").arg(path_.isEmpty() ? QStringLiteral("new workbook") : path_, message),
            kind};
}

QStringList CalcWorkbook::sheetNames() const {
    QStringList names;
    static_cast<void>(bridgeFailure(*office_, [&] {
        const css::uno::Sequence<rtl::OUString> unoNames = document_->getSheets()->getElementNames();
        for (const rtl::OUString& name : unoNames) {
            names.append(fromUno(name));
        }
    }));
    return names;
}

Worksheet* CalcWorkbook::wrap(const Reference<css::sheet::XSpreadsheet>& sheet, const QString& name) {
    for (const std::unique_ptr<CalcWorksheet>& known : sheets_) {
        if (known->knownName().compare(name, Qt::CaseInsensitive) == 0) {
            return known.get();
        }
    }
    return sheets_.emplace_back(std::make_unique<CalcWorksheet>(*this, sheet, name)).get();
}

Worksheet* CalcWorkbook::sheet(const QString& name) {
    const QStringList names = sheetNames();
    const std::optional<int> index = indexIn(names, name);
    if (!index) {
        return nullptr;
    }
    const QString exactName = names[*index];
    Reference<css::sheet::XSpreadsheet> found;
    const std::optional<QString> failed = bridgeFailure(
        *office_, [&] { found.set(document_->getSheets()->getByName(toUno(exactName)), UNO_QUERY_THROW); });
    return failed ? nullptr : wrap(found, exactName);
}

Reference<css::frame::XFrame> CalcWorkbook::frame() const {
    Reference<css::frame::XFrame> frame;
    static_cast<void>(bridgeFailure(*office_, [&] {
        frame = Reference<css::frame::XModel>(document_, UNO_QUERY_THROW)->getCurrentController()->getFrame();
    }));
    return frame;
}

void CalcWorkbook::lockControllers(bool locked) {
    static_cast<void>(bridgeFailure(*office_, [&] {
        const Reference<css::frame::XModel> model(document_, UNO_QUERY_THROW);
        if (locked) {
            model->lockControllers();
        } else {
            model->unlockControllers();
        }
    }));
}

Reference<css::sheet::XSpreadsheet> CalcWorkbook::activeUnoSheet() const {
    Reference<css::sheet::XSpreadsheet> active;
    static_cast<void>(bridgeFailure(*office_, [&] {
        Reference<css::sheet::XSpreadsheetView> view(
            Reference<css::frame::XModel>(document_, UNO_QUERY_THROW)->getCurrentController(),
            UNO_QUERY_THROW);
        active = view->getActiveSheet();
    }));
    return active;
}

void CalcWorkbook::activate(const Reference<css::sheet::XSpreadsheet>& sheet) {
    static_cast<void>(bridgeFailure(*office_, [&] {
        Reference<css::sheet::XSpreadsheetView> view(
            Reference<css::frame::XModel>(document_, UNO_QUERY_THROW)->getCurrentController(),
            UNO_QUERY_THROW);
        view->setActiveSheet(sheet);
    }));
}

Worksheet* CalcWorkbook::activeSheet() {
    const Reference<css::sheet::XSpreadsheet> active = activeUnoSheet();
    QString name;
    if (!active.is() || bridgeFailure(*office_, [&] {
            name = fromUno(Reference<css::container::XNamed>(active, UNO_QUERY_THROW)->getName());
        })) {
        return nullptr;
    }
    return wrap(active, name);
}

SpreadsheetResult<Worksheet*> CalcWorkbook::addSheet(const QString& name) {
    if (const std::optional<QString> problem = xlsx::sheetNameProblem(name)) {
        return failure(*problem, SpreadsheetErrorKind::BadSheetName);
    }
    const QStringList names = sheetNames();
    if (indexIn(names, name)) {
        return failure(QStringLiteral("a sheet named \"%1\" exists already").arg(name),
                       SpreadsheetErrorKind::BadSheetName);
    }
    Worksheet* const active = activeSheet();
    const std::optional<int> before = active != nullptr ? indexIn(names, active->name()) : std::nullopt;
    Reference<css::sheet::XSpreadsheet> added;
    const std::optional<QString> failed = bridgeFailure(*office_, [&] {
        const Reference<css::sheet::XSpreadsheets> sheets = document_->getSheets();
        sheets->insertNewByName(toUno(name), static_cast<sal_Int16>(before.value_or(0)));
        added.set(sheets->getByName(toUno(name)), UNO_QUERY_THROW);
    });
    if (failed) {
        return failure(*failed, SpreadsheetErrorKind::Other);
    }
    activate(added);
    return wrap(added, name);
}

SpreadsheetResult<Worksheet*> CalcWorkbook::copySheetAfter(const QString& source, const QString& after) {
    const QStringList names = sheetNames();
    const std::optional<int> sourceIndex = indexIn(names, source);
    const std::optional<int> afterIndex = indexIn(names, after);
    if (!sourceIndex || !afterIndex) {
        return failure(QStringLiteral("there is no sheet \"%1\"").arg(sourceIndex ? after : source),
                       SpreadsheetErrorKind::NoSuchSheet);
    }
    const QString copyName = xlsx::copyNameFor(
        names[*sourceIndex], [&names](const QString& name) { return indexIn(names, name).has_value(); });
    Reference<css::sheet::XSpreadsheet> copy;
    const std::optional<QString> failed = bridgeFailure(*office_, [&] {
        const Reference<css::sheet::XSpreadsheets> sheets = document_->getSheets();
        sheets->copyByName(toUno(names[*sourceIndex]), toUno(copyName),
                           static_cast<sal_Int16>(*afterIndex + 1));
        copy.set(sheets->getByName(toUno(copyName)), UNO_QUERY_THROW);
    });
    if (failed) {
        return failure(*failed, SpreadsheetErrorKind::SheetNotCopyable);
    }
    return wrap(copy, copyName);
}

// The office writes the file beside nothing of the operator's; the finished file then replaces the
// target in one rename, so a failed save leaves the old file as it was.
SpreadsheetStatus CalcWorkbook::saveAs(const QString& path) {
    const QString target = QFileInfo(path).absoluteFilePath();
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return failure(QStringLiteral("no temporary folder to save into"), SpreadsheetErrorKind::CannotSave);
    }
    const QString written = scratch.filePath(QStringLiteral("workbook.") + QFileInfo(target).suffix());
    const std::optional<QString> failed = bridgeFailure(*office_, [&] {
        const auto arguments = namedValues(
            {{"FilterName", css::uno::Any(toUno(filterFor(target)))}, {"Overwrite", css::uno::Any(true)}});
        Reference<css::frame::XStorable>(document_, UNO_QUERY_THROW)
            ->storeToURL(toUno(QUrl::fromLocalFile(written).toString(QUrl::FullyEncoded)), arguments);
    });
    if (failed) {
        return failure(*failed, SpreadsheetErrorKind::CannotSave);
    }
    if (!copyFileAtomically(written, target)) {
        return SpreadsheetError{QStringLiteral("%1 cannot be written").arg(target),
                                SpreadsheetErrorKind::CannotSave};
    }
    path_ = target;
    return {};
}

std::optional<sal_Int32> CalcWorkbook::numberFormatKey(const QString& code) {
    if (const auto known = numberFormats_.constFind(code); known != numberFormats_.constEnd()) {
        return *known;
    }
    sal_Int32 key = -1;
    const std::optional<QString> failed = bridgeFailure(*office_, [&] {
        const Reference<css::util::XNumberFormats> formats =
            Reference<css::util::XNumberFormatsSupplier>(document_, UNO_QUERY_THROW)->getNumberFormats();
        // The office runs in the C locale, so the codes mean what they say in English.
        const css::lang::Locale locale;
        key = formats->queryKey(toUno(code), locale, false);
        if (key < 0) {
            key = formats->addNew(toUno(code), locale);
        }
    });
    if (failed) {
        return std::nullopt;
    }
    numberFormats_.insert(code, key);
    return key;
}

}  // namespace korvex::calc

#include "report/calc/CalcApplication.h"

#include "report/calc/BridgeCall.h"
#include "report/calc/UnoText.h"

#include <QFileInfo>

#include <QUrl>
#include <algorithm>
#include <array>

#include <com/sun/star/awt/PosSize.hpp>
#include <com/sun/star/awt/XTopWindow2.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XTitle.hpp>
#include <com/sun/star/util/XCloseable.hpp>

namespace korvex::calc {
namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

const QString kNewWorkbookUrl = QStringLiteral("private:factory/scalc");

// The import filter the office chose for a loaded document.
QString filterOf(const Reference<css::lang::XComponent>& loaded) {
    const Reference<css::frame::XModel> model(loaded, UNO_QUERY);
    if (!model.is()) {
        return {};
    }
    const css::uno::Sequence<css::beans::PropertyValue> arguments = model->getArgs();
    for (const css::beans::PropertyValue& argument : arguments) {
        rtl::OUString filter;
        if (argument.Name == "FilterName" && (argument.Value >>= filter)) {
            return fromUno(filter);
        }
    }
    return {};
}

// The office also reads text, web pages and other tables as sheets, which would then be saved over
// the file in another format: only workbook formats are opened.
bool isWorkbookFilter(const QString& filter) {
    static const std::array<QStringView, 5> kWorkbookFilters = {
        u"MS Excel", u"Calc MS Excel", u"Calc Office Open XML", u"calc8", u"StarOffice XML (Calc)"};
    return std::any_of(kWorkbookFilters.begin(), kWorkbookFilters.end(),
                       [&filter](QStringView workbook) { return filter.startsWith(workbook); });
}

}  // namespace

CalcApplication::CalcApplication(QString version, OfficeStarter starter)
    : version_(std::move(version)), starter_(std::move(starter)) {}

CalcApplication::CalcApplication(QString version, std::shared_ptr<OfficeInstance> office)
    : version_(std::move(version)), office_(std::move(office)) {
    visible_ = office_->window() == OfficeWindow::Visible;
}

// A visible office stays open for the operator, with its workbooks; a hidden one ends with them.
CalcApplication::~CalcApplication() {
    if (office_ && office_->window() == OfficeWindow::Visible && visible_ && office_->isRunning()) {
        return;
    }
    static_cast<void>(quit());
}

std::optional<QString> CalcApplication::ensureOffice() {
    if (office_) {
        return office_->isRunning() ? std::nullopt
                                    : std::optional<QString>(QStringLiteral("the office suite has ended"));
    }
    auto started = starter_(visible_ ? OfficeWindow::Visible : OfficeWindow::Headless);
    if (auto* failure = std::get_if<QString>(&started)) {
        return *failure;
    }
    office_ = std::get<std::shared_ptr<OfficeInstance>>(std::move(started));
    return std::nullopt;
}

void CalcApplication::setVisible(bool visible) {
    visible_ = visible;
    if (!office_ && visible) {
        static_cast<void>(ensureOffice());
        return;
    }
    applyEveryWindow();
}

// The operator may have closed a workbook's window, which leaves the office running without it: that
// ends the application as far as this program is concerned.
bool CalcApplication::isRunning() const {
    if (!office_) {
        return true;
    }
    return std::all_of(workbooks_.begin(), workbooks_.end(),
                       [](const std::unique_ptr<CalcWorkbook>& workbook) { return workbook->isOpen(); }) &&
           office_->isRunning();
}

void CalcApplication::forEachWindow(const std::function<void(CalcWorkbook&)>& apply) {
    if (!office_ || office_->window() != OfficeWindow::Visible) {
        return;
    }
    for (const std::unique_ptr<CalcWorkbook>& workbook : workbooks_) {
        apply(*workbook);
    }
}

void CalcApplication::applyEveryWindow() {
    forEachWindow([this](CalcWorkbook& workbook) { applyWindow(workbook); });
}

void CalcApplication::applyWindow(CalcWorkbook& workbook) {
    static_cast<void>(bridgeFailure(*office_, [&] {
        const Reference<css::frame::XFrame> frame = workbook.frame();
        const Reference<css::awt::XWindow> window = frame->getContainerWindow();
        if (normalState_) {
            Reference<css::awt::XTopWindow2> topWindow(window, UNO_QUERY_THROW);
            topWindow->setIsMinimized(false);
            topWindow->setIsMaximized(false);
        }
        if (geometry_) {
            window->setPosSize(geometry_->x(), geometry_->y(), geometry_->width(), geometry_->height(),
                               css::awt::PosSize::POSSIZE);
        }
        window->setVisible(visible_);
        if (!caption_.isEmpty()) {
            Reference<css::frame::XTitle>(frame, UNO_QUERY_THROW)->setTitle(toUno(caption_));
        }
    }));
}

void CalcApplication::setCaption(const QString& caption) {
    caption_ = caption;
    applyEveryWindow();
}

void CalcApplication::showNormal() {
    normalState_ = true;
    applyEveryWindow();
}

void CalcApplication::setWindowGeometry(const QRect& frame) {
    geometry_ = frame;
    applyEveryWindow();
}

void CalcApplication::setScreenUpdating(bool on) {
    if (on == screenUpdating_) {
        return;
    }
    screenUpdating_ = on;
    forEachWindow([on](CalcWorkbook& workbook) { workbook.lockControllers(!on); });
}

SpreadsheetResult<Workbook*> CalcApplication::open(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        return SpreadsheetError{
            QStringLiteral("The workbook \"%1\" cannot be opened: no readable file").arg(path),
            SpreadsheetErrorKind::CannotOpen};
    }
    return load(QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded),
                file.absoluteFilePath());
}

SpreadsheetResult<Workbook*> CalcApplication::addWorkbook() {
    return load(kNewWorkbookUrl, QString());
}

// Macros never run and links are never updated: a workbook is data. A headless office loads with a
// view all the same, as frozen panes need one.
SpreadsheetResult<Workbook*> CalcApplication::load(const QString& url, const QString& path) {
    if (const std::optional<QString> failure = ensureOffice()) {
        return SpreadsheetError{failure.value(), SpreadsheetErrorKind::Other};
    }
    const bool hidden = office_->window() == OfficeWindow::Visible && !visible_;
    Reference<css::lang::XComponent> loaded;
    Reference<css::sheet::XSpreadsheetDocument> document;
    QString filter;
    const std::optional<QString> failed = bridgeFailure(*office_, [&] {
        const auto arguments =
            namedValues({{"Hidden", Any(hidden)},
                         {"MacroExecutionMode", Any(css::document::MacroExecMode::NEVER_EXECUTE)},
                         {"UpdateDocMode", Any(css::document::UpdateDocMode::NO_UPDATE)}});
        Reference<css::frame::XComponentLoader> loader(office_->desktop(), UNO_QUERY_THROW);
        loaded = loader->loadComponentFromURL(toUno(url), "_blank", 0, arguments);
        document.set(loaded, UNO_QUERY);
        filter = filterOf(loaded);
    });
    if (failed || !loaded.is()) {
        return SpreadsheetError{QStringLiteral("The workbook \"%1\" cannot be opened: %2")
                                    .arg(path, failed.value_or(QStringLiteral("the office cannot read it"))),
                                SpreadsheetErrorKind::CannotOpen};
    }
    if (!document.is() || (!path.isEmpty() && !isWorkbookFilter(filter))) {
        static_cast<void>(bridgeFailure(
            *office_, [&] { Reference<css::util::XCloseable>(loaded, UNO_QUERY_THROW)->close(true); }));
        return SpreadsheetError{QStringLiteral("The file \"%1\" is no workbook").arg(path),
                                SpreadsheetErrorKind::Unsupported};
    }
    active_ = workbooks_.emplace_back(std::make_unique<CalcWorkbook>(office_, document, path)).get();
    if (office_->window() == OfficeWindow::Visible) {
        applyWindow(*active_);
    }
    return static_cast<Workbook*>(active_);
}

SpreadsheetStatus CalcApplication::closeAll() {
    bool closed = true;
    for (const std::unique_ptr<CalcWorkbook>& workbook : workbooks_) {
        closed = workbook->close() && closed;
    }
    workbooks_.clear();
    active_ = nullptr;
    if (!closed) {
        return SpreadsheetError{QStringLiteral("the office suite did not close every workbook")};
    }
    return {};
}

SpreadsheetStatus CalcApplication::quit() {
    if (!office_) {
        return {};
    }
    const bool reachable = office_->isRunning();
    const SpreadsheetStatus closed = closeAll();
    office_->terminate();
    if (!reachable) {
        return SpreadsheetError{QStringLiteral("the office suite had ended already")};
    }
    return closed;
}

}  // namespace korvex::calc

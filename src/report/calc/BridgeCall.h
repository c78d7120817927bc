#pragma once

#include "report/calc/OfficeConnection.h"
#include "report/calc/UnoText.h"

#include <QString>

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>

#include <exception>
#include <optional>
#include <utility>

namespace korvex::calc {

// Runs calls over the bridge so that no exception of the office leaves the plugin: the failure comes
// back as its text. A broken bridge or a document the operator closed marks the office lost, and a
// lost office is not called again.
template <typename Call>
std::optional<QString> bridgeFailure(OfficeInstance& office, Call&& call) {
    if (!office.isRunning()) {
        return QStringLiteral("the office suite has ended");
    }
    try {
        std::forward<Call>(call)();
        return std::nullopt;
    } catch (const css::lang::DisposedException& error) {
        office.markLost();
        return QStringLiteral("the office suite has ended or closed the workbook (%1)")
            .arg(fromUno(error.Message));
    } catch (const css::uno::Exception& error) {
        const QString message = fromUno(error.Message).trimmed();
        return message.isEmpty() ? QStringLiteral("the office suite refused the operation") : message;
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
}

}  // namespace korvex::calc

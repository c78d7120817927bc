#pragma once

#include "host/HostCallError.h"
#include "host/dbus/HostBus.h"
#include "host/simserver/SimBusObject.h"
#include "host/simserver/SimRequestError.h"

#include <QDBusAbstractAdaptor>

#include <type_traits>

namespace korvex {

// One interface of the simulated host's bus object. A request the host refuses, or a host call that
// fails, is answered with a D-Bus error instead of a reply.
class SimAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT

  public:
    explicit SimAdaptor(SimBusObject& object) : QDBusAbstractAdaptor(&object), object_(object) {}

  protected:
    SimServer& server() { return object_.server(); }

    // The request's result; on failure the error reply is sent and the result is a default value
    // that QtDBus does not send.
    template <typename Request>
    auto answer(Request request) -> std::invoke_result_t<Request> {
        using Result = std::invoke_result_t<Request>;
        try {
            return request();
        } catch (const SimRequestError& error) {
            object_.sendErrorReply(error.name, error.message);
        } catch (const HostCallError& error) {
            object_.sendErrorReply(hostbus::refusedError(), error.message());
        }
        if constexpr (!std::is_void_v<Result>)
            return Result{};
    }

  private:
    SimBusObject& object_;
};

}  // namespace korvex

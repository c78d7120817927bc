#include "report/calc/OfficeConnection.h"

#include "report/calc/OfficeOrphans.h"
#include "report/calc/OfficeVersion.h"
#include "report/calc/UnoText.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/bootstrap.hxx>

namespace korvex::calc {
namespace {

// A fresh profile takes the office about a second to make; a busy machine may need many times that.
constexpr std::chrono::seconds kConnectTimeout{90};
constexpr std::chrono::milliseconds kConnectRetry{100};
constexpr std::chrono::seconds kTerminateGrace{10};

using css::uno::Reference;
using css::uno::XComponentContext;

// This program's side of the bridge knows the office's types only when it is pointed at the
// office's full type list.
Reference<XComponentContext> bootstrapLocalContext(const QString& programFolder) {
    if (!qEnvironmentVariableIsSet("URE_BOOTSTRAP")) {
        qputenv("URE_BOOTSTRAP",
                QStringLiteral("vnd.sun.star.pathname:%1/fundamentalrc").arg(programFolder).toUtf8());
    }
    return cppu::defaultBootstrap_InitialComponentContext();
}

struct Connected {
    std::unique_ptr<OfficeProcess> process;
    Reference<XComponentContext> remote;
};

std::variant<Connected, QString> connect(const Reference<XComponentContext>& local,
                                         const OfficeLaunch& launch) {
    auto started = OfficeProcess::start(launch);
    if (auto* failure = std::get_if<QString>(&started)) {
        return *failure;
    }
    std::unique_ptr<OfficeProcess> process = std::move(std::get<0>(started));
    const Reference<css::bridge::XUnoUrlResolver> resolver = css::bridge::UnoUrlResolver::create(local);
    const rtl::OUString url =
        toUno(QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(launch.pipeName));
    const QDeadlineTimer deadline(kConnectTimeout);
    bool restarted = false;
    for (;;) {
        try {
            Reference<XComponentContext> remote(resolver->resolve(url), css::uno::UNO_QUERY_THROW);
            // Another office with the same profile would have taken the arguments and ended this one.
            if (process->hasEnded()) {
                return QStringLiteral("the office ended right after it started");
            }
            return Connected{std::move(process), remote};
        } catch (const css::connection::NoConnectException&) {
        }
        if (process->hasEnded()) {
            if (process->exitStatus() != OfficeProcess::kRestartStatus || restarted) {
                return QStringLiteral("the office ended while starting (exit status %1)")
                    .arg(process->exitStatus().value_or(-1));
            }
            restarted = true;
            started = OfficeProcess::start(launch);
            if (auto* failure = std::get_if<QString>(&started)) {
                return *failure;
            }
            process = std::move(std::get<0>(started));
        }
        if (deadline.hasExpired()) {
            return QStringLiteral("the office did not answer within %1 s").arg(kConnectTimeout.count());
        }
        QThread::msleep(static_cast<unsigned long>(kConnectRetry.count()));
    }
}

}  // namespace

OfficeInstance::OfficeInstance(std::unique_ptr<OfficeProcess> process, const OfficeLaunch& launch,
                               Reference<XComponentContext> localContext,
                               Reference<css::frame::XDesktop2> desktop)
    : process_(std::move(process)),
      profileFolder_(launch.profileFolder),
      window_(launch.window),
      localContext_(std::move(localContext)),
      desktop_(std::move(desktop)) {}

OfficeInstance::~OfficeInstance() {
    if (window_ == OfficeWindow::Visible && isRunning()) {
        process_->release();
        desktop_.clear();
        disposeLocalContext();
        return;
    }
    terminate();
}

// Ends the bridge and this program's UNO services with it.
void OfficeInstance::disposeLocalContext() {
    try {
        if (const Reference<css::lang::XComponent> context{localContext_, css::uno::UNO_QUERY};
            context.is()) {
            context->dispose();
        }
    } catch (const css::uno::Exception&) {
        // Disposing is tidying up; a failure leaves nothing to do.
    }
    localContext_.clear();
}

bool OfficeInstance::isRunning() {
    return !lost_ && !process_->hasEnded();
}

void OfficeInstance::terminate() {
    if (isRunning()) {
        try {
            desktop_->terminate();
        } catch (const css::uno::Exception&) {
            // The office went away while it was asked to end, which is what was asked for.
        }
    }
    lost_ = true;
    process_->stop(kTerminateGrace);
    desktop_.clear();
    disposeLocalContext();
    QDir(profileFolder_).removeRecursively();
}

std::variant<std::shared_ptr<OfficeInstance>, QString> startOffice(OfficeWindow window) {
    const std::optional<QString> base = officeProfileBase();
    if (!base) {
        return QStringLiteral("no private folder for the office's user profile");
    }
    reapOrphanedOffices(*base);
    const std::optional<OfficeProfile> profile = makeOfficeProfile(*base);
    if (!profile) {
        return QStringLiteral("the office's user profile cannot be made in %1").arg(*base);
    }
    const OfficeLaunch launch{officeProgramFolder(), window, profile->folder, profile->pipeName};
    try {
        const Reference<XComponentContext> local = bootstrapLocalContext(launch.programFolder);
        auto connected = connect(local, launch);
        if (auto* failure = std::get_if<QString>(&connected)) {
            QDir(profile->folder).removeRecursively();
            return *failure;
        }
        Connected& office = std::get<Connected>(connected);
        auto desktop = css::frame::Desktop::create(office.remote);
        return std::make_shared<OfficeInstance>(std::move(office.process), launch, local, desktop);
    } catch (const css::uno::Exception& error) {
        QDir(profile->folder).removeRecursively();
        return QStringLiteral("the office cannot be reached: %1").arg(fromUno(error.Message));
    } catch (const std::exception& error) {
        QDir(profile->folder).removeRecursively();
        return QStringLiteral("the office cannot be reached: %1").arg(QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace korvex::calc

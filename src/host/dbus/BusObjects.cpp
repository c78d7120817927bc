#include "host/dbus/BusObjects.h"

#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"
#include "host/SnapshotObjects.h"
#include "host/dbus/HostBus.h"
#include "host/dbus/HostBusLink.h"
#include "host/dbus/SnapshotMarshalling.h"

#include <algorithm>
#include <limits>

namespace korvex {
namespace {

// Snapshots fetched per call: a few hundred kilobytes per message at most.
constexpr int kSnapshotsPerCall = 1000;

QVariant handleArgument(unsigned handle) {
    return QVariant::fromValue(static_cast<uint>(handle));
}

// A reply of the form (found, first, second): the unique id of the command found, if any.
std::optional<UniqueId> foundCommand(const QList<QVariant>& reply) {
    if (!reply.value(0).toBool())
        return std::nullopt;
    return UniqueId{reply.value(1).toInt(), reply.value(2).toInt()};
}

class BusCommand : public HostCommand {
  public:
    BusCommand(std::shared_ptr<const HostBusLink> link, unsigned handle, UniqueId id,
               std::optional<CommandSnapshot> known)
        : link_(std::move(link)), handle_(handle), id_(id), known_(std::move(known)) {}

    int typeCode() override { return snapshot().typeCode; }
    QString identifierText() override { return snapshot().identifierText; }
    bool isDimension() override { return snapshot().isDimension; }
    bool isComment() override { return snapshot().isComment; }
    bool isMarked() override { return snapshot().isMarked; }
    UniqueId uniqueId() override { return id_; }

    std::shared_ptr<HostDimension> dimension() override {
        std::optional<DimensionSnapshot> data = snapshot().dimension;
        return data ? makeDimensionObject(std::move(*data)) : nullptr;
    }
    std::shared_ptr<HostComment> comment() override {
        std::optional<CommentSnapshot> data = snapshot().comment;
        return data ? makeCommentObject(std::move(*data)) : nullptr;
    }
    std::shared_ptr<HostAssignment> assignment() override {
        std::optional<AssignmentSnapshot> data = snapshot().assignment;
        return data ? makeAssignmentObject(std::move(*data)) : nullptr;
    }

    QString fieldText(int code, int index) override {
        return link_->callFor<QString>(hostbus::commandsInterface(), QStringLiteral("FieldText"),
                                       fieldArguments(code, index));
    }
    double fieldValue(int code, int index) override {
        return link_->callFor<double>(hostbus::commandsInterface(), QStringLiteral("FieldValue"),
                                      fieldArguments(code, index));
    }
    int fieldNumber(int code, int index) override {
        return link_->callFor<int>(hostbus::commandsInterface(), QStringLiteral("FieldNumber"),
                                   fieldArguments(code, index));
    }

    std::shared_ptr<HostCommand> previous() override {
        const std::optional<UniqueId> id = foundCommand(
            link_->call(hostbus::commandsInterface(), QStringLiteral("Previous"), idArguments()));
        return id ? makeBusCommand(link_, handle_, *id) : nullptr;
    }
    void activate() override {
        link_->call(hostbus::commandsInterface(), QStringLiteral("Activate"), idArguments());
    }

    CommandSnapshot snapshot() override {
        if (known_)
            return *known_;
        return link_->callFor<CommandSnapshot>(hostbus::commandsInterface(), QStringLiteral("Snapshot"),
                                               idArguments());
    }

  private:
    QList<QVariant> idArguments() const { return {handleArgument(handle_), id_.first, id_.second}; }
    QList<QVariant> fieldArguments(int code, int index) const { return idArguments() << code << index; }

    std::shared_ptr<const HostBusLink> link_;
    unsigned handle_;
    UniqueId id_;
    std::optional<CommandSnapshot> known_;
};

class BusCommandCollection : public HostCommandCollection {
  public:
    BusCommandCollection(std::shared_ptr<const HostBusLink> link, unsigned handle)
        : link_(std::move(link)), handle_(handle) {}

    int count() override {
        return link_->callFor<int>(hostbus::commandsInterface(), QStringLiteral("Count"),
                                   {handleArgument(handle_)});
    }

    std::shared_ptr<HostCommand> commandAt(int position) override {
        const std::optional<UniqueId> id = foundCommand(link_->call(
            hostbus::commandsInterface(), QStringLiteral("CommandAt"), {handleArgument(handle_), position}));
        return id ? makeBusCommand(link_, handle_, *id) : nullptr;
    }

    std::shared_ptr<HostCommand> commandWithUniqueId(UniqueId id) override {
        const bool found = link_->callFor<bool>(hostbus::commandsInterface(), QStringLiteral("HasCommand"),
                                                {handleArgument(handle_), id.first, id.second});
        return found ? makeBusCommand(link_, handle_, id) : nullptr;
    }

    std::vector<CommandSnapshot> snapshots(int first, int count) override {
        std::vector<CommandSnapshot> snapshots;
        const auto end = static_cast<int>(
            std::min<qint64>(qint64{first} + std::max(count, 0), std::numeric_limits<int>::max()));
        for (int position = std::max(first, 0); position < end;) {
            const int asked = std::min(kSnapshotsPerCall, end - position);
            const auto batch = link_->callFor<QList<CommandSnapshot>>(
                hostbus::commandsInterface(), QStringLiteral("Snapshots"),
                {handleArgument(handle_), position, asked});
            snapshots.insert(snapshots.end(), batch.begin(), batch.end());
            // The host may answer with fewer commands than asked for when their texts are large:
            // only an empty answer means that the program has ended.
            if (batch.isEmpty())
                break;
            position += static_cast<int>(batch.size());
        }
        return snapshots;
    }

  private:
    std::shared_ptr<const HostBusLink> link_;
    unsigned handle_;
};

class BusPartProgram : public HostPartProgram {
  public:
    BusPartProgram(std::shared_ptr<const HostBusLink> link, unsigned handle,
                   std::optional<QString> knownFullName)
        : link_(std::move(link)), handle_(handle), knownFullName_(std::move(knownFullName)) {}

    QString name() override { return text(QStringLiteral("Name")); }
    QString folder() override { return text(QStringLiteral("Folder")); }
    QString revision() override { return text(QStringLiteral("Revision")); }
    QString drawingNumber() override { return text(QStringLiteral("DrawingNumber")); }
    QString fileName() override { return text(QStringLiteral("FileName")); }
    QString fullName() override {
        return knownFullName_ ? *knownFullName_ : text(QStringLiteral("FullName"));
    }

    std::shared_ptr<HostCommandCollection> commands() override {
        return makeBusCommandCollection(link_, handle_);
    }

    void save() override {
        link_->call(hostbus::partProgramInterface(), QStringLiteral("Save"), {handleArgument(handle_)});
    }
    void loadToolbarState(const QString& path) override {
        link_->call(hostbus::partProgramInterface(), QStringLiteral("LoadToolbarState"),
                    {handleArgument(handle_), path});
    }

  private:
    QString text(const QString& method) const {
        return link_->callFor<QString>(hostbus::partProgramInterface(), method, {handleArgument(handle_)});
    }

    std::shared_ptr<const HostBusLink> link_;
    unsigned handle_;
    std::optional<QString> knownFullName_;
};

}  // namespace

std::shared_ptr<HostPartProgram> makeBusPartProgram(std::shared_ptr<const HostBusLink> link, unsigned handle,
                                                    std::optional<QString> knownFullName) {
    return std::make_shared<BusPartProgram>(std::move(link), handle, std::move(knownFullName));
}

std::shared_ptr<HostCommandCollection> makeBusCommandCollection(std::shared_ptr<const HostBusLink> link,
                                                                unsigned handle) {
    return std::make_shared<BusCommandCollection>(std::move(link), handle);
}

std::shared_ptr<HostCommand> makeBusCommand(std::shared_ptr<const HostBusLink> link, unsigned handle,
                                            UniqueId id, std::optional<CommandSnapshot> known) {
    return std::make_shared<BusCommand>(std::move(link), handle, id, std::move(known));
}

}  // namespace korvex

#include "host/CommandSnapshotReader.h"
#include "host/HostCallError.h"
#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"
#include "host/SnapshotObjects.h"
#include "host/sim/SimModel.h"

namespace korvex {
namespace {

std::shared_ptr<SimModel> lockModel(const std::weak_ptr<SimModel>& model) {
    std::shared_ptr<SimModel> locked = model.lock();
    if (!locked)
        throw HostCallError(HostFailure::Gone, QString(), QStringLiteral("KORVEX is no longer running."));
    return locked;
}

class SimCommandObject : public HostCommand {
  public:
    SimCommandObject(std::weak_ptr<SimModel> model, UniqueId id) : model_(std::move(model)), id_(id) {}

    int typeCode() override { return data().typeCode; }
    QString identifierText() override { return data().identifierText; }
    bool isDimension() override { return data().isDimension; }
    bool isComment() override { return data().isComment; }
    bool isMarked() override { return data().marked; }
    UniqueId uniqueId() override { return id_; }

    std::shared_ptr<HostDimension> dimension() override {
        const SimCommand& command = data();
        return command.dimension ? makeDimensionObject(*command.dimension) : nullptr;
    }
    std::shared_ptr<HostComment> comment() override {
        const SimCommand& command = data();
        if (!command.comment)
            return nullptr;
        return makeCommentObject({command.comment->kind, command.comment->text, command.comment->lines});
    }
    std::shared_ptr<HostAssignment> assignment() override {
        const SimCommand& command = data();
        return command.assignment ? makeAssignmentObject(*command.assignment) : nullptr;
    }

    QString fieldText(int code, int index) override {
        const SimField* field = data().field(code, index);
        return field ? field->text : QString();
    }
    double fieldValue(int code, int index) override {
        const SimField* field = data().field(code, index);
        return field ? field->value : 0;
    }
    int fieldNumber(int code, int index) override {
        const SimField* field = data().field(code, index);
        return field ? field->number : 0;
    }

    std::shared_ptr<HostCommand> previous() override {
        const std::shared_ptr<SimModel> model = lockModel(model_);
        const int position = model->positionOf(id_);
        if (position < 1)
            return nullptr;
        return makeSimCommand(model_,
                              model->program.commands[static_cast<std::size_t>(position - 1)].uniqueId);
    }
    void activate() override { lockModel(model_)->lastActivated = id_; }

    CommandSnapshot snapshot() override { return readCommandSnapshot(*this); }

  private:
    // The command's data; the model stays alive for the call because the host owns it.
    const SimCommand& data() const {
        const std::shared_ptr<SimModel> model = lockModel(model_);
        const int position = model->positionOf(id_);
        if (position < 0)
            throw HostCallError(QStringLiteral("The command no longer exists."));
        return model->program.commands[static_cast<std::size_t>(position)];
    }

    std::weak_ptr<SimModel> model_;
    UniqueId id_;
};

class SimCommandCollection : public HostCommandCollection {
  public:
    explicit SimCommandCollection(std::weak_ptr<SimModel> model) : model_(std::move(model)) {}

    int count() override { return static_cast<int>(lockModel(model_)->program.commands.size()); }

    std::shared_ptr<HostCommand> commandAt(int position) override {
        const std::shared_ptr<SimModel> model = lockModel(model_);
        if (position < 0 || position >= static_cast<int>(model->program.commands.size()))
            return nullptr;
        return makeSimCommand(model_, model->program.commands[static_cast<std::size_t>(position)].uniqueId);
    }

    std::shared_ptr<HostCommand> commandWithUniqueId(UniqueId id) override {
        return lockModel(model_)->positionOf(id) < 0 ? nullptr : makeSimCommand(model_, id);
    }

    std::vector<CommandSnapshot> snapshots(int first, int count) override {
        std::vector<CommandSnapshot> snapshots;
        for (int position = std::max(first, 0); position < first + count; ++position) {
            const std::shared_ptr<HostCommand> command = commandAt(position);
            if (!command)
                break;
            snapshots.push_back(command->snapshot());
        }
        return snapshots;
    }

  private:
    std::weak_ptr<SimModel> model_;
};

class SimPartProgram : public HostPartProgram {
  public:
    explicit SimPartProgram(std::weak_ptr<SimModel> model) : model_(std::move(model)) {}

    QString name() override { return info().name; }
    QString folder() override { return info().folder; }
    QString revision() override { return info().revision; }
    QString drawingNumber() override { return info().drawingNumber; }
    QString fileName() override { return info().fileName; }
    QString fullName() override { return info().fullName; }
    std::shared_ptr<HostCommandCollection> commands() override { return makeSimCommandCollection(model_); }

    void save() override {
        const QString failure = lockModel(model_)->save();
        if (!failure.isEmpty())
            throw HostCallError(QStringLiteral("The part program could not be saved: ") + failure);
    }
    void loadToolbarState(const QString& path) override { lockModel(model_)->lastToolbarStatePath = path; }

  private:
    SimPartProgramInfo info() const { return lockModel(model_)->program.partProgram; }

    std::weak_ptr<SimModel> model_;
};

}  // namespace

std::shared_ptr<HostPartProgram> makeSimPartProgram(std::weak_ptr<SimModel> model) {
    return std::make_shared<SimPartProgram>(std::move(model));
}

std::shared_ptr<HostCommandCollection> makeSimCommandCollection(std::weak_ptr<SimModel> model) {
    return std::make_shared<SimCommandCollection>(std::move(model));
}

std::shared_ptr<HostCommand> makeSimCommand(std::weak_ptr<SimModel> model, UniqueId id) {
    return std::make_shared<SimCommandObject>(std::move(model), id);
}

}  // namespace korvex

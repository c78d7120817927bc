#include "host/SnapshotObjects.h"

#include "host/HostAssignment.h"
#include "host/HostComment.h"
#include "host/HostDimension.h"

namespace korvex {
namespace {

QString oneOfThree(const std::array<QString, 3>& texts, int number) {
    return number >= 1 && number <= 3 ? texts[static_cast<std::size_t>(number - 1)] : QString();
}

class DimensionObject : public HostDimension {
  public:
    explicit DimensionObject(DimensionSnapshot data) : data_(std::move(data)) {}

    double bonus() override { return data_.bonus; }
    double deviation() override { return data_.deviation; }
    double datumLength() override { return data_.datumLength; }
    double nominal() override { return data_.nominal; }
    double max() override { return data_.max; }
    double measured() override { return data_.measured; }
    double min() override { return data_.min; }
    double minusTolerance() override { return data_.minusTolerance; }
    double plusTolerance() override { return data_.plusTolerance; }
    double outOfTolerance() override { return data_.outOfTolerance; }
    QString name() override { return data_.name; }
    QString featureName(int number) override { return oneOfThree(data_.featureNames, number); }
    QString axisLabel() override { return data_.axisLabel; }
    QString datumLabel(int number) override { return oneOfThree(data_.datumLabels, number); }
    int outputCode() override { return data_.outputCode; }
    int unitCode() override { return data_.unitCode; }
    bool isLocationAxis() override { return data_.isLocationAxis; }
    bool isTruePositionAxis() override { return data_.isTruePositionAxis; }

  private:
    DimensionSnapshot data_;
};

class CommentObject : public HostComment {
  public:
    explicit CommentObject(CommentSnapshot data) : data_(std::move(data)) {}

    int kind() override { return data_.kind; }
    QString text() override { return data_.text; }
    QString line(int number) override { return data_.line(number); }

  private:
    CommentSnapshot data_;
};

class AssignmentObject : public HostAssignment {
  public:
    explicit AssignmentObject(AssignmentSnapshot data) : data_(std::move(data)) {}

    QString variableName() override { return data_.variableName; }
    QString value() override { return data_.value; }

  private:
    AssignmentSnapshot data_;
};

}  // namespace

std::shared_ptr<HostDimension> makeDimensionObject(DimensionSnapshot data) {
    return std::make_shared<DimensionObject>(std::move(data));
}

std::shared_ptr<HostComment> makeCommentObject(CommentSnapshot data) {
    return std::make_shared<CommentObject>(std::move(data));
}

std::shared_ptr<HostAssignment> makeAssignmentObject(AssignmentSnapshot data) {
    return std::make_shared<AssignmentObject>(std::move(data));
}

}  // namespace korvex

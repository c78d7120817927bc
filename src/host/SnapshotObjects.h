#pragma once

#include "host/CommandSnapshot.h"

#include <memory>

namespace korvex {

class HostAssignment;
class HostComment;
class HostDimension;

// Host objects that answer from values already fetched: the dimension, comment and assignment of a
// command whose snapshot a backend holds, so that reading them costs no further host call.
std::shared_ptr<HostDimension> makeDimensionObject(DimensionSnapshot data);
std::shared_ptr<HostComment> makeCommentObject(CommentSnapshot data);
std::shared_ptr<HostAssignment> makeAssignmentObject(AssignmentSnapshot data);

}  // namespace korvex

#include "app/window/output/OutputDialogContext.h"

#include "output/OutputMessages.h"

namespace korvex {

void tellSettingsNotStored(const OutputDialogContext& context) {
    constexpr int kOperationFailedEntry = 22;
    showMessageBoxen(context.user, context.language, MessageIcon::Critical, {kOperationFailedEntry});
}

}  // namespace korvex

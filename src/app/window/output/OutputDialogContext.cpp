#include "app/window/output/OutputDialogContext.h"

#include "util/MessageBoxen.h"

namespace korvex {

void tellSettingsNotStored(const OutputDialogContext& context) {
    tellSettingsNotStored(context.user, context.language);
}

}  // namespace korvex

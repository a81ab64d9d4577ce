// Everything the configuration subsystem holds between operations: the working image, the
// page side's copies of it, the hex view and the pages' controls, plus the steps that move the
// image between them.
#pragma once

#include <functional>

#include "core/config/image_model.h"
#include "core/config/page_state.h"

namespace krvm {

struct ConfigState {
    DataBuf data_buf{};
    SectionCopies sections;
    AreaBuffers areas;
    HexView hex;
    PageState page;
    CheckOutcome last_checks;  // what the section checks repaired when the image last came in
};

// `DataBuf` into the section copies (with the four checks) and the area buffers.
void take_image(ConfigState& state, ScriptSplit script);

// `DataBufToUI` without the GUI: the hex view rebuilt from the Profile copy, then the controls
// refreshed from the section copies (`RefreshUI`).
void show_image(ConfigState& state);

// The write assembly of an apply: the controls into the copies (`UIToDataBuf`), then the copies
// into `DataBuf` with the three checksums recomputed. `aim_key_hook` (`AIMKeyToDataBuf`) runs
// after Parameter A and B are stored and before the Profile checksum is recomputed.
void assemble_image(ConfigState& state,
                    const std::function<void(SectionCopies&)>& aim_key_hook = nullptr);

// What an apply without edits writes for `image`: taken in with the checks, shown, collected
// and assembled again.
DataBuf image_as_applied(const DataBuf& image);

}  // namespace krvm

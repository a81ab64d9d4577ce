// The commands of krvm640ctl; each returns its exit code.
#pragma once

#include "cli/mouse_session.h"

namespace krvm::cli {

int list_command(MouseSession& session);
int info_command(MouseSession& session);

}  // namespace krvm::cli

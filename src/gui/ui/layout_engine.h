// Applies a layout plan to the window: each placement finds the widget of its name (its
// objectName) and moves, shows, sizes and colours it. Names that no widget carries yet (pages
// still to be built) are skipped and reported.
#pragma once

#include <QStringList>

#include <vector>

#include "core/ui/layout_plan.h"

class QWidget;

namespace krvm::gui {

class LayoutEngine {
  public:
    // Applies `placements` in order to the widgets under `root`; returns the names it could not
    // find, each once, in plan order.
    static QStringList apply(QWidget* root, const std::vector<Placement>& placements);
};

}  // namespace krvm::gui

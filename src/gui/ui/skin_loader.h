// The skin part of the window: the start-up image load and the skin half of every window
// refresh (backgrounds, page pictures, then the language's layout). The language half follows
// through LanguageApplier.
#pragma once

#include <QSize>
#include <QStringList>

#include "core/ui/layout_options.h"
#include "core/ui/layout_plan.h"

class QWidget;

namespace krvm::gui {

struct SkinRefresh {
    QSize baseSize;       // the language's background: the window and page-group size
    KeptLayout kept;      // values other parts of the window keep from the layout
    QStringList missing;  // controls of the layout that the window does not have yet
    bool layoutLoaded = false;
};

class SkinLoader {
  public:
    // Start-up image load: the language-1 background into Img_Base_1 (its size is the window
    // size; the busy overlays Disable_All_1..4 take it), backgrounds and page pictures, and
    // the normal state of every skinned button, check, radio, bar, frame and gun image.
    // Returns the base size.
    static QSize loadStartupImages(QWidget* root, Page current);

    // `refresh_skin`: the language's background into Img_Base_1..5, its key page picture into
    // Img_P1 (or the current page's picture), its fire page picture into Img_P5, then the
    // layout ORG<language> applied in the order of its key families.
    static SkinRefresh refreshSkin(QWidget* root, int language, Page current,
                                   const LayoutOptions& options);

    // The page picture control and image part of a page ("Img_P2", "Back2"); Img_P4 for the
    // engineer page, which has none of its own.
    static QString pictureControl(Page page);
    static QString picturePart(Page page);
};

}  // namespace krvm::gui

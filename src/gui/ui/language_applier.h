// The language part of the window refresh (`apply_language`): the language's font on every
// text control of the main window, then the captions and drop-down items in their fixed order.
// Call it after SkinLoader::refreshSkin; start-up and the language buttons both do.
#pragma once

#include <QFont>
#include <QStringList>

#include "core/ui/kept_texts.h"

class QWidget;

namespace krvm::gui {

struct AppliedLanguage {
    KeptTexts kept;       // FontName, Title and the texts later messages use
    QFont font;           // the installed font that stands for FontName
    QStringList missing;  // controls named by the language plan that the window lacks
};

class LanguageApplier {
  public:
    // Applies `language` (1..3) to the widgets under `root`. The engineer page (gbPage6) keeps
    // its own font and texts. Returns nothing useful for an unknown language.
    static AppliedLanguage apply(QWidget* root, int language);
};

}  // namespace krvm::gui

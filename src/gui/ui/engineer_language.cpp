#include "gui/ui/engineer_language.h"

#include "core/ui/term_table.h"

namespace krvm::gui {

int engineerLanguage(const QLocale& locale) {
    return engineer_language_for_locale(locale_id_from_name(locale.name().toStdString()));
}

}  // namespace krvm::gui

#include "core/ui/language_switch.h"

#include "core/ui/language_table.h"

namespace krvm {

void switch_language(int language, LanguageSwitchSteps& steps) {
    if (!is_language(language)) return;
    for (int other = kFirstLanguage; other <= kLastLanguage; ++other) {
        steps.show_language_button(other, other == language);
    }
    steps.check_language_radio(language);
    // The refresh refills the insert list; remember the choice so the user keeps it.
    const int choice = steps.insert_choice();
    steps.hide_delay_group();
    steps.set_current_language(language);
    steps.refresh_skin(language);
    steps.apply_language(language);
    steps.restore_insert_choice(choice);
    steps.show_title();
    steps.refresh_page();
    steps.reset_rolling_caption(language);
}

}  // namespace krvm

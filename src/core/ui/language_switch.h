// What a language button does, in its order, independent of the widgets: the window implements
// the steps, `switch_language` runs them. All three language buttons (and their copies on the
// four page groups) share it; start-up calls it with language 1.
#pragma once

namespace krvm {

class LanguageSwitchSteps {
  public:
    virtual ~LanguageSwitchSteps() = default;

    // "SetS_03" on the four images of `language`'s button when selected, else "SetS_01".
    virtual void show_language_button(int language, bool selected) = 0;
    virtual void check_language_radio(int language) = 0;
    virtual int insert_choice() const = 0;  // selected index of the macro page's insert list
    virtual void hide_delay_group() = 0;
    virtual void set_current_language(int language) = 0;
    virtual void refresh_skin(int language) = 0;    // skin part of the window refresh
    virtual void apply_language(int language) = 0;  // language part, after the skin part
    virtual void restore_insert_choice(int index) = 0;
    virtual void show_title() = 0;                         // application title = kept `Title`
    virtual void refresh_page() = 0;                       // re-show the page that was active
    virtual void reset_rolling_caption(int language) = 0;  // to the button's new caption
};

// `Btn_Lang1_0Click` and its siblings. Languages outside 1..3 are ignored.
void switch_language(int language, LanguageSwitchSteps& steps);

}  // namespace krvm

// What the window does around the image operations: the busy protocol, the loading window,
// the device watch, messages and page refreshes. The GUI implements it; tests record the calls.
// Every call has a default that does nothing, so an implementation overrides what it shows.
#pragma once

#include <string_view>

#include "core/config/image_model.h"

namespace krvm {

// The language-table identifiers of the messages these operations show.
namespace message {
inline constexpr std::string_view kFindingDevice = "Str020";  // no mouse
inline constexpr std::string_view kNoDevice = "Str100";
inline constexpr std::string_view kCheckUsb = "Str101";
inline constexpr std::string_view kFileTypeError = "Str102";
inline constexpr std::string_view kIdentifierError = "Str107";
inline constexpr std::string_view kWriteFailed = "Str109";
}  // namespace message

class CycleHost {
  public:
    virtual ~CycleHost() = default;

    virtual void stop_device_watch() {}
    virtual void start_device_watch() {}
    // Lock or unlock the pages with the busy overlays.
    virtual void set_busy(bool /*busy*/) {}
    // Centre and show the loading window over the main window.
    virtual void show_loading() {}
    virtual void hide_loading() {}
    // Process pending window events.
    virtual void process_events() {}
    // Close the button editor's pop-up menu if one is open.
    virtual void close_popups() {}

    // A modal message with the current language's text for `id` ("Str109").
    virtual void show_message(std::string_view /*id*/) {}
    // A modal error box with a text of the system's own (a file's path and the reason).
    virtual void show_error(std::string_view /*text*/) {}

    // Every page redraws its controls from the page state and the hex view.
    virtual void refresh_pages() {}
    // The device macro list redraws from the device macro area buffer.
    virtual void refresh_device_macro_list() {}
    // The PC macro library's names are shown again.
    virtual void refresh_pc_macro_names() {}
    // The macro text boxes are emptied.
    virtual void clear_macro_texts() {}

    // The computer's pointer settings: read into their page, or applied from it.
    virtual void read_pointer_settings() {}
    virtual void apply_pointer_settings() {}

    // An image read has completed: page 1 shown, the no-device flag cleared, the Main page
    // selected again when it was.
    virtual void image_read_completed() {}

    // `AIMKeyToDataBuf`: buttons that carry the AIM key get their code in the Profile copy.
    virtual void AIMKeyToDataBuf(SectionCopies& /*copies*/) {}
};

}  // namespace krvm

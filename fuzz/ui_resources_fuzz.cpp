// Fuzz target for the text resources: arbitrary bytes as a language table (UTF-16LE) and as a
// layout (code page 936), then every lookup the window makes on them. Must never crash.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/ui/language_plan.h"
#include "core/ui/language_table.h"
#include "core/ui/layout.h"
#include "core/ui/layout_ini.h"
#include "core/ui/layout_options.h"
#include "core/ui/layout_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (krvm::Result<krvm::LanguageTable> table = krvm::parse_language_table(bytes, 3)) {
        const krvm::LanguageTable tables[] = {*table};
        (void)krvm::plan_language(
            *table, tables, [](std::string_view) { return std::optional<std::string>("Stop"); });
    }
    if (krvm::Result<krvm::Layout> layout = krvm::parse_layout(bytes, 1)) {
        (void)krvm::plan_layout(*layout, krvm::LayoutOptions{}, krvm::Page::game);
        (void)krvm::plan_value_dialog(*layout);
    }
    if (krvm::Result<krvm::IniSections> ini = krvm::parse_layout_resource(bytes)) {
        (void)krvm::options_from(*ini);
    }
    return 0;
}

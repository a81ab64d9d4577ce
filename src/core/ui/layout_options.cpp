#include "core/ui/layout_options.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/ui/layout_ini.h"

namespace krvm {

namespace {

constexpr std::string_view kSection = "org";

class Reader {
  public:
    explicit Reader(const IniSections& ini) : ini_(ini) {}

    int number(std::string_view key, int fallback) {
        const std::optional<std::string> text = ini_.value(kSection, key);
        const std::optional<int> value = text ? parse_layout_number(*text) : std::nullopt;
        if (!value) bad_.emplace_back(key);
        return value.value_or(fallback);
    }
    // Flags are on exactly when the value is 1.
    bool flag(std::string_view key, bool fallback) { return number(key, fallback ? 1 : 0) == 1; }
    std::string text(std::string_view key) {
        const std::optional<std::string> text = ini_.value(kSection, key);
        if (!text) bad_.emplace_back(key);
        return text.value_or("");
    }
    const std::vector<std::string>& bad() const { return bad_; }

  private:
    const IniSections& ini_;
    std::vector<std::string> bad_;
};

LayoutOptions read(Reader& r) {
    LayoutOptions o;
    o.web_enable = r.flag("Web_Enable", o.web_enable);
    o.web = r.text("Web");
    o.web_x = r.number("Web_X", o.web_x);
    o.web_y = r.number("Web_Y", o.web_y);
    o.rev_manu_id = r.number("Rev_Manu_ID", o.rev_manu_id);
    o.rev_pro_id = r.number("Rev_Pro_ID", o.rev_pro_id);
    o.path = r.text("Path");
    o.tr_enable = r.flag("TR_Enable", o.tr_enable);
    o.gd_enable = r.flag("GD_Enable", o.gd_enable);
    o.dpiled_status = r.flag("DPILED_Status", o.dpiled_status);
    o.gun6_num = std::clamp(r.number("Gun6_Num", o.gun6_num), 1, 2);
    o.gun7_num = std::clamp(r.number("Gun7_Num", o.gun7_num), 1, 3);
    o.num_order = std::clamp(r.number("Num_Order", o.num_order), 0, 1);
    return o;
}

}  // namespace

LayoutOptions options_from(const IniSections& ini) {
    Reader reader(ini);
    return read(reader);
}

Result<LayoutOptions> read_options_checked(const IniSections& ini) {
    Reader reader(ini);
    LayoutOptions options = read(reader);
    if (reader.bad().empty()) return options;
    std::string message = "layout options missing or not a number:";
    for (const std::string& key : reader.bad()) message += " " + key;
    return Error{message};
}

Result<LayoutOptions> read_options() {
    Result<IniSections> ini = load_layout_resource("ORG");
    if (!ini) return ini.error();
    return read_options_checked(*ini);
}

}  // namespace krvm

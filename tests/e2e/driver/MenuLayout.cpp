#include "driver/MenuLayout.h"

#include <stdexcept>
#include <vector>

namespace e2e {

namespace {

struct Menu {
    const char* caption;
    std::vector<const char*> entries;  // separators left out
};

const std::vector<Menu>& menuBar(const std::string& windowClass) {
    static const std::vector<Menu> viewer = {
        {"File", {"Open", "Save as ...", "Close"}},
    };
    if (windowClass == "TForm2") return viewer;
    static const std::vector<Menu> bar = {
        {"File", {"Select auto save folder", "Open auto save folder", "Auto save", "Save as ...", "Exit"}},
        {"Edit", {"Copy to clipboard"}},
        {"Screenshot", {"Capture", "View"}},
        {"Options", {"Minimize First", "Auto Save", "Region only", "Auto capture", "To Email"}},
        {"Help", {"About"}},
    };
    return bar;
}

}  // namespace

MenuPlace pelmoraMenuPlace(const std::string& menu, const std::string& entry,
                           const std::string& windowClass) {
    const auto& bar = menuBar(windowClass);
    for (size_t m = 0; m < bar.size(); ++m) {
        if (menu != bar[m].caption) continue;
        for (size_t e = 0; e < bar[m].entries.size(); ++e)
            if (entry == bar[m].entries[e]) return {int(m), int(e)};
    }
    throw std::runtime_error("the menu bar of " + windowClass + " has no entry " + menu + " > " + entry);
}

}  // namespace e2e

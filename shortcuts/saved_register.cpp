#include "saved_register.h"

namespace linkwright {

std::vector<std::string> SplitNameList(std::string_view list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find('\0', start);
        if (end == std::string_view::npos) end = list.size();
        if (end == start) break;  // the empty name ends the list
        names.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

bool IsShortcutKey(std::string_view keyName) {
    return keyName.substr(0, sizeof(kShortcutKeyPrefix) - 1) == kShortcutKeyPrefix;
}

bool IsDeletableShortcutPath(std::string_view value, const LeadBytes& lead) {
    return !value.empty() && value.size() <= kMaxShortcutPathBytes && IsFullPath(value) &&
           HasShortcutExtension(value, lead);
}

}  // namespace linkwright

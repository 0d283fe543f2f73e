#pragma once
// Finding a text in a panel as the find command compares them: Latin letters (ASCII and
// full-width) alike in either case unless the case must match, and Traditional and Simplified
// variants alike when asked. Every unit is compared through one unit-to-unit mapping, so a
// match has the needle's length and its position is a position in the panel itself.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

struct FindOptions {
    bool matchCase = false;
    bool sameForm = true;  // Traditional and Simplified variants count as one character
    bool operator==(const FindOptions&) const = default;
};

class TextSearch {
  public:
    static constexpr std::size_t kToTheEnd = std::u16string_view::npos;

    TextSearch(std::u16string_view needle, FindOptions options);

    // The first position in from..lastStart where the needle matches; an empty needle matches
    // nowhere.
    std::optional<std::size_t> FindIn(std::u16string_view text, std::size_t from,
                                      std::size_t lastStart = kToTheEnd) const;
    std::size_t length() const { return needle_.size(); }
    // What a unit is compared as.
    char16_t Form(char16_t unit) const { return forms_[unit]; }

  private:
    bool RestMatches(const char16_t* at) const;

    std::vector<char16_t> forms_;  // one entry per UTF-16 unit
    std::u16string needle_;        // in compared form
    // Every unit whose form is the needle's first, where there are so few that looking for
    // them side by side beats mapping each unit of the text; unused places repeat the first.
    std::array<char16_t, 4> firsts_{};
    bool fewFirsts_ = false;
};

}  // namespace pw

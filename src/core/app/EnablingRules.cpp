#include "core/app/EnablingRules.h"

#include <array>
#include <string_view>

namespace linealidad {
namespace {

constexpr std::size_t kEvents = static_cast<std::size_t>(StudyEvent::LastChildWindowCloses) + 1;
constexpr std::size_t kGroups = static_cast<std::size_t>(CommandGroup::Always) + 1;

// clang-format off
// One row per CommandGroup, one column per StudyEvent, both in their declaration order:
// '+' switches on, '-' off, ' ' leaves unchanged. A study that was read (from a file or a
// table) can be saved, printed and computed at once, as a study whose data grid was entered.
//
//                                            start
//                                            |new
//                                            ||open done
//                                            |||data grid entered
//                                            ||||key in data grid
//                                            |||||key in last data cell
//                                            ||||||closed by "C&errar"
//                                            |||||||study window closes
//                                            ||||||||last child window closes
constexpr std::array<std::string_view, kGroups> kTable = {
    /* New               */                  "+--   + +",
    /* Open              */                  "+--   + +",
    /* Close             */                  "-++   - -",
    /* Save              */                  "--++++---",
    /* Print             */                  "- ++ +---",
    /* CalculationsMenu  */                  "- ++ +   ",
    /* Inference         */                  "- ++ +---",
    /* OtherCalculations */                  "- ++ +-- ",
    /* PopupItems        */                  "- ++ +   ",
    /* Windows           */                  "- +   - -",
    /* Always            */                  "+        ",
};
// clang-format on

// Every row has one known mark per event, so a lookup never reads past a row.
constexpr bool wellFormed() {
    for (std::string_view row : kTable)
        if (row.size() != kEvents || row.find_first_not_of("+- ") != std::string_view::npos)
            return false;
    return true;
}
static_assert(wellFormed(), "each row needs one '+', '-' or ' ' per event");

} // namespace

Change changeFor(CommandGroup group, StudyEvent event) {
    switch (kTable[static_cast<std::size_t>(group)][static_cast<std::size_t>(event)]) {
    case '+':
        return Change::Enable;
    case '-':
        return Change::Disable;
    default:
        return Change::Unchanged;
    }
}

} // namespace linealidad

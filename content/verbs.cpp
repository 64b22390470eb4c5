#include "content/verbs.h"

namespace content {

bool isRightInfinitive(const VerbItem& item, std::string_view typed) {
    return typed == item.infinitive;
}

} // namespace content

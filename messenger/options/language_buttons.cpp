#include "messenger/options/language_buttons.h"

#include "messenger/resources/resource.h"
#include "messenger/runtime/language_packs.h"

namespace kivet {
namespace {

const int kButtons[kLanguageCount] = {
    IDC_OPT_LANG_ENGLISH, IDC_OPT_LANG_RUSSIAN, IDC_OPT_LANG_FRENCH,   IDC_OPT_LANG_ITALIAN,
    IDC_OPT_LANG_GERMAN,  IDC_OPT_LANG_SPANISH, IDC_OPT_LANG_JAPANESE,
};

} // namespace

int LanguageButton(int32_t index)
{
    return index >= 0 && index < kLanguageCount ? kButtons[index] : IDC_OPT_LANG_ENGLISH;
}

int32_t LanguageOfButton(int control)
{
    for (int32_t i = 0; i < kLanguageCount; ++i)
        if (kButtons[i] == control) return i;
    return -1;
}

} // namespace kivet

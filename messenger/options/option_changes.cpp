#include "messenger/options/option_changes.h"

namespace kivet {

OptionChanges::OptionChanges(Settings& record) : record_(record), shown_(record), initial_(record) {}

bool OptionChanges::Ticked(int box) const
{
    const OptionBox* b = FindOptionBox(box);
    return b && shown_.*b->field != 0;
}

void OptionChanges::Click(int box, bool ticked)
{
    const OptionBox* b = FindOptionBox(box);
    if (!b) return;
    shown_.*b->field = ticked ? 1 : 0;
    if (b->takes == Takes::AtOnce) record_.*b->field = shown_.*b->field;
}

bool OptionChanges::Enabled(OptionsPage page, int control) const
{
    int box = EnablingBox(page, control);
    return box == 0 || Ticked(box);
}

void OptionChanges::ConfirmPage(OptionsPage page)
{
    for (const OptionBox& box : BoxesOf(page))
        if (box.takes == Takes::OnOk) record_.*box.field = shown_.*box.field;
}

void OptionChanges::SetOverwriteAtStartup(bool overwrite)
{
    SetBoth(&Settings::OverwriteAtStartup, overwrite ? 1 : 0);
}

void OptionChanges::SetLanguage(int32_t index)
{
    SetBoth(&Settings::Language, index);
}

void OptionChanges::SetBoth(int32_t Settings::*field, int32_t value)
{
    shown_.*field = value;
    record_.*field = value;
}

bool OptionChanges::RecordChanged() const
{
    for (std::size_t i = 0; i < kIniKeyCount; ++i)
        if (record_.*kIniKeys[i].field != initial_.*kIniKeys[i].field) return true;
    return false;
}

} // namespace kivet

// The Options sheet's working state over the settings record. The sheet shows a copy of the
// record; a box that takes effect at once (see option_boxes.h) writes the record as it is
// clicked, the others reach it only when their page is confirmed with OK, so Cancel leaves them
// as they were.
#pragma once

#include <cstdint>

#include "messenger/options/option_boxes.h"
#include "messenger/runtime/settings.h"

namespace kivet {

class OptionChanges {
public:
    explicit OptionChanges(Settings& record);

    // What a box shows: ticked or not.
    bool Ticked(int box) const;
    // A click on a box; a box that takes effect at once changes the record too.
    void Click(int box, bool ticked);
    // Whether a control of a page is enabled: a control governed by a box of the page only while
    // the box is ticked, every other control always.
    bool Enabled(OptionsPage page, int control) const;

    // OK: the page's boxes that wait for it are copied into the record.
    void ConfirmPage(OptionsPage page);

    // The History page's saving mode and the language choice take effect at once.
    void SetOverwriteAtStartup(bool overwrite);
    void SetLanguage(int32_t index);

    const Settings& Shown() const { return shown_; }
    Settings& Record() { return record_; }
    // Whether the record differs from what it held when the sheet opened.
    bool RecordChanged() const;

private:
    void SetBoth(int32_t Settings::*field, int32_t value);

    Settings& record_;
    Settings shown_;
    const Settings initial_;
};

} // namespace kivet

// What the send dialog's recipient box holds and how typing in it completes a name: the Quick
// List in reverse order without names that begin an entry already shown, the recipient handed
// over by the main window on top, and completion from the box's entries while the text grows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_codec.h"

namespace kivet {

constexpr std::size_t kRecipientBoxChars = 255; // characters the recipient box takes

// True when text begins with prefix, compared without regard to case.
bool StartsWithNoCase(const TextCodec& codec, std::string_view text, std::string_view prefix);

// The box's entries, top first: each Quick List name in list order goes on top unless an entry
// already shown begins with it, so the box shows the list in reverse order and a name that is
// the beginning of an earlier one is left out.
std::vector<std::string> RecipientBoxEntries(const std::vector<std::string>& quickList, const TextCodec& codec);

// Puts the handed-over recipient into the box: the entry that is that very name (without regard
// to case) when there is one, otherwise the name inserted on top. Returns the entry's index.
std::size_t PlaceHandOverRecipient(std::vector<std::string>& entries, std::string_view recipient,
                                   const TextCodec& codec);

// A completion of what was typed: the entry shown in the box with its untyped rest selected.
struct Completion {
    std::size_t index = 0;       // the entry in the box
    std::string text;            // the whole entry
    std::size_t selectionStart = 0; // the typed part ends here; the rest up to the end is selected
};

// After an edit of the box: when the text became longer than it was before, the first entry
// that begins with the new text (without regard to case). Deleting never completes.
std::optional<Completion> CompleteRecipient(const std::vector<std::string>& entries, std::string_view before,
                                            std::string_view typed, const TextCodec& codec);

// The dialog's caption: the base text alone for an empty recipient, otherwise base " - " recipient.
std::string SendDialogCaption(std::string_view base, std::string_view recipient);

} // namespace kivet

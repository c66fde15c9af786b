// The page-specific work of each Options page (see page_frame.h for what they share).
#pragma once

#include "messenger/options/options_pages.h"
#include "messenger/options/win32/page_frame.h"

namespace kivet {

const PageHandlers& SettingsPageHandlers();
const PageHandlers& MessagingPageHandlers();
const PageHandlers& NameListPageHandlers(); // Network Groups, Quick List, Ignore List, Quick Answers
const PageHandlers& MyGroupsPageHandlers();
const PageHandlers& AutoRepliesPageHandlers();
const PageHandlers& HistoryPageHandlers();
const PageHandlers& TransferPageHandlers();

const PageHandlers& HandlersOf(OptionsPage page);

} // namespace kivet

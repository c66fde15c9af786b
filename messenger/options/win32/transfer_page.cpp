// The Transfer page: accepting incoming transfers (at once) and the default folder for received
// files, chosen with the folder browser and written to `SaveFolder` the moment it is chosen.
#include "messenger/options/win32/folder_browser.h"
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

void TransferPage_OnInit(HWND page, SheetState& sheet)
{
    SetDlgItemTextA(page, IDC_OPT_FOLDER, ReadSaveFolder(sheet.context.registry).c_str());
}

void TransferPage_OnBrowse(HWND page, SheetState& sheet)
{
    RegistryStore& registry = sheet.context.registry;
    std::string current = ReadSaveFolder(registry);
    std::optional<std::string> chosen = BrowseForFolder(page, Text(IDS_CHOOSE_SAVE_FOLDER), current);
    if (!chosen) return;
    WriteSaveFolder(registry, *chosen);
    SetDlgItemTextA(page, IDC_OPT_FOLDER, ReadSaveFolder(registry).c_str());
    if (*chosen != current) sheet.storedValuesChanged = true;
}

void TransferPage_OnCommand(HWND page, SheetState& sheet, int control, int code)
{
    if (control == IDC_OPT_BROWSE_FOLDER && code == BN_CLICKED) TransferPage_OnBrowse(page, sheet);
}

const PageHandlers kTransferPage = {TransferPage_OnInit, TransferPage_OnCommand, nullptr, nullptr};

} // namespace

const PageHandlers& TransferPageHandlers()
{
    return kTransferPage;
}

} // namespace kivet

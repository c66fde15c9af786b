#include "messenger/browser/win32/details_window.h"

#include <array>
#include <string>

#include "messenger/browser/details_values.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

struct DetailsContext {
    const ResolutionRecord* record;
    const TextCodec* codec;
    HelpRequest onHelp;
    HICON smallIcon = nullptr;
};

struct DetailsRow {
    int label;
    int value;
    uint32_t text;
};
// Top to bottom, in the order of DetailsValues.
constexpr std::array<DetailsRow, 5> kRows = {{
    {IDC_DETAILS_COMPUTER_LABEL, IDC_DETAILS_COMPUTER, IDS_DETAILS_COMPUTER},
    {IDC_DETAILS_USER_LABEL, IDC_DETAILS_USER, IDS_DETAILS_USER},
    {IDC_DETAILS_WORKGROUP_LABEL, IDC_DETAILS_WORKGROUP, IDS_DETAILS_WORKGROUP},
    {IDC_DETAILS_MAC_LABEL, IDC_DETAILS_MAC, IDS_DETAILS_MAC},
    {IDC_DETAILS_IP_LABEL, IDC_DETAILS_IP, IDS_DETAILS_IP},
}};

DetailsContext* ContextOf(HWND dialog)
{
    return reinterpret_cast<DetailsContext*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

void Details_SetIcons(HWND dialog, DetailsContext& context)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const HICON large = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET));
    context.smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KIVET), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(context.smallIcon ? context.smallIcon : large));
}

BOOL Details_OnInitDialog(HWND dialog, LPARAM param)
{
    auto* context = reinterpret_cast<DetailsContext*>(param);
    SetWindowLongPtrA(dialog, GWLP_USERDATA, param);
    SetWindowTextA(dialog, Text(IDS_DETAILS_CAPTION));
    Details_SetIcons(dialog, *context);
    const std::array<std::string, 5> values = DetailsValues(*context->record, *context->codec);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        SetDlgItemTextA(dialog, kRows[i].label, Text(kRows[i].text));
        SetDlgItemTextA(dialog, kRows[i].value, values[i].c_str());
    }
    // The focus on OK, so that Enter closes the window and no value shows selected.
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

void Details_OnCommand(HWND dialog, WORD id)
{
    if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
}

void Details_OnHelp(HWND dialog)
{
    if (DetailsContext* context = ContextOf(dialog); context && context->onHelp) context->onHelp();
}

void Details_OnDestroy(HWND dialog)
{
    if (DetailsContext* context = ContextOf(dialog); context && context->smallIcon) DestroyIcon(context->smallIcon);
}

INT_PTR CALLBACK DetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return Details_OnInitDialog(dialog, lParam);
    case WM_COMMAND: Details_OnCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_HELP: Details_OnHelp(dialog); return TRUE;
    case WM_DESTROY: Details_OnDestroy(dialog); return FALSE;
    }
    return FALSE;
}

} // namespace

void ShowDetailsWindow(HWND owner, const ResolutionRecord& record, const TextCodec& codec, HelpRequest onHelp)
{
    DetailsContext context{&record, &codec, std::move(onHelp)};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DETAILS), owner, DetailsDialogProc,
                    reinterpret_cast<LPARAM>(&context));
}

} // namespace kivet

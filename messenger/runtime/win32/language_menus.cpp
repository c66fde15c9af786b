#include "messenger/runtime/win32/language_menus.h"

#include "messenger/runtime/language_packs.h"

namespace kivet {
namespace {

struct LanguageMenuState {
    HMENU main = nullptr;
    HMENU popups = nullptr;
    HWND carrier = nullptr; // the window whose menu bar is `main`
};

LanguageMenuState& State()
{
    static LanguageMenuState state;
    return state;
}

void PutBarOnCarrier(HMENU bar)
{
    HWND carrier = State().carrier;
    if (!carrier || !IsWindow(carrier)) return;
    SetMenu(carrier, bar);
    DrawMenuBar(carrier);
}

} // namespace

HMENU LanguageMainMenu()
{
    return State().main;
}

HMENU LanguagePopupMenus()
{
    return State().popups;
}

void AttachMainMenu(HWND window)
{
    State().carrier = window;
    PutBarOnCarrier(State().main);
}

void ReplaceLanguageMenus(HINSTANCE resources)
{
    LanguageMenuState& state = State();
    HMENU oldMain = state.main;
    HMENU oldPopups = state.popups;
    state.main = LoadMenuA(resources, MAKEINTRESOURCEA(kMainMenuResource));
    state.popups = LoadMenuA(resources, MAKEINTRESOURCEA(kPopupMenusResource));
    PutBarOnCarrier(state.main);
    if (oldMain) DestroyMenu(oldMain);
    if (oldPopups) DestroyMenu(oldPopups);
}

void DestroyLanguageMenus()
{
    LanguageMenuState& state = State();
    PutBarOnCarrier(nullptr);
    if (state.main) DestroyMenu(state.main);
    if (state.popups) DestroyMenu(state.popups);
    state = LanguageMenuState{};
}

} // namespace kivet

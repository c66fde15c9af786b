// Commands that work the program's send dialog the way its user would: a message sent with every
// question answered as told and every box read, the names tree refreshed, and another
// computer's Auto-Reply message read from the tree.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "messenger/resources/resource.h"
#include "tests/wine/driver/kivet_driver.h"
#include "tests/wine/driver/main_window_session.h"
#include "tests/wine/net/driver_commands.h"
#include "tests/wine/net/remote_controls.h"

namespace kivet::wine {
namespace {

constexpr DWORD kWindowWait = 15000;
constexpr DWORD kSendWait = 90000;
constexpr DWORD kScanWait = 60000;
constexpr int kResultColumns = 2;
const char kSendCaption[] = "Sending message";
const char kNonSecureCaption[] = "Sending non secure message";
const char kReadAutoReplyCaption[] = "Read Auto-Reply message";
const char kSendEnded[] = "Sending message complete.";
const char kScanEnded[] = "Adding names to tree complete.";

struct Windows {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProgramWindow(HWND window, LPARAM param)
{
    auto* windows = reinterpret_cast<Windows*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == windows->process && IsWindowVisible(window)) windows->found.push_back(window);
    return TRUE;
}

// The program's visible top-level windows.
std::vector<HWND> ProgramWindows(const RunningProgram& program)
{
    Windows windows{program.ProcessId(), {}};
    EnumWindows(CollectProgramWindow, reinterpret_cast<LPARAM>(&windows));
    return windows.found;
}

std::string Caption(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsSendDialog(HWND window)
{
    return GetDlgItem(window, IDC_SEND_RECIPIENT) && Caption(window).rfind(kSendCaption, 0) == 0;
}

HWND FindSendDialog(const RunningProgram& program)
{
    for (HWND window : ProgramWindows(program))
        if (IsSendDialog(window)) return window;
    return nullptr;
}

// The send dialog, opened with New message when it is not open yet.
HWND OpenSendDialog(const RunningProgram& program)
{
    if (HWND open = FindSendDialog(program)) return open;
    program.PostCommand(IDM_NEW);
    return WaitFor([&] { return FindSendDialog(program); }, kWindowWait);
}

// A text on one line: its line breaks written as "\n".
std::string OneLine(const std::string& text)
{
    std::string line;
    for (char c : text)
        line += c == '\r' ? std::string() : c == '\n' ? std::string("\\n") : std::string(1, c);
    return line;
}

std::string Seconds(DWORD since)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", (GetTickCount() - since) / 1000.0);
    return text;
}

int CountLogActions(const std::string& action)
{
    int count = 0;
    for (const std::string& line : LogActions(ReadTextFile("kivetsec.log")))
        if (line == action) ++count;
    return count;
}

void SetControlText(HWND control, const std::string& text)
{
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressAndWait(HWND window, int button)
{
    PressButton(window, button);
    WaitUntil([&] { return !IsWindow(window); }, kWindowWait);
}

// The answers a send is told to give, in the order its questions come: "yes", "yes-tick" (Yes
// with "Do not show this message again" ticked) or "no"; a question beyond them gets No.
class Answers {
public:
    Answers(Arguments::const_iterator first, Arguments::const_iterator last) : answers_(first, last) {}
    std::string Next()
    {
        if (answers_.empty()) return "no";
        std::string answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<std::string> answers_;
};

void AnswerNonSecure(HWND dialog, DWORD since, Answers& answers)
{
    PrintLine("non-secure " + Seconds(since) + " " + OneLine(ControlText(dialog, IDC_NON_SECURE_QUESTION)));
    const std::string answer = answers.Next();
    if (answer == "yes-tick") SendMessageA(GetDlgItem(dialog, IDC_NON_SECURE_DO_NOT_SHOW), BM_SETCHECK, BST_CHECKED, 0);
    PressAndWait(dialog, answer == "no" ? IDCANCEL : IDOK);
}

void ReadResults(HWND dialog, DWORD since)
{
    PrintLine("results " + Seconds(since) + " " + ControlText(dialog, IDC_RESULTS_HEADLINE));
    for (const std::vector<std::string>& row : ReadListRows(GetDlgItem(dialog, IDC_RESULTS_LIST), kResultColumns))
        PrintLine("row " + row[0] + "|" + row[1]);
    PrintLine("footer " + ControlText(dialog, IDC_RESULTS_FOOTER));
    PressAndWait(dialog, IDOK);
}

// A message box: a Yes/No question gets the next answer, any other box OK.
void AnswerBox(HWND box, DWORD since, Answers& answers)
{
    PrintLine("box " + Seconds(since) + " " + OneLine(MessageBoxText(box)));
    if (GetDlgItem(box, IDYES))
        PressAndWait(box, answers.Next() == "no" ? IDNO : IDYES);
    else
        PressAndWait(box, IDOK);
}

// Every window the send has opened so far, read and answered; the send dialog itself is left.
void HandleSendWindows(const RunningProgram& program, HWND sendDialog, DWORD since, Answers& answers)
{
    for (HWND window : ProgramWindows(program)) {
        if (window == sendDialog || window == program.Main()) continue;
        const std::string caption = Caption(window);
        if (caption == kNonSecureCaption)
            AnswerNonSecure(window, since, answers);
        else if (caption == kSendCaption && GetDlgItem(window, IDC_RESULTS_LIST))
            ReadResults(window, since);
        else if (caption == kSendCaption && !IsSendDialog(window))
            AnswerBox(window, since, answers);
    }
}

HTREEITEM FindTreeItem(HWND tree, const std::string& name)
{
    for (const TreeItem& item : ReadTreeItems(tree))
        if (lstrcmpiA(item.text.c_str(), name.c_str()) == 0) return item.handle;
    return nullptr;
}

bool TreeButtonEnabled(HWND dialog, int command)
{
    return SendMessageA(GetDlgItem(dialog, IDC_SEND_TREE_TOOLBAR), TB_ISBUTTONENABLED, command, 0) != 0;
}

} // namespace

// send NAMES TEXT [ANSWER...]: NAMES typed into the send dialog's recipient box (the dialog is
// opened with New message unless it is open), TEXT into its message, Send; then until the
// program logs the send's end, every box it opens: "non-secure SECONDS QUESTION" (dialog 371),
// "box SECONDS TEXT" (a message box), "results SECONDS HEADLINE" with a "row USER|COMPUTER" per
// row and "footer TEXT" (the results dialog), each answered or closed; "sent SECONDS" at the end.
// Seconds count from Send.
int SendFromDialog(RunningProgram& program, const Arguments& args)
{
    if (args.size() < 2) return 2;
    HWND dialog = OpenSendDialog(program);
    if (!dialog) {
        PrintLine("send-dialog missing");
        return 1;
    }
    SetControlText(GetDlgItem(dialog, IDC_SEND_RECIPIENT), args[0]);
    SetControlText(GetDlgItem(dialog, IDC_SEND_TEXT), args[1]);
    Answers answers(args.begin() + 2, args.end());
    const int ended = CountLogActions(kSendEnded);
    const DWORD since = GetTickCount();
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEND_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SEND_BUTTON)));
    const bool done = WaitUntil(
        [&] {
            HandleSendWindows(program, dialog, since, answers);
            return CountLogActions(kSendEnded) > ended;
        },
        kSendWait);
    PrintLine((done ? "sent " : "unfinished ") + Seconds(since));
    return done ? 0 : 1;
}

// refresh: Refresh (F5) in the send dialog; done when the scan it starts has filled the tree.
int RefreshNames(RunningProgram& program, const Arguments&)
{
    HWND dialog = OpenSendDialog(program);
    if (!dialog) return 1;
    const int ended = CountLogActions(kScanEnded);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_TREE_REFRESH, 0), 0);
    const bool done = WaitUntil([&] { return CountLogActions(kScanEnded) > ended; }, kScanWait);
    PrintScan(program, {});
    return done ? 0 : 1;
}

// read-auto-reply NAME: NAME selected in the send dialog's names tree ("enabled 0|1" tells
// whether Read Auto-Reply message may be used on it), the command given; prints the answer
// dialog's "name NAME" and "reply TEXT", or the failure box's "box TEXT", and closes it.
int ReadAutoReplyFromTree(RunningProgram& program, const Arguments& args)
{
    HWND dialog = OpenSendDialog(program);
    if (!dialog) return 1;
    HWND tree = GetDlgItem(dialog, IDC_SEND_TREE);
    HTREEITEM item = FindTreeItem(tree, args[0]);
    if (!item) {
        PrintLine("item missing");
        return 1;
    }
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    const bool enabled = TreeButtonEnabled(dialog, IDM_TREE_READ_AUTO_REPLY);
    PrintLine(std::string("enabled ") + (enabled ? "1" : "0"));
    if (!enabled) return 1;
    const DWORD since = GetTickCount();
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_TREE_READ_AUTO_REPLY, 0), 0);
    HWND answer = WaitFor([&] { return FindMessageBox(program.ProcessId(), kReadAutoReplyCaption); }, kWindowWait);
    if (!answer) return 1;
    const bool read = GetDlgItem(answer, IDC_READ_REPLY_TEXT) != nullptr;
    if (read) {
        PrintLine("name " + ControlText(answer, IDC_READ_REPLY_NAME));
        PrintLine("reply " + OneLine(ControlText(answer, IDC_READ_REPLY_TEXT)));
    } else {
        PrintLine("box " + OneLine(MessageBoxText(answer)));
    }
    PrintLine("seconds " + Seconds(since));
    PressAndWait(answer, IDOK);
    return read ? 0 : 1;
}

} // namespace kivet::wine

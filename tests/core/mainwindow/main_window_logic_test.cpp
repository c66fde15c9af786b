#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/mainwindow/arrival_alerts.h"
#include "messenger/mainwindow/command_states.h"
#include "messenger/mainwindow/emoticon_table.h"
#include "messenger/mainwindow/header_link.h"
#include "messenger/mainwindow/message_links.h"

namespace kivet {
namespace {

TEST(CommandStates, FollowTheStore)
{
    CommandStates empty = ComputeCommandStates(0, 0);
    EXPECT_FALSE(empty.deleteMessage || empty.deleteAll || empty.previous || empty.next || empty.messageDetails ||
                 empty.browseComputer || empty.addToQuickList || empty.addToIgnoreList);

    CommandStates one = ComputeCommandStates(1, 1);
    EXPECT_TRUE(one.deleteMessage && one.deleteAll && one.messageDetails && one.browseComputer && one.addToQuickList &&
                one.addToIgnoreList);
    EXPECT_FALSE(one.previous);
    EXPECT_FALSE(one.next);

    struct Row {
        int total, current;
        bool previous, next;
    } rows[] = {{3, 1, false, true}, {3, 2, true, true}, {3, 3, true, false}, {2, 1, false, true}, {2, 2, true, false}};
    for (const Row& r : rows) {
        CommandStates s = ComputeCommandStates(r.total, r.current);
        EXPECT_EQ(s.previous, r.previous) << r.total << "/" << r.current;
        EXPECT_EQ(s.next, r.next) << r.total << "/" << r.current;
        EXPECT_TRUE(s.deleteMessage);
    }
}

std::vector<FoundEmoticon> Find(const std::string& text)
{
    std::vector<FoundEmoticon> found;
    FindEmoticons(text, [&](const FoundEmoticon& f) { found.push_back(f); });
    return found;
}

TEST(EmoticonMatching, CodesAreFoundCaseSensitivelyInTableOrder)
{
    auto word = Find("hello [:)]");
    ASSERT_EQ(word.size(), 1u);
    EXPECT_EQ(word[0].n, 1);
    EXPECT_EQ(word[0].position, 6u);

    EXPECT_TRUE(Find("[:D]").empty()) << "the upper-case form of [:d] is text";
    ASSERT_EQ(Find("[:d]").size(), 1u);
    EXPECT_EQ(Find("[sun]")[0].n, 18);
    EXPECT_EQ(Find("[:'(]")[0].n, 13);
    EXPECT_TRUE(Find("[:)").empty());
    EXPECT_TRUE(Find("").empty());
}

TEST(EmoticonMatching, EndOfTextBackToBackAndLineBreaks)
{
    auto end = Find("bye[(y)]");
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].n, 6);

    auto pair = Find("[:)][;)]");
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[0].n, 1);
    EXPECT_EQ(pair[1].n, 3);
    EXPECT_EQ(pair[1].position, 4u);

    EXPECT_TRUE(Find("[:\r\n)]").empty()) << "a code split by a line break stays text";

    // After two line breaks the control position is two characters behind the text position.
    auto lines = Find("a\r\nb\r\n[(l)]");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].position, 6u);
    EXPECT_EQ(lines[0].controlPosition, 4u);
}

TEST(EmoticonTable, EveryCodeMatchesItselfAndOnlyItself)
{
    for (int n = 1; n <= kEmoticonCount; ++n) {
        std::string code(EmoticonCode(n));
        ASSERT_GE(code.size(), 4u);
        ASSERT_LE(code.size(), 5u);
        EXPECT_EQ(EmoticonAt(code, 0), n) << code;
    }
    EXPECT_EQ(EmoticonPictureFile(1), "emimg_01.gif");
    EXPECT_EQ(EmoticonPictureFile(42), "emimg_42.gif");
    EXPECT_EQ(EmoticonBitmap(42), 7274u);
}

Settings EveryAlertOn()
{
    Settings s;
    s.PCSpeakerBeep = s.PlaySoundOnReceive = s.PopupOnReceive = s.JumpToLastMsg = s.ScrollLock = 1;
    return s;
}

AlertState Minimised()
{
    AlertState state;
    state.windowMinimised = state.haveSoundFile = state.unreadMessages = true;
    return state;
}

TEST(ArrivalAlerts, EverySwitchedOnAlertFires)
{
    ArrivalAlerts a = PlanArrivalAlerts(EveryAlertOn(), Minimised());
    EXPECT_TRUE(a.beep && a.sound && a.popUp && a.jumpToNewest && a.startTrayAnimation && a.startScrollLock);
    Settings off;
    off.PCSpeakerBeep = off.PlaySoundOnReceive = off.PopupOnReceive = off.JumpToLastMsg = off.ScrollLock = 0;
    ArrivalAlerts none = PlanArrivalAlerts(off, Minimised());
    EXPECT_FALSE(none.beep || none.sound || none.popUp || none.jumpToNewest || none.startScrollLock);
    EXPECT_TRUE(none.startTrayAnimation); // the animation has no switch of its own
}

TEST(ArrivalAlerts, AutoReplyModeKeepsEverythingQuiet)
{
    AlertState state = Minimised();
    state.autoReplyMode = true;
    ArrivalAlerts a = PlanArrivalAlerts(EveryAlertOn(), state);
    EXPECT_FALSE(a.beep || a.sound || a.popUp || a.jumpToNewest || a.startTrayAnimation || a.startScrollLock);
}

TEST(ArrivalAlerts, RunningBlinkersAndAShownWindowAreLeftAlone)
{
    AlertState state = Minimised();
    state.windowMinimised = false;
    state.trayBlinking = state.scrollLockBlinking = true;
    ArrivalAlerts a = PlanArrivalAlerts(EveryAlertOn(), state);
    EXPECT_FALSE(a.popUp || a.startTrayAnimation || a.startScrollLock);
    EXPECT_TRUE(a.beep && a.jumpToNewest);

    AlertState noSound = Minimised();
    noSound.haveSoundFile = false;
    EXPECT_FALSE(PlanArrivalAlerts(EveryAlertOn(), noSound).sound);

    AlertState allRead = Minimised();
    allRead.unreadMessages = false; // a jump or a duplicate left nothing unread
    ArrivalAlerts r = PlanArrivalAlerts(EveryAlertOn(), allRead);
    EXPECT_FALSE(r.startTrayAnimation || r.startScrollLock);
}

TEST(HeaderLink, TheSendersPlaceIsTheFirstConversion)
{
    // A sender whose name also stands in the fixed words ("Me" in "Message") is linked where it
    // was put, not where its letters first appear.
    std::optional<TextSpan> me = SenderSpan("Message from %s to %s", "Me");
    ASSERT_TRUE(me);
    EXPECT_EQ(me->start, 13u);
    EXPECT_EQ(me->length, 2u);
    std::optional<TextSpan> percent = SenderSpan("100%% sure: %s", "Alice");
    ASSERT_TRUE(percent);
    EXPECT_EQ(percent->start, 11u);
    EXPECT_FALSE(SenderSpan("Message from %s to %s", ""));
    EXPECT_FALSE(SenderSpan("No sender here", "Alice"));
    EXPECT_FALSE(SenderSpan("%d messages from %s", "Alice"));
    EXPECT_FALSE(SenderSpan("trailing %", "Alice"));
}

TEST(MessageLinks, OnlyWebMailAndNewsAddressesOpen)
{
    for (const char* link : {"http://intranet.example/minutes", "HTTPS://Example.org", "ftp://files.example/a.zip",
                             "mailto:bob@example.org", "news:comp.lang.c", "www.example.org"})
        EXPECT_TRUE(IsOpenableLink(link)) << link;
    for (const char* link :
         {"file://\\\\server\\share\\run.exe", "file:///C:/Windows/system32/cmd.exe", "telnet://host",
          "\\\\server\\share", "C:\\run.exe", "javascript:alert(1)", "http://", "www.", "", "http://a\nb", "ht tp://x"})
        EXPECT_FALSE(IsOpenableLink(link)) << link;
}

TEST(EmoticonPicker, HitTestCoversTheGridOnly)
{
    struct Row {
        int x, y, entry;
    } rows[] = {{0, 0, 1},   {29, 29, 1}, {30, 0, 2},    {179, 0, 6}, {0, 30, 7}, {179, 209, 42},
                {180, 0, 0}, {0, 210, 0}, {183, 213, 0}, {-1, 5, 0},  {5, -1, 0}, {95, 125, 28}};
    for (const Row& r : rows)
        EXPECT_EQ(PickerEntryAt(r.x, r.y), r.entry) << r.x << "," << r.y;
}

} // namespace
} // namespace kivet

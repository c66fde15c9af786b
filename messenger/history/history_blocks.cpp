#include "messenger/history/history_blocks.h"

#include "messenger/history/history_body.h"

namespace kivet {
namespace {

std::string Picture(std::string_view programFolder, std::string_view file)
{
    std::string path(programFolder);
    path += "images/";
    path += file;
    return path;
}

} // namespace

std::string HistoryHeadBlock(const HistoryOwner& owner, std::string_view date)
{
    const std::string& w = owner.programFolder;
    std::string b;
    b += "<html>\r\n<head>\r\n<title>Message History</title>\r\n</head>\r\n\r\n";
    b += "<link rel=stylesheet type=\"text/css\" href=\"style.css\">\r\n";
    b += "<body bgcolor=\"#ffffff\" marginwidth=5 marginheight=5 topmargin=5 leftmargin=5 "
         "onLoad='window.location=\"#bottom\"';>\r\n";
    b += "<table width=100% cellspacing=0 cellpadding=0 border=0>\r\n<tr>\r\n<td>\r\n";
    b += "<div class=\"mheader\">Message History</div>\r\n</td>\r\n<td valign=center align=right>\r\n";
    b += "<table border=0 cellspacing=0 cellpadding=0>\r\n<tr>\r\n";
    b += "<td><img src=\"" + Picture(w, "user.gif") + "\" width=16 height=16 border=0></td>\r\n";
    b += "<td><div class=\"userinfo\"><b>" + owner.user +
         "</b><font color=\"#aaaaaa\">&nbsp;|</font></div></td>\r\n";
    b += "<td><img src=\"" + Picture(w, "pc.gif") + "\" width=16 height=16 border=0></td>\r\n";
    b += "<td><div class=\"userinfo\"><b>" + owner.computer + "</b></div></td>\r\n";
    b += "</tr>\r\n</table>\r\n</td>\r\n";
    b += "</tr width=100% cellspacing=0 cellpadding=0 border=0>\r\n";
    b += "<tr><td height=1 colspan=2 bgcolor=\"#cccccc\"><img src=\"" + Picture(w, "tfill.gif") +
         "\" height=1 width=100% border=0><td></tr>\r\n";
    b += "</table>\r\n\r\n";
    b += HistoryDateBlock(date);
    return b;
}

std::string HistoryDateBlock(std::string_view date)
{
    std::string b;
    b += "<table border=0 cellspacing=0 cellpadding=0 width=100%>\r\n";
    b += "<tr><td width=100% align=right><div class=date>";
    b += date;
    b += "</div></td></tr>\r\n</table>\r\n\r\n";
    return b;
}

std::string HistoryEntryBlock(std::string_view programFolder, const HistoryEntry& entry, std::string_view time)
{
    std::string b;
    b += "<table border=0 width=100% cellspacing=0 cellpadding=0>\r\n";
    if (entry.incoming) {
        b += "<tr bgcolor=\"#e8e2da\">\r\n";
        b += "<td width=16 height=16><div class=\"messpic\"><img src=\"" + Picture(programFolder, "in.gif") +
             "\" width=16 height=16 border=0 alt=\"Incoming message\"></div></td>\r\n";
        b += "<td width=100% align=left><div class=messinfo>from ";
        b += entry.sender;
        b += " to ";
        b += entry.recipient;
    } else {
        b += "<tr bgcolor=\"#dde8da\">\r\n";
        b += "<td width=16 height=16><div class=\"messpic\"><img src=\"" + Picture(programFolder, "out.gif") +
             "\" width=16 height=16 border=0 alt=\"Outgoing message\"></div></td>\r\n";
        b += "<td width=100% align=left><div class=messinfo>to ";
        b += entry.recipient;
    }
    b += "</div></td>\r\n";
    b += "<td align=right><div class=messinfo>";
    b += time;
    b += "</div></td>\r\n</tr>\r\n";
    b += "<tr><td colspan=3><div class=\"mess\">" + HistoryBody(programFolder, entry.text) + "\r\n";
    b += "</div></td></tr>\r\n</table>\r\n";
    return b;
}

} // namespace kivet

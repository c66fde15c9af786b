#include "messenger/browser/win32/sockets_session.h"

#include <winsock.h>

namespace kivet {

SocketsSession::SocketsSession()
{
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

SocketsSession::~SocketsSession()
{
    if (started_) WSACleanup();
}

} // namespace kivet

// Windows Sockets 1.1 for the run: started when the browser's seams are made, ended at shutdown.
#pragma once

namespace kivet {

class SocketsSession {
public:
    SocketsSession();
    ~SocketsSession();
    SocketsSession(const SocketsSession&) = delete;
    SocketsSession& operator=(const SocketsSession&) = delete;
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

} // namespace kivet

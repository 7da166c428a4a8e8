// session_manager: a session manager of the X session management protocol (XSMP) for the
// end-to-end tests, as small as a desktop's would be at a logout. It listens on a local ICE
// socket and prints "listening ID" (ID for SESSION_MANAGER), then takes commands on stdin:
//   checkpoint   SaveYourself to every client: save both, no shutdown, any interaction
//   shutdown     SaveYourself with shutdown, as a logout does; Die to each client that is done
// and prints what the clients do, one line each: "registered ID", "property
// RestartStyleHint N", "interact-request", "interact-done CANCEL", "done SUCCESS", "die",
// "closed" (the client closed its session) and "gone" (its connection ended). Interaction is
// granted at once. Ends at the end of stdin.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<IceConn> g_conns;
std::vector<SmsConn> g_clients;
bool g_shutdown = false;
bool g_cancelled = false;

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

Bool localOnly(char* host) {
    return std::strncmp(host, "local/", 6) == 0;
}

void dropClient(SmsConn c) {
    g_clients.erase(std::remove(g_clients.begin(), g_clients.end(), c), g_clients.end());
    SmsCleanUp(c);
}

Status registerClient(SmsConn c, SmPointer, char* previousId) {
    char* id = previousId && *previousId ? previousId : SmsGenerateClientID(c);
    const Status ok = SmsRegisterClientReply(c, id);
    say(std::string("registered ") + id);
    if (id != previousId) std::free(id);
    std::free(previousId);
    return ok;
}

void interactRequest(SmsConn c, SmPointer, int) {
    say("interact-request");
    SmsInteract(c);
}

void interactDone(SmsConn, SmPointer, Bool cancel) {
    say("interact-done " + std::to_string(cancel));
    g_cancelled = g_cancelled || (cancel && g_shutdown);
}

void saveRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void phase2Request(SmsConn c, SmPointer) {
    SmsSaveYourselfPhase2(c);
}

void saveDone(SmsConn c, SmPointer, Bool success) {
    say("done " + std::to_string(success));
    if (!g_shutdown) return;
    if (g_cancelled) {
        SmsShutdownCancelled(c);
        say("cancelled");
    } else {
        SmsDie(c);
        say("die");
    }
}

void closeConnection(SmsConn c, SmPointer, int count, char** reasons) {
    say("closed");
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(c);
    dropClient(c);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
}

void setProperties(SmsConn, SmPointer, int count, SmProp** props) {
    for (int i = 0; i < count; ++i) {
        const SmProp* p = props[i];
        if (p->num_vals > 0 && std::strcmp(p->name, SmRestartStyleHint) == 0)
            say(std::string("property ") + p->name + " " +
                std::to_string(*static_cast<unsigned char*>(p->vals[0].value)));
        SmFreeProperty(props[i]);
    }
    std::free(props);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn c, SmPointer) {
    SmsReturnProperties(c, 0, nullptr);
}

Status newClient(SmsConn c, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**) {
    g_clients.push_back(c);
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = interactDone;
    cb->save_yourself_request.callback = saveRequest;
    cb->save_yourself_phase2_request.callback = phase2Request;
    cb->save_yourself_done.callback = saveDone;
    cb->close_connection.callback = closeConnection;
    cb->set_properties.callback = setProperties;
    cb->delete_properties.callback = deleteProperties;
    cb->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

void watchConnection(IceConn conn, IcePointer, Bool opening, IcePointer*) {
    if (opening)
        g_conns.push_back(conn);
    else
        g_conns.erase(std::remove(g_conns.begin(), g_conns.end(), conn), g_conns.end());
}

void ignoreIoError(IceConn) {} // the default handler ends the process

void command(const std::string& line) {
    g_shutdown = line == "shutdown";
    g_cancelled = false;
    for (SmsConn c : g_clients)
        SmsSaveYourself(c, SmSaveBoth, g_shutdown, SmInteractStyleAny, False);
}

} // namespace

int main() {
    std::signal(SIGPIPE, SIG_IGN);
    char error[256] = "";
    if (!SmsInitialize("tikanda-test", "1", newClient, nullptr, localOnly, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    IceSetIOErrorHandler(ignoreIoError);
    IceAddConnectionWatch(watchConnection, nullptr);
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        IceSetHostBasedAuthProc(listeners[i], localOnly);
        char* id = IceGetListenConnectionString(listeners[i]);
        if (std::strncmp(id, "local/", 6) == 0) say(std::string("listening ") + id);
        std::free(id);
    }

    std::string input;
    for (;;) {
        std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}};
        for (int i = 0; i < count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        const std::vector<IceConn> conns = g_conns;
        for (IceConn c : conns)
            fds.push_back({IceConnectionNumber(c), POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0) continue;

        if (fds[0].revents) {
            char buf[256];
            const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0) break;
            input.append(buf, n);
            for (size_t end; (end = input.find('\n')) != std::string::npos; input.erase(0, end + 1))
                command(input.substr(0, end));
        }
        for (int i = 0; i < count; ++i) {
            IceAcceptStatus status;
            if (fds[1 + i].revents) IceAcceptConnection(listeners[i], &status);
        }
        for (size_t i = 0; i < conns.size(); ++i) {
            if (!fds[1 + count + i].revents) continue;
            IceConn c = conns[i];
            const IceProcessMessagesStatus s = IceProcessMessages(c, nullptr, nullptr);
            if (s == IceProcessMessagesIOError) {
                for (SmsConn client : std::vector<SmsConn>(g_clients))
                    if (SmsGetIceConnection(client) == c) dropClient(client);
                IceSetShutdownNegotiation(c, False);
                IceCloseConnection(c);
            }
            if (s != IceProcessMessagesSuccess) say("gone");
        }
    }
    IceFreeListenObjs(count, listeners); // removes the socket
    return 0;
}

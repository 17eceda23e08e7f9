/* SPDX-License-Identifier: MIT */
/* A minimal X session manager for the end-to-end tests, built on libSM and libICE. It listens
 * on a local socket, prints "SESSION_MANAGER=<address>" and then one line for each thing a
 * client does ("registered", "save-done", "interact", "closed"). It reads commands, one a line,
 * from its standard input and sends them to the client that registered last:
 *   checkpoint  a session save that is no logout (save-yourself, shutdown false), then
 *               save-complete once the client is done
 *   logout      the save before a logout (save-yourself, shutdown true)
 *   die         the end of the session
 * Only local clients of this user can reach the socket; every one is accepted. */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#define MAX_CLIENTS 8

static SmsConn clients[MAX_CLIENTS];
static IceConn connections[MAX_CLIENTS];
static int clientCount;
static int checkpointPending;

static void say(const char *what)
{
    printf("%s\n", what);
    fflush(stdout);
}

/* libICE's own handler ends the process when a client goes away. */
static void ignoreIoError(IceConn conn)
{
    (void)conn;
}

static Bool acceptAnyHost(char *hostName)
{
    (void)hostName;
    return True;
}

static Status registerClient(SmsConn conn, SmPointer data, char *previousId)
{
    (void)data;
    (void)previousId;
    char *id = SmsGenerateClientID(conn);
    Status status = SmsRegisterClientReply(conn, id);
    free(id);
    say("registered");
    return status;
}

static void interactRequest(SmsConn conn, SmPointer data, int dialogType)
{
    (void)data;
    (void)dialogType;
    say("interact");
    SmsInteract(conn);
}

static void interactDone(SmsConn conn, SmPointer data, Bool cancelShutdown)
{
    (void)conn;
    (void)data;
    say(cancelShutdown ? "interact-cancel" : "interact-done");
}

static void saveYourselfRequest(SmsConn conn, SmPointer data, int saveType, Bool shutdown,
                                int interactStyle, Bool fast, Bool global)
{
    (void)data;
    (void)global;
    SmsSaveYourself(conn, saveType, shutdown, interactStyle, fast);
}

static void phase2Request(SmsConn conn, SmPointer data)
{
    (void)data;
    SmsSaveYourselfPhase2(conn);
}

static void saveYourselfDone(SmsConn conn, SmPointer data, Bool success)
{
    (void)data;
    say(success ? "save-done" : "save-failed");
    if (checkpointPending)
        SmsSaveComplete(conn);
}

static void closeConnection(SmsConn conn, SmPointer data, int count, char **reasons)
{
    (void)data;
    SmFreeReasons(count, reasons);
    for (int i = 0; i < clientCount; ++i) {
        if (clients[i] == conn) {
            IceConn ice = connections[i];
            SmsCleanUp(conn);
            IceSetShutdownNegotiation(ice, False);
            IceCloseConnection(ice);
            clients[i] = clients[clientCount - 1];
            connections[i] = connections[clientCount - 1];
            --clientCount;
            break;
        }
    }
    say("closed");
}

static void setProperties(SmsConn conn, SmPointer data, int count, SmProp **properties)
{
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    free(properties);
}

static void deleteProperties(SmsConn conn, SmPointer data, int count, char **names)
{
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i)
        free(names[i]);
    free(names);
}

static void getProperties(SmsConn conn, SmPointer data)
{
    (void)data;
    SmsReturnProperties(conn, 0, NULL);
}

static Status newClient(SmsConn conn, SmPointer data, unsigned long *mask, SmsCallbacks *callbacks,
                        char **failureReason)
{
    (void)data;
    (void)failureReason;
    if (clientCount == MAX_CLIENTS)
        return 0;
    connections[clientCount] = SmsGetIceConnection(conn);
    clients[clientCount++] = conn;
    memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = phase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
            | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask
            | SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask
            | SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

static void command(const char *line)
{
    if (clientCount == 0)
        return;
    SmsConn client = clients[clientCount - 1];
    if (strcmp(line, "checkpoint") == 0) {
        checkpointPending = 1;
        SmsSaveYourself(client, SmSaveBoth, False, SmInteractStyleAny, False);
    } else if (strcmp(line, "logout") == 0) {
        checkpointPending = 0;
        SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleAny, False);
    } else if (strcmp(line, "die") == 0) {
        SmsDie(client);
    }
}

int main(void)
{
    char error[256];
    signal(SIGPIPE, SIG_IGN);
    IceSetIOErrorHandler(ignoreIoError);
    if (!SmsInitialize("cubomancer-tests", "1.0", newClient, NULL, acceptAnyHost, sizeof error,
                       error)) {
        fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int listenCount = 0;
    IceListenObj *listeners = NULL;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    const char *address = NULL;
    for (int i = 0; i < listenCount; ++i) {
        IceSetHostBasedAuthProc(listeners[i], acceptAnyHost);
        char *id = IceGetListenConnectionString(listeners[i]);
        if (!address && (strncmp(id, "local/", 6) == 0 || strncmp(id, "unix/", 5) == 0))
            address = id;
    }
    if (!address) {
        fprintf(stderr, "no local listening address\n");
        return 1;
    }
    printf("SESSION_MANAGER=%s\n", address);
    fflush(stdout);

    char line[64];
    size_t used = 0;
    for (;;) {
        struct pollfd fds[1 + 16 + MAX_CLIENTS];
        int count = 0;
        fds[count++] = (struct pollfd){.fd = STDIN_FILENO, .events = POLLIN};
        for (int i = 0; i < listenCount && i < 16; ++i)
            fds[count++] =
                (struct pollfd){.fd = IceGetListenConnectionNumber(listeners[i]), .events = POLLIN};
        const int firstClient = count;
        const int clientsNow = clientCount;
        for (int i = 0; i < clientsNow; ++i)
            fds[count++] = (struct pollfd){.fd = IceConnectionNumber(connections[i]), .events = POLLIN};
        if (poll(fds, count, -1) < 0)
            return 1;
        if (fds[0].revents) {
            const ssize_t got = read(STDIN_FILENO, line + used, sizeof line - 1 - used);
            if (got <= 0)
                return 0;
            used += (size_t)got;
            line[used] = '\0';
            char *end;
            while ((end = strchr(line, '\n'))) {
                *end = '\0';
                command(line);
                used -= (size_t)(end + 1 - line);
                memmove(line, end + 1, used + 1);
            }
        }
        for (int i = 0; i < listenCount && i < 16; ++i) {
            if (!fds[1 + i].revents)
                continue;
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(listeners[i], &status);
            if (!ice)
                continue;
            while (IceConnectionStatus(ice) == IceConnectPending)
                IceProcessMessages(ice, NULL, NULL);
            if (IceConnectionStatus(ice) != IceConnectAccepted) {
                IceCloseConnection(ice);
                continue;
            }
            /* The client's protocol set-up comes next on this connection; newClient takes the
             * client in. */
            const int before = clientCount;
            while (clientCount == before && IceConnectionStatus(ice) == IceConnectAccepted)
                if (IceProcessMessages(ice, NULL, NULL) != IceProcessMessagesSuccess)
                    break;
            if (clientCount == before)
                IceCloseConnection(ice);
        }
        for (int i = 0; i < clientsNow; ++i) {
            if (!fds[firstClient + i].revents)
                continue;
            /* The connection of fds[firstClient + i] may have moved after a close. */
            for (int c = 0; c < clientCount; ++c) {
                if (IceConnectionNumber(connections[c]) == fds[firstClient + i].fd) {
                    if (IceProcessMessages(connections[c], NULL, NULL)
                        == IceProcessMessagesIOError) {
                        SmsCleanUp(clients[c]);
                        IceSetShutdownNegotiation(connections[c], False);
                        IceCloseConnection(connections[c]);
                        clients[c] = clients[clientCount - 1];
                        connections[c] = connections[clientCount - 1];
                        --clientCount;
                        say("closed");
                    }
                    break;
                }
            }
        }
    }
}

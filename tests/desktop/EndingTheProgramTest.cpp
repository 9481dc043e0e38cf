// The real desktop program on a virtual X server without a window manager: its windows' captions
// as a desktop reads them, and its end through the close request a window manager sends.

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string MainCaption = "Vantorel, drainage, water table, and soil salinity modelator ";
const std::string ClosingCaption = "Close all";

std::optional<std::string> FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
        start = end + 1;
    }
    return std::nullopt;
}

// Ends the child, if it still runs, and collects it.
void Stop(pid_t child) {
    if (child <= 0) return;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// A virtual X server on a display of its own choice, for the life of the object.
class VirtualServer {
public:
    explicit VirtualServer(const std::string& program) {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            execl(program.c_str(), program.c_str(), "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
                  "1024x768x24", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // The server writes its display number once it accepts connections.
        std::string number;
        char c;
        while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~VirtualServer() { Stop(pid_); }
    VirtualServer(const VirtualServer&) = delete;
    VirtualServer& operator=(const VirtualServer&) = delete;

    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

std::string Property(Display* x, Window window, const char* name) {
    Atom type;
    int format;
    unsigned long count, rest;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(x, window, XInternAtom(x, name, False), 0, 4096, False, AnyPropertyType, &type, &format,
                           &count, &rest, &data) == Success &&
        data != nullptr) {
        if (format == 8) text.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return text;
}

// The shown top-level window whose WM_NAME begins with the caption, once it appears.
std::optional<Window> WaitForWindow(Display* x, const std::string& caption, std::chrono::seconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    while (Clock::now() < end) {
        Window root, parent;
        Window* children = nullptr;
        unsigned int count = 0;
        std::optional<Window> found;
        if (XQueryTree(x, DefaultRootWindow(x), &root, &parent, &children, &count) != 0) {
            for (unsigned int i = 0; i < count && !found; ++i) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(x, children[i], &attributes) == 0 || attributes.map_state != IsViewable) continue;
                if (Property(x, children[i], "WM_NAME").rfind(caption, 0) == 0) found = children[i];
            }
            if (children) XFree(children);
        }
        if (found) return found;
        std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
}

// What a window manager sends when the user closes a window.
void SendCloseRequest(Display* x, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, window, False, NoEventMask, &event);
    XFlush(x);
}

std::optional<int> WaitForExit(pid_t child, std::chrono::seconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
}

void ExpectCaptions(Display* x, Window window, const std::string& caption) {
    EXPECT_EQ(Property(x, window, "WM_NAME"), caption);
    EXPECT_EQ(Property(x, window, "_NET_WM_NAME"), caption);
}

TEST(DesktopProgramTest, TheClosingWindowEndsTheRealProgramWhoseCaptionsAreExact) {
    const std::optional<std::string> server_program = FindOnPath("Xvfb");
    if (!server_program) GTEST_SKIP() << "Xvfb is not installed";
    VirtualServer server(*server_program);
    ASSERT_FALSE(server.Display().empty()) << "the virtual X server did not start";
    Display* x = XOpenDisplay(server.Display().c_str());
    ASSERT_NE(x, nullptr);

    const pid_t program = fork();
    if (program == 0) {
        setenv("DISPLAY", server.Display().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(VANTOREL_DESKTOP_PROGRAM, VANTOREL_DESKTOP_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<int> status;
    const std::optional<Window> main = WaitForWindow(x, MainCaption, 60s);
    if (main) {
        ExpectCaptions(x, *main, MainCaption);
        SendCloseRequest(x, *main);
        const std::optional<Window> closing = WaitForWindow(x, ClosingCaption, 20s);
        if (closing) {
            ExpectCaptions(x, *closing, ClosingCaption);
            // The main window refused its close.
            EXPECT_EQ(WaitForWindow(x, MainCaption, 1s), main);
            SendCloseRequest(x, *closing);
            status = WaitForExit(program, 5s);
            EXPECT_EQ(status, std::optional<int>(0)) << "the program did not end with status 0";
        } else {
            ADD_FAILURE() << "no closing window";
        }
    } else {
        ADD_FAILURE() << "no main window";
    }
    if (!status) Stop(program);
    XCloseDisplay(x);
}

}  // namespace

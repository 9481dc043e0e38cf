// The real desktop program on a virtual X server without a window manager: its windows' captions
// as a desktop reads them, where the closing window appears, its end through the close request a
// window manager sends, and a quiet start where the session names no runtime directory.

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string MainCaption = "Vantorel, drainage, water table, and soil salinity modelator ";
const std::string ClosingCaption = "Close all";

std::optional<std::string> FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

// A program started with its arguments once in_child has prepared the forked process; it is ended
// with the object unless it has ended by itself.
class Child {
public:
    Child(const std::vector<std::string>& arguments, const std::function<void()>& in_child = {}) {
        pid_ = fork();
        if (pid_ != 0) return;
        // Should the test itself die, its children must not live on holding the test's output open.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (in_child) in_child();
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ~Child() {
        if (pid_ <= 0 || exited_) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Its exit status, once it ends within the limit.
    std::optional<int> WaitForExit(std::chrono::seconds limit) {
        for (const Clock::time_point end = Clock::now() + limit; Clock::now() < end;) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(20ms);
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
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

// The middle of a window on the screen.
std::pair<int, int> Centre(Display* x, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(x, window, &attributes);
    int left = 0, top = 0;
    Window child;
    XTranslateCoordinates(x, window, DefaultRootWindow(x), 0, 0, &left, &top, &child);
    return {left + attributes.width / 2, top + attributes.height / 2};
}

void ExpectCaptions(Display* x, Window window, const std::string& caption) {
    EXPECT_EQ(Property(x, window, "WM_NAME"), caption);
    EXPECT_EQ(Property(x, window, "_NET_WM_NAME"), caption);
}

TEST(DesktopProgramTest, TheClosingWindowEndsTheRealProgramWhoseCaptionsAreExact) {
    const std::optional<std::string> server_program = FindOnPath("Xvfb");
    if (!server_program) GTEST_SKIP() << "Xvfb is not installed";
    // The server writes its display number once it accepts connections.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const Child server({*server_program, "-displayfd", std::to_string(ready[1]), "-nolisten", "tcp", "-screen", "0",
                        "1024x768x24"},
                       [&ready] { close(ready[0]); });
    close(ready[1]);
    std::string display = ":";
    for (char c; read(ready[0], &c, 1) == 1 && c != '\n';) display += c;
    close(ready[0]);
    ASSERT_NE(display, ":") << "the virtual X server did not start";
    // A window may vanish between listing it and asking for its attributes; Xlib's default handler
    // would end the test for that.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    std::unique_ptr<Display, int (*)(Display*)> x(XOpenDisplay(display.c_str()), XCloseDisplay);
    ASSERT_NE(x, nullptr);

    char folder[] = "/tmp/vantorel-desktop-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string errors = std::string(folder) + "/stderr";
    Child program({VANTOREL_DESKTOP_PROGRAM}, [&display, &folder, &errors] {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("XDG_RUNTIME_DIR");
        setenv("XDG_CONFIG_HOME", folder, 1);
        const int file = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, 2);
    });
    const std::optional<Window> main = WaitForWindow(x.get(), MainCaption, 60s);
    ASSERT_TRUE(main) << "no main window";
    ExpectCaptions(x.get(), *main, MainCaption);
    SendCloseRequest(x.get(), *main);
    const std::optional<Window> closing = WaitForWindow(x.get(), ClosingCaption, 20s);
    ASSERT_TRUE(closing) << "no closing window";
    ExpectCaptions(x.get(), *closing, ClosingCaption);
    const auto [main_x, main_y] = Centre(x.get(), *main);
    const auto [closing_x, closing_y] = Centre(x.get(), *closing);
    EXPECT_NEAR(closing_x, main_x, 20) << "the closing window is not centred on the main window";
    EXPECT_NEAR(closing_y, main_y, 20) << "the closing window is not centred on the main window";
    // The main window refused its close.
    EXPECT_EQ(WaitForWindow(x.get(), MainCaption, 1s), main);
    SendCloseRequest(x.get(), *closing);
    EXPECT_EQ(program.WaitForExit(5s), std::optional<int>(0)) << "the program did not end with status 0";
    std::ifstream written(errors);
    const std::string said((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_EQ(said.find("XDG_RUNTIME_DIR"), std::string::npos) << said;
    std::filesystem::remove_all(folder);
}

}  // namespace

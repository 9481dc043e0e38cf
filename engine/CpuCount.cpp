#include "engine/CpuCount.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifdef __linux__
#include <sched.h>
#endif

namespace vantorel {

namespace {

namespace fs = std::filesystem;

std::optional<long long> WholeNumber(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::string> FileText(const fs::path& path) {
    std::ifstream file(path);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

bool Contains(const std::vector<std::string_view>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::optional<unsigned> Cpus(std::optional<long long> quota, std::optional<long long> period) {
    if (!quota || !period || *quota <= 0 || *period <= 0) return std::nullopt;
    return static_cast<unsigned>(std::clamp<long long>((*quota + *period - 1) / *period, 1, 1 << 20));
}

// cgroup v2: "max 100000" (no limit) or "150000 100000" (quota and period, microseconds).
std::optional<unsigned> CpusOfV2(const fs::path& folder) {
    const auto text = FileText(folder / "cpu.max");
    if (!text) return std::nullopt;
    const std::vector<std::string_view> words = Split(*text, ' ');
    if (words.size() != 2) return std::nullopt;
    return Cpus(WholeNumber(words[0]), WholeNumber(words[1]));
}

// cgroup v1: a quota of -1 sets no limit.
std::optional<unsigned> CpusOfV1(const fs::path& folder) {
    const auto quota = FileText(folder / "cpu.cfs_quota_us");
    const auto period = FileText(folder / "cpu.cfs_period_us");
    if (!quota || !period) return std::nullopt;
    return Cpus(WholeNumber(*quota), WholeNumber(*period));
}

struct CgroupMount {
    bool version2 = false;
    std::string root;   // the cgroup the mount shows at its mount point
    fs::path point;
};

// The cgroup2 mount and the cgroup v1 mounts that carry the cpu controller.
std::vector<CgroupMount> CpuMounts(std::string_view mountinfo) {
    std::vector<CgroupMount> mounts;
    for (const std::string_view line : Split(mountinfo, '\n')) {
        const std::vector<std::string_view> fields = Split(line, ' ');
        const auto dash = std::find(fields.begin(), fields.end(), "-");
        if (fields.size() < 5 || dash == fields.end() || fields.end() - dash < 4) continue;
        const std::string_view type = dash[1];
        if (type == "cgroup2" || (type == "cgroup" && Contains(Split(dash[3], ','), "cpu"))) {
            mounts.push_back({type == "cgroup2", std::string(fields[3]), fs::path(std::string(fields[4]))});
        }
    }
    return mounts;
}

// The path of the process's cgroup in the hierarchy of the mount, from /proc/self/cgroup's lines
// "ID:CONTROLLERS:PATH" (ID 0 and no controllers for version 2).
std::optional<std::string> CgroupPath(std::string_view cgroups, bool version2) {
    for (const std::string_view line : Split(cgroups, '\n')) {
        const size_t first = line.find(':');
        const size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos) continue;
        const std::string_view id = line.substr(0, first);
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        const bool matches = version2 ? id == "0" && controllers.empty() : Contains(Split(controllers, ','), "cpu");
        if (matches) return std::string(line.substr(second + 1));
    }
    return std::nullopt;
}

unsigned UsableCpus() {
    unsigned count = std::max(1u, std::thread::hardware_concurrency());
#ifdef __linux__
    cpu_set_t mask;
    CPU_ZERO(&mask);
    if (sched_getaffinity(0, sizeof mask, &mask) == 0) count = std::max(1, CPU_COUNT(&mask));
    const auto mountinfo = FileText("/proc/self/mountinfo");
    const auto cgroups = FileText("/proc/self/cgroup");
    if (mountinfo && cgroups) {
        if (const auto quota = CgroupCpus(*mountinfo, *cgroups, "/")) count = std::min(count, *quota);
    }
#endif
    if (const auto threads = ThreadsSetting(std::getenv("VANTOREL_THREADS"))) count = std::min(count, *threads);
    return count;
}

}  // namespace

std::optional<unsigned> ThreadsSetting(const char* value) {
    if (value == nullptr) return std::nullopt;
    const auto threads = WholeNumber(value);
    if (!threads || *threads < 1) return std::nullopt;
    return static_cast<unsigned>(std::min<long long>(*threads, 1 << 20));
}

std::optional<unsigned> CgroupCpus(std::string_view mountinfo, std::string_view cgroups, const fs::path& root) {
    std::optional<unsigned> fewest;
    for (const CgroupMount& mount : CpuMounts(mountinfo)) {
        const auto path = CgroupPath(cgroups, mount.version2);
        if (!path) continue;
        // Inside a container the mount shows the container's own cgroup, whose path outside it
        // the process still reports (or, in a cgroup namespace, a path upwards of "/.."): then the
        // limits start at the mount point.
        fs::path below;
        if (mount.root == "/" || *path == mount.root || path->rfind(mount.root + "/", 0) == 0) {
            below = fs::path(path->substr(mount.root == "/" ? 0 : mount.root.size())).relative_path();
        }
        if (std::find(below.begin(), below.end(), "..") != below.end()) below.clear();
        const fs::path top = root / mount.point.relative_path();
        for (;; below = below.parent_path()) {
            const auto cpus = mount.version2 ? CpusOfV2(top / below) : CpusOfV1(top / below);
            if (cpus && (!fewest || *cpus < *fewest)) fewest = cpus;
            if (below.empty()) break;
        }
    }
    return fewest;
}

unsigned CoreCount() {
    static const unsigned count = UsableCpus();
    return count;
}

}  // namespace vantorel

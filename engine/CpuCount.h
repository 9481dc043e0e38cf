#pragma once
// How many CPUs this process may use. On a shared machine that is not the number of cores: a
// batch system binds a job to some of them (the affinity mask, as taskset sets it) or gives it a
// share of their time (a cgroup CPU quota, as containers, Slurm and systemd set it). The
// environment variable VANTOREL_THREADS caps the count for the whole process.

#include <filesystem>
#include <optional>
#include <string_view>

namespace vantorel {

// The CPUs this process may use, counted once per process from the affinity mask, the cgroup
// quota and VANTOREL_THREADS: at least one.
unsigned CoreCount();

// The value of VANTOREL_THREADS: a whole number of at least 1; nothing when it is unset, empty or
// no such number (a value that cannot be taken is left aside rather than guessed at).
std::optional<unsigned> ThreadsSetting(const char* value);

// The CPUs the cgroup quota of this process allows, given the text of /proc/self/mountinfo and
// /proc/self/cgroup, with the mount points taken below `root` (the file system root, or a test's
// folder): the smallest quota of the process's cgroup and of every cgroup above it, in whole CPUs
// rounded up; nothing when no quota is set. Both cgroup versions are read.
std::optional<unsigned> CgroupCpus(std::string_view mountinfo, std::string_view cgroups,
                                   const std::filesystem::path& root);

}  // namespace vantorel

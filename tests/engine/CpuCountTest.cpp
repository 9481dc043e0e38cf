// The CPUs a process may use: cgroup quotas of both versions as batch systems and containers set
// them, and the VANTOREL_THREADS cap.

#include "engine/CpuCount.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

class CgroupTree : public ::testing::Test {
protected:
    void Put(const std::string& file, const std::string& text) {
        const fs::path path = dir_.Path() / fs::path(file).relative_path();
        fs::create_directories(path.parent_path());
        test::WriteFile(path.string(), text);
    }
    std::optional<unsigned> Cpus(const std::string& mountinfo, const std::string& cgroups) {
        return CgroupCpus(mountinfo, cgroups, dir_.Path());
    }
    test::TempDir dir_;
};

constexpr const char* V2Mount = "41 31 0:38 / /sys/fs/cgroup rw,relatime - cgroup2 cgroup2 rw\n";
constexpr const char* V1Mounts =
    "32 31 0:29 / /sys/fs/cgroup/cpu,cpuacct rw,relatime - cgroup cgroup rw,cpu,cpuacct\n"
    "34 31 0:31 / /sys/fs/cgroup/cpuset rw,relatime - cgroup cgroup rw,cpuset\n";

TEST_F(CgroupTree, TheTightestQuotaOnThePathToTheRootHoldsRoundedUp) {
    Put("/sys/fs/cgroup/cpu.max", "max 100000\n");
    Put("/sys/fs/cgroup/slurm/cpu.max", "300000 100000\n");
    Put("/sys/fs/cgroup/slurm/job_7/cpu.max", "150000 100000\n");
    Put("/sys/fs/cgroup/slurm/job_7/step_0/cpu.max", "max 100000\n");
    EXPECT_EQ(Cpus(V2Mount, "0::/slurm/job_7/step_0\n"), 2u);
    EXPECT_EQ(Cpus(V2Mount, "0::/slurm\n"), 3u);
    EXPECT_EQ(Cpus(V2Mount, "0::/\n"), std::nullopt);
    Put("/sys/fs/cgroup/slurm/job_8/cpu.max", "5000 100000\n");  // a twentieth of a CPU still runs
    EXPECT_EQ(Cpus(V2Mount, "0::/slurm/job_8\n"), 1u);
}

TEST_F(CgroupTree, VersionOneOnlyWhereTheCpuControllerIs) {
    Put("/sys/fs/cgroup/cpu,cpuacct/docker/cpu.cfs_quota_us", "-1\n");
    Put("/sys/fs/cgroup/cpu,cpuacct/docker/cpu.cfs_period_us", "100000\n");
    const std::string cgroups = "4:memory:/docker\n3:cpuset:/docker\n2:cpu,cpuacct:/docker\n";
    EXPECT_EQ(Cpus(V1Mounts, cgroups), std::nullopt);
    Put("/sys/fs/cgroup/cpu,cpuacct/docker/cpu.cfs_quota_us", "250000\n");
    EXPECT_EQ(Cpus(V1Mounts, cgroups), 3u);
    EXPECT_EQ(Cpus(V1Mounts, "4:memory:/docker\n"), std::nullopt);
}

TEST_F(CgroupTree, AContainerSeesItsOwnCgroupAtTheMountPoint) {
    // The mount shows the container's cgroup; the process reports the path outside, or one
    // upwards out of its namespace.
    Put("/sys/fs/cgroup/cpu.max", "200000 100000\n");
    const std::string mount = "41 31 0:38 /kubepods/pod1 /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n";
    EXPECT_EQ(Cpus(mount, "0::/kubepods/pod1\n"), 2u);
    EXPECT_EQ(Cpus(mount, "0::/elsewhere\n"), 2u);
    EXPECT_EQ(Cpus(V2Mount, "0::/../../outside\n"), 2u);
    EXPECT_EQ(Cpus("", "0::/\n"), std::nullopt);
    EXPECT_EQ(Cpus("garbage\n - \n", "::\n0\n"), std::nullopt);
}

TEST(CpuCountTest, ThreadsSettingTakesOnlyAWholeNumberFromOne) {
    EXPECT_EQ(ThreadsSetting("3"), 3u);
    for (const char* refused : {"0", "-2", "", "two", "2.5"}) EXPECT_EQ(ThreadsSetting(refused), std::nullopt) << refused;
    EXPECT_EQ(ThreadsSetting(nullptr), std::nullopt);
}

}  // namespace
}  // namespace vantorel

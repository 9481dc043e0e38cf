// vantorel-run stopped from outside, as a batch system, parallel --timeout or Ctrl+C stop it: the
// runs end early, nothing new starts, the manifest and the study summary are complete, no
// temporary file stays, and the program ends as the signal ends it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "model/CsvFile.h"
#include "model/InputFile.h"
#include "tests/app/RunTool.h"
#include "tests/support/DataSets.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// vantorel-run as a process of its own; what it prints goes to PRINTED.out.txt and .err.txt.
class Runner {
public:
    Runner(std::vector<std::string> args, const std::string& printed) {
        args.insert(args.begin(), VANTOREL_RUN_BINARY);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (printed + ".out.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (printed + ".err.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        EXPECT_EQ(posix_spawn(&pid_, argv.front(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    // Sends the signal once the file has the lines; returns the status as a shell reports it.
    int StopAt(const std::string& file, size_t lines, int signal) const {
        const auto give_up = Clock::now() + std::chrono::seconds(120);
        while (Lines(file) < lines && Clock::now() < give_up) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return Stop(signal);
    }
    // Waits until the program catches the signal, as the kernel tells (SigCgt, a mask in hex).
    void WaitUntilCatching(int signal) const {
        const auto give_up = Clock::now() + std::chrono::seconds(30);
        for (;;) {
            std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
            std::string line;
            while (std::getline(status, line) && line.rfind("SigCgt:", 0) != 0) {}
            if (line.size() > 7 && (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0) return;
            if (Clock::now() > give_up) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    int Stop(int signal) const {
        ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    }

private:
    static size_t Lines(const std::string& file) {
        if (!fs::exists(file)) return 0;
        const std::string text = test::ReadFile(file);
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    pid_t pid_ = 0;
};

// Names in the folder that neither the runs nor the test made: a temporary file or a picture.
std::vector<std::string> StrayFiles(const fs::path& folder) {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".inp" && extension != ".out" && extension != ".csv" && extension != ".txt") {
            stray.push_back(entry.path().filename().string());
        }
    }
    return stray;
}

class StopSignalTest : public ::testing::Test {
protected:
    // 300 small fields and the outputs of a clean run of them; the outputs are then removed.
    void SetUp() override {
        InputData data = test::MakeDataSet({1, 12, 30, false, false, 7});
        data.FileName = dir_.File("field.inp");
        SaveInputFile(data);
        for (int i = 1000; i < 1300; ++i) {
            files_.push_back(dir_.File("f" + std::to_string(i) + ".inp"));
            fs::copy_file(data.FileName, files_.back());
        }
        fs::remove(data.FileName);
        std::vector<std::string> args = {"--jobs", "2"};
        args.insert(args.end(), files_.begin(), files_.end());
        ASSERT_EQ(test::RunTool(args).status, 0);
        for (const std::string& file : files_) {
            const std::string output = fs::path(file).replace_extension(".out").string();
            clean_[output] = test::ReadFile(output);
            fs::remove(output);
        }
    }
    // Stops the batch once the manifest has the rows; returns the exit status and the rows.
    std::pair<int, std::vector<CsvRecord>> StopBatch(size_t rows, int signal) {
        std::vector<std::string> args = {"--jobs", "2", "--manifest", dir_.File("manifest.csv")};
        args.insert(args.end(), files_.begin(), files_.end());
        const int status = Runner(args, dir_.File("batch")).StopAt(dir_.File("manifest.csv"), rows + 1, signal);
        std::vector<CsvRecord> records = ParseCsv(test::ReadFile(dir_.File("manifest.csv")), "manifest.csv");
        records.erase(records.begin());
        return {status, records};
    }
    // A finished file's output is that of the clean run, byte for byte.
    void ExpectCleanOutput(const std::vector<std::string>& row) {
        ASSERT_EQ(row.size(), 8u);
        ASSERT_EQ(row[2], "completed") << row[0];
        EXPECT_EQ(test::ReadFile(row[1]), clean_[row[1]]) << row[1];
    }

    test::TempDir dir_;
    std::vector<std::string> files_;
    std::map<std::string, std::string> clean_;
};

TEST_F(StopSignalTest, ABatchStoppedAThirdOfTheWayEndsInOrder) {
    test::WriteFile(dir_.File("manifest.csv"), "stale manifest of an earlier call\r\n");
    const auto [status, rows] = StopBatch(100, SIGTERM);
    EXPECT_EQ(status, 143);
    ASSERT_EQ(rows.size(), files_.size());
    size_t completed = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].fields[0], files_[i]);
        if (rows[i].fields[2] == "completed") {
            ++completed;
            ExpectCleanOutput(rows[i].fields);
        } else {
            EXPECT_EQ(rows[i].fields[2], "interrupted") << files_[i];
            EXPECT_EQ(rows[i].fields[1], "");
            EXPECT_FALSE(fs::exists(fs::path(files_[i]).replace_extension(".out"))) << files_[i];
        }
    }
    EXPECT_GE(completed, 100u);
    EXPECT_LT(completed, files_.size());
    EXPECT_EQ(StrayFiles(dir_.Path()), std::vector<std::string>{});
}

TEST_F(StopSignalTest, ABatchKilledOutrightLeavesAManifestOfTheFinishedFiles) {
    const auto [status, rows] = StopBatch(50, SIGKILL);
    EXPECT_EQ(status, 128 + SIGKILL);
    EXPECT_GE(rows.size(), 50u);
    for (const CsvRecord& row : rows) ExpectCleanOutput(row.fields);
}

TEST(StopSignalRunTest, ALongRunStopsWithinASecondOfCtrlC) {
    // A century of days, each of the drainage search's 10000 trials over all of them: half a
    // minute when it runs to its end.
    test::TempDir dir;
    InputData data = test::MakeDataSet({1, 36500, 1, true, false, 3});
    data.FileName = dir.File("century.inp");
    SaveInputFile(data);
    const Runner runner({"--yes", data.FileName}, dir.File("century"));
    runner.WaitUntilCatching(SIGINT);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto signalled = Clock::now();
    EXPECT_EQ(runner.Stop(SIGINT), 130);
    EXPECT_LT(Clock::now() - signalled, std::chrono::seconds(2));
    EXPECT_NE(test::ReadFile(dir.File("century.err.txt")).find("interrupted; no output file was written"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir.File("century.out")));
    EXPECT_EQ(StrayFiles(dir.Path()), std::vector<std::string>{});
}

TEST(StopSignalRunTest, AStudyStoppedListsTheScenariosNotRunAndDrawsNothing) {
    test::TempDir dir;
    std::string study = "name,Irrig\n";
    for (int i = 1; i <= 120; ++i) study += "s" + std::to_string(i) + ",*1." + std::to_string(i) + "\n";
    test::WriteFile(dir.File("study.csv"), study);
    const std::string folder = dir.File("study");
    const Runner runner({"--jobs", "2", "--scenarios", dir.File("study.csv"), "--study-dir", folder,
                         test::ExamplePath("monthly-drained-field.inp")},
                        dir.File("study"));
    EXPECT_EQ(runner.StopAt(folder + "/summary.csv", 21, SIGTERM), 143);

    const std::vector<CsvRecord> rows = ParseCsv(test::ReadFile(folder + "/summary.csv"), "summary.csv");
    ASSERT_EQ(rows.size(), 121u);
    size_t interrupted = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        const std::string& name = rows[r].fields[0];
        EXPECT_EQ(name, "s" + std::to_string(r));
        const bool completed = rows[r].fields[1] == "completed";
        EXPECT_TRUE(completed || rows[r].fields[1] == "interrupted") << name << ": " << rows[r].fields[1];
        interrupted += completed ? 0 : 1;
        EXPECT_EQ(fs::exists(folder + "/" + name + ".inp"), completed) << name;
        EXPECT_EQ(fs::exists(folder + "/" + name + ".out"), completed) << name;
    }
    EXPECT_GT(interrupted, 0u);
    EXPECT_EQ(StrayFiles(folder), std::vector<std::string>{});
}

}  // namespace
}  // namespace vantorel

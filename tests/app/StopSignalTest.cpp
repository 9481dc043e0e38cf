// vantorel-run stopped from outside, as a batch system, parallel --timeout or Ctrl+C stop it: the
// runs end early, nothing new starts, the manifest and the study summary are complete, no
// temporary file stays, and the program ends as the signal ends it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <filesystem>
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

// vantorel-run as a process of its own, its standard output and error into files.
class Runner {
public:
    Runner(const std::vector<std::string>& args, const std::string& printed) {
        std::vector<std::string> all = {VANTOREL_RUN_BINARY};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (printed + ".out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (printed + ".err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_EQ(posix_spawn(&pid_, argv.front(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    void Signal(int signal) const { ::kill(pid_, signal); }
    // The status as a shell reports it: 128 + the signal for a program a signal ended.
    int Wait() const {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    }

private:
    pid_t pid_ = 0;
};

// The number of complete lines of a file (CR LF ends), 0 while it does not exist.
size_t LineCount(const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error)) return 0;
    const std::string text = test::ReadFile(path);
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

void WaitForLines(const std::string& path, size_t lines) {
    const auto give_up = Clock::now() + std::chrono::seconds(120);
    while (LineCount(path) < lines && Clock::now() < give_up) std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

// The names in the folder, each sorted by its kind: any name but these is left behind.
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
    // 300 small fields and their outputs of a clean run; the outputs are then removed.
    void MakeBatch() {
        InputData data = test::MakeDataSet({1, 12, 30, false, false, 7});
        data.FileName = dir_.File("field.inp");
        SaveInputFile(data);
        for (int i = 1; i <= 300; ++i) {
            const std::string file = dir_.File("f" + std::to_string(1000 + i) + ".inp");
            fs::copy_file(data.FileName, file);
            files_.push_back(file);
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
    // The manifest's rows after its heading; each must be whole.
    std::vector<std::vector<std::string>> ManifestRows() {
        std::vector<CsvRecord> records = ParseCsv(test::ReadFile(Manifest()), "manifest.csv");
        EXPECT_FALSE(records.empty());
        std::vector<std::vector<std::string>> rows;
        for (size_t r = 1; r < records.size(); ++r) {
            EXPECT_EQ(records[r].fields.size(), 8u) << r;
            rows.push_back(records[r].fields);
        }
        return rows;
    }
    // A finished file's output is that of the clean run, byte for byte.
    void ExpectCleanOutput(const std::vector<std::string>& row) {
        ASSERT_EQ(row[2], "completed") << row[0];
        EXPECT_EQ(test::ReadFile(row[1]), clean_[row[1]]) << row[1];
    }
    std::vector<std::string> BatchArgs() {
        std::vector<std::string> args = {"--jobs", "2", "--manifest", Manifest()};
        args.insert(args.end(), files_.begin(), files_.end());
        return args;
    }
    std::string Manifest() const { return dir_.File("manifest.csv"); }

    test::TempDir dir_;
    std::vector<std::string> files_;
    std::map<std::string, std::string> clean_;
};

TEST_F(StopSignalTest, ABatchStoppedAThirdOfTheWayEndsInOrder) {
    MakeBatch();
    test::WriteFile(Manifest(), "stale manifest of an earlier call\r\n");
    const Runner runner(BatchArgs(), dir_.File("batch"));
    WaitForLines(Manifest(), 101);
    runner.Signal(SIGTERM);
    EXPECT_EQ(runner.Wait(), 143);

    const std::vector<std::vector<std::string>> rows = ManifestRows();
    ASSERT_EQ(rows.size(), files_.size());
    size_t completed = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], files_[i]);
        const std::string output = fs::path(files_[i]).replace_extension(".out").string();
        if (rows[i][2] == "completed") {
            ++completed;
            ExpectCleanOutput(rows[i]);
            continue;
        }
        EXPECT_EQ(rows[i][2], "interrupted") << rows[i][0];
        EXPECT_EQ(rows[i][1], "");
        EXPECT_FALSE(fs::exists(output)) << output;
    }
    EXPECT_GE(completed, 100u);
    EXPECT_LT(completed, files_.size());
    EXPECT_EQ(StrayFiles(dir_.Path()), std::vector<std::string>{});
    EXPECT_NE(test::ReadFile(dir_.File("batch.err.txt")).find("vantorel-run: interrupted: "), std::string::npos);
}

TEST_F(StopSignalTest, ABatchKilledOutrightLeavesAManifestOfTheFinishedFiles) {
    MakeBatch();
    const Runner runner(BatchArgs(), dir_.File("batch"));
    WaitForLines(Manifest(), 51);
    runner.Signal(SIGKILL);
    EXPECT_EQ(runner.Wait(), 128 + SIGKILL);
    const std::vector<std::vector<std::string>> rows = ManifestRows();
    EXPECT_GE(rows.size(), 50u);
    for (const std::vector<std::string>& row : rows) ExpectCleanOutput(row);
}

TEST_F(StopSignalTest, ALongRunStopsWithinASecondOfCtrlC) {
    // A century of days, each of the drainage search's 10000 trials over all of them: half a
    // minute when it runs to its end.
    InputData data = test::MakeDataSet({1, 36500, 1, true, false, 3});
    data.FileName = dir_.File("century.inp");
    SaveInputFile(data);
    const Runner runner({"--yes", data.FileName}, dir_.File("century"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto signalled = Clock::now();
    runner.Signal(SIGINT);
    EXPECT_EQ(runner.Wait(), 130);
    EXPECT_LT(Clock::now() - signalled, std::chrono::seconds(2));
    EXPECT_NE(test::ReadFile(dir_.File("century.err.txt")).find("interrupted; no output file was written"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir_.File("century.out")));
    EXPECT_EQ(StrayFiles(dir_.Path()), std::vector<std::string>{});
}

TEST_F(StopSignalTest, AStudyStoppedListsTheScenariosNotRun) {
    std::string study = "name,Irrig\n";
    for (int i = 1; i <= 120; ++i) study += "s" + std::to_string(i) + ",*1." + std::to_string(i) + "\n";
    test::WriteFile(dir_.File("study.csv"), study);
    const std::string folder = dir_.File("study");
    const std::string summary = folder + "/summary.csv";
    const Runner runner({"--jobs", "2", "--scenarios", dir_.File("study.csv"), "--study-dir", folder,
                         test::ExamplePath("monthly-drained-field.inp")},
                        dir_.File("study"));
    WaitForLines(summary, 21);
    runner.Signal(SIGTERM);
    EXPECT_EQ(runner.Wait(), 143);

    const std::vector<CsvRecord> rows = ParseCsv(test::ReadFile(summary), "summary.csv");
    ASSERT_EQ(rows.size(), 121u);
    size_t interrupted = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        const std::string& name = rows[r].fields[0];
        EXPECT_EQ(name, "s" + std::to_string(r));
        const bool completed = rows[r].fields[1] == "completed";
        if (!completed) {
            ++interrupted;
            EXPECT_EQ(rows[r].fields[1], "interrupted") << name;
        }
        EXPECT_EQ(fs::exists(folder + "/" + name + ".inp"), completed) << name;
        EXPECT_EQ(fs::exists(folder + "/" + name + ".out"), completed) << name;
    }
    EXPECT_GT(interrupted, 0u);
    // No overlay of a study cut short, and nothing temporary.
    EXPECT_EQ(StrayFiles(folder), std::vector<std::string>{});
}

}  // namespace
}  // namespace vantorel

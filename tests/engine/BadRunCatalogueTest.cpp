// A catalogue of bad input for the run: counts that no file can give, and output files that cannot
// be written. A run that cannot complete shows one message, writes no output file (the previous
// one stays whole) and gives the data set back as entered. Data that would divide by zero, a water
// table below the aquifer and invalid results are in CalculationTest.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/Engine.h"
#include "model/InputFile.h"
#include "tests/support/DataSetCompare.h"
#include "tests/support/DataSets.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace vantorel {
namespace {

size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

class BadRunCatalogueTest : public ::testing::Test {
protected:
    // Saves the data set as "Save all - Run" does and keeps a previous output file beside it.
    void Prepare(const InputData& data) {
        state_.Input = data;
        state_.Input.FileName = input_;
        SaveInputFile(state_.Input);
        test::WriteFile(output_, previous_output_);
        entered_ = state_.Input;
    }
    // Runs and expects the refusal: exactly the message, the previous output and the data set as
    // they were.
    void ExpectRefused(const std::string& message, const std::string& output_path) {
        dialogs_.messages.clear();
        Engine engine(state_, dialogs_);
        engine.SetOutputPath(output_path);
        engine.RunCalculation();
        EXPECT_TRUE(state_.Run.CalcStopped);
        EXPECT_EQ(dialogs_.messages, std::vector<std::string>{message});
        EXPECT_EQ(test::ReadFile(output_), previous_output_);
        EXPECT_EQ(FilesIn(dir_.Path()), files_);
        EXPECT_EQ(state_.Input.FileName, input_);
    }

    test::TempDir dir_;
    std::string input_ = dir_.File("field.inp");
    std::string output_ = dir_.File("field.out");
    std::string previous_output_ = "the output of an earlier run\r\n";
    size_t files_ = 2;
    ModelState state_;
    InputData entered_;
    test::ScriptedDialogs dialogs_;
};

TEST_F(BadRunCatalogueTest, CountsNoFileCanGiveAreRefusedBeforeAnythingIsAllocated) {
    struct Case {
        std::function<void(InputData&)> spoil;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](InputData& d) { d.NrTimeSteps = 2000000000; },
         "The data do not cover 2000000000 time steps. Please check and save the hydrological data."},
        {[](InputData& d) { d.NrTimeSteps = 0; },
         "The data do not cover 0 time steps. Please check and save the hydrological data."},
        {[](InputData& d) { d.Ts = 2000000000; },
         "The step length of 2000000000 days is not between 1 and 366. Please adjust data."},
        {[](InputData& d) { SetLayerCount(d, 7); },
         "The number of root zone layers must be 1, 2 or 3. Please adjust data."},
        {[](InputData& d) { d.NrLayers = 3; }, "The number of root zone layers must be 1, 2 or 3. Please adjust data."},
        {[](InputData& d) { d.S2meas.resize(3); },
         "The data do not cover 6 time steps. Please check and save the hydrological data."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Prepare(test::MakeDataSet({2, 6, 30, true, true, 80}));
        c.spoil(state_.Input);
        const InputData spoiled = state_.Input;
        ExpectRefused(c.message, output_);
        EXPECT_EQ(state_.Input.NrTimeSteps, spoiled.NrTimeSteps);
        EXPECT_EQ(state_.Input.Ts, spoiled.Ts);
        EXPECT_EQ(state_.Input.Rain, spoiled.Rain);
        EXPECT_TRUE(state_.Run.Dwt.empty());
    }
}

TEST_F(BadRunCatalogueTest, AnOutputFileOntoAFullDiskIsReportedAndThePreviousOneStays) {
    Prepare(test::MakeDataSet({3, 30, 7, true, true, 81}));
    {
        // The input file is there already; the output file needs more than this.
        const test::FileSizeLimit full_disk(2000);
        ExpectRefused("The file " + output_ + " could not be written: File too large.", output_);
    }
    test::ExpectSameFileContents(entered_, state_.Input);
    EXPECT_EQ(state_.Input.TP1, entered_.TP1);

    // With room again, the same state runs.
    dialogs_.messages.clear();
    Engine(state_, dialogs_).RunCalculation();
    EXPECT_FALSE(state_.Run.CalcStopped);
    EXPECT_NE(test::ReadFile(output_), previous_output_);
}

TEST_F(BadRunCatalogueTest, AnOutputPathThatIsAFolderIsReportedAndTheFolderStays) {
    Prepare(test::MakeDataSet({1, 5, 30, false, false, 82}));
    const std::string folder = dir_.File("results.out");
    std::filesystem::create_directory(folder);
    files_ = 3;
    ExpectRefused("The file " + folder + " could not be written: it is a folder.", folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(FilesIn(folder), 0u);
    test::ExpectSameFileContents(entered_, state_.Input);
}

}  // namespace
}  // namespace vantorel

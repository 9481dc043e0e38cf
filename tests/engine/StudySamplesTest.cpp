// Monte Carlo studies: sampled cells, the scenarios a sampled row becomes, where their values come
// from, and every refusal of a sampling that does not fit the study.

#include <gtest/gtest.h>

#include "engine/StudySamples.h"
#include "model/TextFile.h"
#include "tests/support/DataSets.h"

namespace vantorel {
namespace {

std::string Failure(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

Study Parse(const std::string& text) { return ParseStudy(text, "study.csv"); }

const InputData& Base() {
    static const InputData base = test::MakeDataSet({1, 12, 30, true, false, 3});
    return base;
}

// Per scenario its name and its cells' values.
std::vector<std::pair<std::string, std::vector<double>>> Drawn(const Study& study) {
    std::vector<std::pair<std::string, std::vector<double>>> drawn;
    for (const Scenario& scenario : study.scenarios) {
        std::vector<double> values;
        for (const CellChange& change : scenario.changes) values.push_back(change.value);
        drawn.emplace_back(scenario.name, values);
    }
    return drawn;
}

TEST(StudySamplesTest, SeriesNumbersAndDrainGeometryMaySampleFlagsAndRepeatMayNot) {
    const auto cell = [](const char* text, const char* field) { return ParseStudyCell(text, *FindStudyField(field)); };
    const auto set = cell("~normal(1,0.1)", "Si");
    ASSERT_TRUE(set && set->sampling);
    EXPECT_EQ(set->kind, CellChange::Kind::Set);
    EXPECT_FALSE(set->drawn);
    EXPECT_EQ(cell("*~uniform(0.9,1.1)", "Irrig")->kind, CellChange::Kind::Multiply);
    EXPECT_EQ(cell("+~triangular(-5,0,5)", "Rain")->kind, CellChange::Kind::Add);
    EXPECT_TRUE(cell("~lognormal(-0.2,0.4)", "DrainKa")->sampling);
    EXPECT_FALSE(cell("*~lognormal(-0.2,0.4)", "DrainKa"));
    EXPECT_FALSE(cell("~uniform(0,1)", "DrainPresent"));
    EXPECT_FALSE(cell("~uniform(1,3)", "Repeat"));

    const auto error = [](const std::string& header, const std::string& cell_text) {
        return Failure([&] { Parse("name," + header + "\nx," + cell_text + "\n"); });
    };
    EXPECT_EQ(error("Repeat", "\"~uniform(1,3)\""),
              "The file study.csv could not be read, line 2: column 'Repeat', scenario x: the cell '~uniform(1,3)' is not "
              "understood: Repeat cannot be sampled.");
    EXPECT_NE(error("RicePresent", "~uniform").find(": a flag cannot be sampled."), std::string::npos);
    EXPECT_NE(error("Si", "\"~normal(2,0)\"").find("the cell '~normal(2,0)' is not understood: the standard deviation"),
              std::string::npos);
    EXPECT_NE(error("Si", "~normal(2)").find("~normal takes 2 numbers (m,s), not 1."), std::string::npos);
    // A control character of a part quoted in the message is escaped.
    EXPECT_NE(error("Si", "\"~normal(\x1b,1)\"").find("'\\x1B' is not a number"), std::string::npos);
    // Unquoted, the commas of a sampled cell part the row.
    EXPECT_EQ(error("Si,IrrEff", "~normal(2,0.5),70"),
              "The file study.csv could not be read, line 2: the row has 4 cells, the header 3 (a sampled cell holds "
              "commas: quote it, \"~normal(1,0.1)\").");
}

TEST(StudySamplesTest, ASampledRowBecomesNumberedScenariosInItsPlace) {
    const Study study = Parse("name,Si,IrrEff\nbase,,\nmc,\"~uniform(1,3)\",\"~normal(70,5)\"\nlast,2,\n");
    EXPECT_EQ(SampledFields(study), (std::vector<std::string>{"Si", "IrrEff"}));
    const Study expanded = ExpandSamples(study, 3, 1, "study.csv");
    std::vector<std::string> names;
    for (const Scenario& scenario : expanded.scenarios) names.push_back(scenario.name);
    EXPECT_EQ(names, (std::vector<std::string>{"base", "mc-0001", "mc-0002", "mc-0003", "last"}));
    const Scenario& sample = expanded.scenarios[2];
    EXPECT_EQ(sample.sampled_row, "mc");
    EXPECT_EQ(sample.line, 3u);
    EXPECT_TRUE(sample.changes[0].drawn && sample.changes[1].drawn);
    EXPECT_GT(sample.changes[0].value, 1);
    EXPECT_LT(sample.changes[0].value, 3);
    EXPECT_EQ(expanded.scenarios[4].sampled_row, "");
    EXPECT_EQ(ExpandSamples(study, 12345, 1, "study.csv").scenarios[12345].name, "mc-12345");
    EXPECT_EQ(ExpandSamples(study, 12345, 1, "study.csv").scenarios[1].name, "mc-00001");

    // The draws of a cell depend on the seed, its row's name and its field alone: not on other
    // rows or columns, their order, or how many samples are drawn.
    const Study other = ExpandSamples(Parse("name,IrrEff,Si,Dc\nnew,\"~normal(1,2)\",,\nmc,\"~normal(70,5)\","
                                            "\"~uniform(1,3)\",\"~uniform(1,2)\"\n"),
                                      5, 1, "study.csv");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(other.scenarios[5 + k].changes[1].value, expanded.scenarios[1 + k].changes[0].value) << k;
        EXPECT_EQ(other.scenarios[5 + k].changes[0].value, expanded.scenarios[1 + k].changes[1].value) << k;
    }
    EXPECT_EQ(Drawn(ExpandSamples(study, 3, 1, "study.csv")), Drawn(expanded));
    EXPECT_NE(Drawn(ExpandSamples(study, 3, 2, "study.csv")), Drawn(expanded));
}

TEST(StudySamplesTest, ASampleMayNotTakeTheNameOfAnotherScenario) {
    const Study study = Parse("name,Si\nmc,\"~uniform(1,3)\"\nmc-0002,2\n");
    EXPECT_EQ(Failure([&] { ExpandSamples(study, 5, 1, "study.csv"); }),
              "The file study.csv could not be read, line 3: the scenario name 'mc-0002' is given twice: the row 'mc' "
              "on line 2 is sampled into mc-0001 .. mc-0005.");
    EXPECT_EQ(Failure([&] { ExpandSamples(study, 1, 1, "study.csv"); }), "");
    EXPECT_NE(Failure([&] { ExpandSamples(Parse("name,Si\nmc-0002,2\nmc,\"~uniform(1,3)\"\n"), 2, 1, "study.csv"); })
                  .find("line 3: the scenario name 'mc-0002' is given twice"),
              std::string::npos);
}

TEST(StudySamplesTest, SamplesAreGivenExactlyForAStudyThatSamplesAndFitInMemory) {
    const Study plain = Parse("name,Si\nbase,\nwet,2\n");
    const Study sampled = Parse("name,Si\nbase,\nwet,\"~uniform(1,3)\"\n");
    const auto refusal = [](const Study& study, std::optional<int32_t> samples) {
        return Failure([&] { SampleStudy(study, {samples, 1}, Base(), "study.csv"); });
    };
    EXPECT_EQ(refusal(plain, std::nullopt), "");
    EXPECT_EQ(SampleStudy(plain, {}, Base(), "study.csv").scenarios.size(), 2u);
    EXPECT_EQ(refusal(plain, 10),
              "The study study.csv samples no cell (~uniform(a,b), ~normal(m,s), ~lognormal(m,s) or ~triangular(a,c,b)), "
              "but a number of samples is given.");
    EXPECT_EQ(refusal(sampled, std::nullopt),
              "The study study.csv, line 3, column 'Si', scenario wet: a sampled cell needs a number of samples.");
    for (const int32_t samples : {0, -1, MostSamples + 1}) {
        EXPECT_NE(refusal(sampled, samples).find("The number of samples must be a whole number from 1 to 100000"),
                  std::string::npos);
    }
    EXPECT_EQ(SampleStudy(sampled, {MostSamples, 1}, Base(), "study.csv").scenarios.size(), MostSamples + 1u);
    // 12 steps repeated 80000 times, five series, 1000 samples: far beyond what memory should hold.
    EXPECT_EQ(refusal(Parse("name,Si,Repeat\nlong,\"~uniform(1,3)\",80000\n"), 1000),
              "The study study.csv: the samples would keep 4800000000 values of their results in memory for their "
              "bands, more than 134217728: take at most 27 samples.");
    // Beyond the most steps a sample is refused and keeps nothing.
    EXPECT_EQ(refusal(Parse("name,Si,Repeat\nlong,\"~uniform(1,3)\",100000\n"), 1000), "");
}

TEST(StudySamplesTest, AScenarioWhoseValuesWereNeverDrawnIsRefused) {
    const Study study = Parse("name,Si\nwet,\"~uniform(1,3)\"\n");
    InputData data = Base();
    EXPECT_EQ(ApplyScenario(study, study.scenarios.front(), data),
              "Scenario wet: Si is sampled, and no samples were drawn");
    const Study expanded = ExpandSamples(study, 1, 1, "study.csv");
    EXPECT_EQ(ApplyScenario(expanded, expanded.scenarios.front(), data), std::nullopt);
    EXPECT_EQ(data.Si, expanded.scenarios.front().changes.front().value);
}

}  // namespace
}  // namespace vantorel

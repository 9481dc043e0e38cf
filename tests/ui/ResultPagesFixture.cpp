#include "tests/ui/ResultPagesFixture.h"

#include "engine/Engine.h"
#include "model/FileNames.h"
#include "model/InputFile.h"
#include "model/OutputFileReader.h"

namespace vantorel::test {

std::string ResultPagesFixture::WriteRun(const DataSetShape& shape, const std::string& name,
                                         const std::function<void(InputData&)>& shaping) {
    ModelState run;
    run.Input = MakeDataSet(shape);
    if (shaping) shaping(run.Input);
    run.Input.FileName = temp_.File(name + ".inp");
    SaveInputFile(run.Input);
    ScriptedDialogs quiet;
    Engine(run, quiet).RunCalculation();
    EXPECT_FALSE(run.Run.CalcStopped);
    return temp_.File(name + ".out");
}

void ResultPagesFixture::OpenOutput(const std::string& path) {
    scripted_.files.answers.push_back(path);
    ShowPage("OutTab");
    Click("OpenOutputButton");
}

ModelState ResultPagesFixture::ReadBack(const std::string& output_path, bool input_first) {
    ModelState state;
    ScriptedDialogs quiet;
    state.Input.FileName = output_path;
    if (input_first) LoadInputFile(state.Input, quiet);
    LoadOutputFile(state, quiet);
    if (!input_first) LoadInputFile(state.Input, quiet);
    return state;
}

}  // namespace vantorel::test

// The Output page's tables: cell texts, geometry and headings memo per layer count and layout,
// series shorter than the table shown as empty cells, and the clipboard text.

#include <gtest/gtest.h>

#include "model/ResultTables.h"

namespace vantorel {
namespace {

// Three time steps, but every series covers only the first two.
ModelState ShortState(int32_t layers) {
    ModelState s;
    s.Input.NrTimeSteps = 3;
    SetLayerCount(s.Input, layers);
    s.Run.S1 = s.Run.S2 = s.Run.S3 = {0, 4.567, 12.3};
    s.Run.STr = s.Run.SAq = s.Input.Stor = {0, 3.2, -0.05};
    s.Input.S1meas = s.Input.S2meas = s.Input.S3meas = {0, -1, 0};
    s.Input.STmeas = s.Input.SAmeas = {0, 6.126, -1};
    s.Input.Rain = s.Input.Irrig = s.Input.SdrGiven = {0, 12.5, 33.333333};
    s.Input.ETp = {0, 3.1, 120.456};
    s.Run.Perc = s.Run.Cap = s.Run.EvapT = s.Run.Drain = s.Run.Dwt = s.Input.Sdr = s.Input.Pond = {0, 0.25, 200};
    return s;
}

// The cells of rows 0 to 2 joined by "|", rows by "/"; checks the kind and the empty row 3.
std::string Cells(const ResultTable& t, ResultTableKind kind) {
    EXPECT_TRUE(t.RowCount() == 4 && t.Kind == kind && static_cast<int>(t.ColumnTitles.size()) == t.ColCount());
    std::string text = ClipboardText(t);
    EXPECT_EQ(text.substr(text.rfind('\r') + 1), "3" + std::string(static_cast<size_t>(t.ColCount() - 1), '\t'));
    text.erase(text.rfind('\r'));
    for (char& c : text) c = c == '\t' ? '|' : c == '\r' ? '/' : c;
    return text;
}

TEST(ResultTablesTest, SalinityTablePerLayerCount) {
    EXPECT_EQ(Cells(BuildSalinityTable(ShortState(1)), ResultTableKind::Salinity1Layer),
              "Time step|dS/m|dS/m|dS/m|dS/m|dS/m|dS/m/"
              "1|         4.57|            -|     3.20|     6.13|     3.20|     6.13/"
              "2|        12.30|         0.00|    -0.05|            -|    -0.05|            -");
    EXPECT_EQ(Cells(BuildSalinityTable(ShortState(3)), ResultTableKind::Salinity3Layers),
              "Time step|dS/m|dS/m|dS/m|dS/m|dS/m|dS/m|dS/m|dS/m|dS/m|dS/m/"
              "1|         4.57|            -|         4.57|            -|         4.57|            -|     3.20|     6.13|"
              "     3.20|     6.13/"
              "2|        12.30|         0.00|        12.30|       0.00|        12.30|     0.00|    -0.05|            -|"
              "    -0.05|            -");
}

TEST(ResultTablesTest, HydrologyAndSurfaceTables) {
    ModelState state = ShortState(2);
    const ResultTable plain = BuildHydrologyTable(state);
    EXPECT_EQ(Cells(plain, ResultTableKind::Hydrology),
              "Time step|mm|mm|mm|mm|mm|mm|mm| m/1|12.5|12.5| 3.10|0.25|0.25|0.25|0.25|0.25/"
              "2|33.333333|33.333333|120.46|200|200|200|200|200");
    state.Output.StorageColumn = true;
    const ResultTable stored = BuildHydrologyTable(state);
    EXPECT_EQ(Cells(stored, ResultTableKind::HydrologyWithStorage),
              "Time step|mm|mm|mm|mm|mm|mm|mm| m| mmm/1|12.5|12.5| 3.10|0.25|0.25|0.25|0.25|0.25|3.2/"
              "2|33.333333|33.333333|120.46|200|200|200|200|200|-0.05");

    const ResultTable surface = BuildSurfaceTable(state);
    EXPECT_EQ(Cells(surface, ResultTableKind::Surface),
              "Time step|mm|mm|mm/1|12.5|0.25|0.25/2|33.333333|200|200");
}

}  // namespace
}  // namespace vantorel

// The drain-design commands of the batch runner, as functions.

#include <pybind11/stl.h>

#include <optional>

#include "engine/DrainDesign.h"
#include "python/Bindings.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

DrainGeometry CheckedGeometry(double ka, double kb, double depth_below, double perimeter) {
    CheckDesignValue(CalculatorField::Ka, ka);
    CheckDesignValue(CalculatorField::Kb, kb);
    CheckDesignValue(CalculatorField::D, depth_below);
    CheckDesignValue(CalculatorField::U, perimeter);
    return {ka, kb, depth_below, perimeter, 0, 0};
}

py::dict FactorsOf(const DrainGeometry& geometry) {
    const DrainageFactors factors = DesignFactors(geometry);
    py::dict row;
    row["spacing"] = geometry.L;
    row["equivalent_depth"] = factors.EquivalentDepth;
    row["qh1"] = factors.QH1;
    row["qh2"] = factors.QH2;
    return row;
}

py::object DrainFactors(double ka, double kb, double depth_below, double perimeter, double porosity,
                        const py::object& spacing) {
    DrainGeometry geometry = CheckedGeometry(ka, kb, depth_below, perimeter);
    geometry.P = porosity;
    CheckDesignPorosity(porosity);
    if (!py::isinstance<py::iterable>(spacing)) {
        geometry.L = spacing.cast<double>();
        return FactorsOf(geometry);
    }
    py::list rows;
    for (const py::handle value : spacing) {
        geometry.L = value.cast<double>();
        rows.append(FactorsOf(geometry));
    }
    return py::module_::import("pandas").attr("DataFrame")(rows).attr("set_index")("spacing");
}

py::dict DrainSpacing(double ka, double kb, double depth_below, double perimeter, double discharge, double head,
                      std::optional<double> porosity) {
    const DrainGeometry soil = CheckedGeometry(ka, kb, depth_below, perimeter);
    CheckDesignDischarge(discharge);
    CheckDesignHead(head);
    if (porosity) CheckDesignPorosity(*porosity);
    const SpacingSolution solution = FindDrainSpacing({soil.Ka, soil.Kb, soil.D, soil.U, discharge, head});
    if (!solution.Found) throw py::value_error(solution.Problem);
    py::dict result;
    result["spacing"] = solution.L;
    result["equivalent_depth"] = solution.d;
    result["discharge"] = solution.Discharge;
    if (porosity) {
        const DrainageFactors factors = ComputeDrainageFactors({ka, kb, depth_below, perimeter, *porosity, solution.L});
        result["qh1"] = factors.QH1;
        result["qh2"] = factors.QH2;
    }
    return result;
}

}  // namespace

void BindDrainDesign(py::module_& m) {
    m.def("drain_factors", &DrainFactors, py::arg("ka"), py::arg("kb"), py::arg("depth_below"), py::arg("perimeter"),
          py::arg("porosity"), py::arg("spacing"),
          R"(The drainage factors of drains at a spacing, by Hooghoudt's equation (vantorel-run --drain-factors).

ka, kb: hydraulic conductivity above and below drain level (m/day); depth_below: depth of the
soil layer below drain level (m); perimeter: wet perimeter of the drain or ditch (m); porosity:
drainable porosity of the top soil (per cent, greater than 1 and less than 30); spacing: the
drain spacing (m), or a sequence of spacings.

For one spacing returns a dict with spacing, equivalent_depth (m), qh1 (m/day/m) and qh2
(m/day/m^2), the factors divided by the drainable porosity as the input data take them; for a
sequence a pandas DataFrame of those, indexed by spacing. A value the calculator refuses raises
ValueError with its message.)");
    m.def("drain_spacing", &DrainSpacing, py::arg("ka"), py::arg("kb"), py::arg("depth_below"), py::arg("perimeter"),
          py::arg("discharge"), py::arg("head"), py::arg("porosity") = py::none(),
          R"(The drain spacing that carries a design discharge (vantorel-run --drain-spacing).

ka, kb, depth_below, perimeter as for drain_factors; discharge: the design discharge (mm/day);
head: the head allowed midway between the drains (m); porosity (optional, per cent): adds the
factors qh1 and qh2 of the spacing found.

Returns a dict with spacing (the largest spacing in whole centimetres that carries the
discharge, m), equivalent_depth (m), discharge (what it carries, mm/day) and, with porosity,
qh1 and qh2. A refused value, or a design no spacing meets, raises ValueError with the message.)");
}

}  // namespace vantorel::python

// Pickling for process pools and clusters: a data set member by member to the last bit (the input
// file's fixed decimals would round), and the module's functions by name.

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <type_traits>

#include "model/CalendarDate.h"
#include "model/DataChecks.h"
#include "model/InputFields.h"
#include "python/Bindings.h"
#include "python/DataSet.h"

namespace py = pybind11;

namespace vantorel::python {

namespace {

template <typename T>
struct Member {
    const char* name;
    T InputData::*member;
};

// Every member of InputData but the start date (below) and the numbers, which are the model's fields
// (NumberFields): one forgotten here would come back from a pickle with its default.
constexpr Member<std::string> TextMembers[] = {
    {"FileName", &InputData::FileName}, {"Title1", &InputData::Title1}, {"Title2", &InputData::Title2}};
constexpr Member<int32_t> CountMembers[] = {
    {"NrTimeSteps", &InputData::NrTimeSteps}, {"Ts", &InputData::Ts}, {"NrLayers", &InputData::NrLayers},
    {"LayerIndex", &InputData::LayerIndex},   {"NrTimeStepsSaved", &InputData::NrTimeStepsSaved},
    {"NrMeasDwt", &InputData::NrMeasDwt},     {"NrMeasDrain", &InputData::NrMeasDrain},
    {"NrSalt1", &InputData::NrSalt1},         {"NrSalt2", &InputData::NrSalt2},
    {"NrSalt3", &InputData::NrSalt3},         {"NrSaltT", &InputData::NrSaltT},
    {"NrSaltA", &InputData::NrSaltA}};
constexpr Member<bool> FlagMembers[] = {
    {"Is1Layer", &InputData::Is1Layer},         {"Is2Layer", &InputData::Is2Layer},
    {"Is3Layer", &InputData::Is3Layer},         {"DrainPresent", &InputData::DrainPresent},
    {"RicePresent", &InputData::RicePresent},   {"OlderFile", &InputData::OlderFile}};
constexpr Member<StepSeries> SeriesMembers[] = {
    {"Rain", &InputData::Rain},           {"Irrig", &InputData::Irrig},     {"ETp", &InputData::ETp},
    {"Sdr", &InputData::Sdr},             {"SdrGiven", &InputData::SdrGiven}, {"DwtMeas", &InputData::DwtMeas},
    {"DrainMeas", &InputData::DrainMeas}, {"S1meas", &InputData::S1meas},   {"S2meas", &InputData::S2meas},
    {"S3meas", &InputData::S3meas},       {"STmeas", &InputData::STmeas},   {"SAmeas", &InputData::SAmeas},
    {"IrrSpread", &InputData::IrrSpread}, {"IrrIntervals", &InputData::IrrIntervals},
    {"InfExcess", &InputData::InfExcess}, {"Stor", &InputData::Stor},       {"MrT", &InputData::MrT},
    {"Pond", &InputData::Pond}};
constexpr Member<std::vector<int32_t>> StepListMembers[] = {{"IrrSteps", &InputData::IrrSteps}};

template <typename Members, typename Convert>
void Put(py::dict& state, const InputData& data, const Members& members, Convert convert) {
    for (const auto& m : members) state[m.name] = convert(data.*m.member);
}

template <typename T>
T FromState(const py::handle value) {
    return value.cast<T>();
}

template <>
StepSeries FromState<StepSeries>(const py::handle value) {
    const auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
    if (!array || array.ndim() != 1) throw py::value_error("not a pickled vantorel.DataSet: a series is no list of numbers");
    return StepSeries(array.data(), array.data() + array.shape(0));
}

// A member the state lacks (a pickle of an older version) keeps its default.
template <typename Members>
void Take(InputData& data, const py::dict& state, const Members& members) {
    for (const auto& m : members) {
        using T = std::remove_reference_t<decltype(data.*m.member)>;
        if (state.contains(m.name)) data.*m.member = FromState<T>(state[m.name]);
    }
}

py::dict DataSetState(const DataSet& set) {
    const InputData& data = set.Data();
    py::dict state;
    const auto same = [](const auto& value) { return value; };
    Put(state, data, TextMembers, [](const std::string& text) { return py::bytes(text); });
    Put(state, data, CountMembers, same);
    Put(state, data, FlagMembers, same);
    Put(state, data, NumberFields(), same);
    Put(state, data, SeriesMembers, [](const StepSeries& series) { return py::array_t<double>(series.size(), series.data()); });
    Put(state, data, StepListMembers, same);
    state["StartDate"] = data.StartDate ? py::object(py::str(IsoDateText(*data.StartDate))) : py::none();
    return state;
}

// A state that would give a data set the program cannot hold is refused, as a file would be.
DataSet DataSetFromState(const py::dict& state) {
    InputData data;
    Take(data, state, TextMembers);
    Take(data, state, CountMembers);
    Take(data, state, FlagMembers);
    Take(data, state, NumberFields());
    Take(data, state, SeriesMembers);
    Take(data, state, StepListMembers);
    if (state.contains("StartDate") && !state["StartDate"].is_none()) {
        data.StartDate = ParseIsoDate(state["StartDate"].cast<std::string>());
        if (!data.StartDate) throw py::value_error("not a pickled vantorel.DataSet: the start date is no date");
    }
    for (const auto& refusal : {TimeStepCountRefusal(data.NrTimeSteps), StepLengthRefusal(data.Ts),
                                LayerCountRefusal(data.NrLayers)}) {
        if (refusal) throw py::value_error("not a pickled vantorel.DataSet: " + *refusal);
    }
    const size_t size = static_cast<size_t>(data.NrTimeSteps) + 1;
    for (const Member<StepSeries>& m : SeriesMembers) {
        if (m.member != &InputData::IrrIntervals && (data.*m.member).size() != size) {
            throw py::value_error(std::string("not a pickled vantorel.DataSet: ") + m.name + " has " +
                                  std::to_string((data.*m.member).size()) + " values, not NrTimeSteps + 1");
        }
    }
    SetLayerCount(data, data.NrLayers);
    return DataSet(std::move(data));
}

}  // namespace

void BindPickling(py::module_& m) {
    auto data_set = py::reinterpret_borrow<py::class_<DataSet>>(m.attr("DataSet"));
    data_set.def(py::pickle(&DataSetState, &DataSetFromState));

    // A function of the module pickles as (getattr, (its record, name)); its record is a capsule,
    // which nothing else can pickle. The module's own records unpickle as the module, so the
    // function is found by name where it is unpickled.
    py::set records;
    py::object capsule_type;
    for (const auto item : py::reinterpret_borrow<py::dict>(m.attr("__dict__"))) {
        PyObject* function = item.second.ptr();
        if (!PyCFunction_Check(function)) continue;
        PyObject* record = PyCFunction_GET_SELF(function);
        if (!record || !PyCapsule_CheckExact(record)) continue;
        records.add(py::handle(record));
        capsule_type = py::reinterpret_borrow<py::object>(reinterpret_cast<PyObject*>(Py_TYPE(record)));
    }
    if (!capsule_type) return;
    py::module_ copyreg = py::module_::import("copyreg");
    const py::object before = copyreg.attr("dispatch_table").attr("get")(capsule_type);
    const py::object name = m.attr("__name__");
    copyreg.attr("pickle")(capsule_type, py::cpp_function([records, before, name](const py::object& capsule) -> py::object {
        if (records.contains(capsule)) {
            return py::make_tuple(py::module_::import("importlib").attr("import_module"), py::make_tuple(name));
        }
        if (!before.is_none()) return before(capsule);
        throw py::type_error("cannot pickle 'PyCapsule' object");
    }));
}

}  // namespace vantorel::python

#include "python/DataSet.h"

#include <pybind11/numpy.h>

#include "model/DataChecks.h"
#include "model/EditorRules.h"
#include "model/InputFile.h"
#include "model/SilentDialogs.h"
#include "python/Bindings.h"

namespace py = pybind11;

namespace vantorel::python {

void DataSet::Resize(int32_t steps) {
    auto resized = std::make_shared<InputData>(*data_);
    resized->NrTimeSteps = steps;
    resized->NrTimeStepsSaved = steps;
    // New steps are not measured; everything else starts at 0, as an empty editor cell does.
    const size_t size = static_cast<size_t>(steps) + 1;
    for (StepSeries* series : {&resized->DwtMeas, &resized->DrainMeas}) series->resize(size, MissingDepthOrDischarge);
    for (StepSeries* series : {&resized->S1meas, &resized->S2meas, &resized->S3meas, &resized->STmeas,
                               &resized->SAmeas}) {
        series->resize(size, MissingSalinity);
    }
    ResizeLoadedSeries(*resized);
    data_ = std::move(resized);
}

namespace {

constexpr const char* SeriesNote =
    " A numpy array of the steps 1..NrTimeSteps (index 0 is step 1) that writes through; see DataSet.";

py::array_t<double> SeriesArray(const DataSet& set, StepSeries InputData::*member) {
    const std::shared_ptr<InputData> data = set.Shared();
    const size_t steps = static_cast<size_t>(data->NrTimeSteps);
    StepSeries& series = (*data).*member;
    py::capsule keeper(new std::shared_ptr<InputData>(data),
                       [](void* kept) { delete static_cast<std::shared_ptr<InputData>*>(kept); });
    return py::array_t<double>({steps}, {sizeof(double)}, series.data() + 1, keeper);
}

// The refusal becomes the ValueError; nothing changes then.
void Refuse(const std::optional<std::string>& refusal) {
    if (refusal) throw py::value_error(*refusal);
}

void Refuse(const std::optional<ValueBreach>& breach) {
    if (breach) throw py::value_error(BreachText(*breach));
}

void AssignSeries(DataSet& set, StepSeries InputData::*member, const char* name,
                  const py::array_t<double, py::array::c_style | py::array::forcecast>& values) {
    InputData& data = set.Data();
    if (values.ndim() != 1 || values.shape(0) != data.NrTimeSteps) {
        throw py::value_error(std::string(name) + " takes NrTimeSteps = " + std::to_string(data.NrTimeSteps) +
                              " values, one per step");
    }
    for (int32_t i = 0; i < data.NrTimeSteps; ++i) Refuse(NonFiniteBreach(name, values.data()[i], i + 1));
    std::copy(values.data(), values.data() + data.NrTimeSteps, ((data).*member).begin() + 1);
}

void AssignNumber(DataSet& set, double InputData::*member, const char* name, double value) {
    Refuse(NonFiniteBreach(name, value));
    if (member == &InputData::IrrEff) Refuse(IrrigationEfficiencyBreach(value));
    set.Data().*member = value;
}

// Titles are one line of single-byte text in the files.
std::string TitleText(const py::str& title) {
    const std::string text = py::bytes(title.attr("encode")("latin-1"));
    if (text.find_first_of("\r\n") != std::string::npos) throw py::value_error("a title is one line of text");
    return text;
}

py::str TitleString(const std::string& title) {
    return py::reinterpret_steal<py::str>(PyUnicode_DecodeLatin1(title.data(), static_cast<Py_ssize_t>(title.size()), nullptr));
}

}  // namespace

void RefuseUnsavable(const InputData& data) {
    Refuse(NonFiniteValue(data));
    const std::vector<ValueBreach> breaches = EditorRuleBreaches(data);
    if (!breaches.empty()) Refuse(breaches.front());
    Refuse(UnwritableInputValue(data));
}

DataSet LoadDataSet(const py::object& path) {
    InputData data;
    data.FileName = PathText(path);
    SilentDialogs dialogs;
    LoadInputFile(data, dialogs);
    if (!dialogs.last_message.empty()) WarnUser(dialogs.last_message);
    for (const ValueBreach& breach : EditorRuleBreaches(data)) WarnUser(data.FileName + ": " + BreachText(breach));
    return DataSet(std::move(data));
}

void BindDataSet(py::module_& m) {
    py::class_<DataSet> cls(m, "DataSet", R"(The data set of one input file, under the model's field names.

Obtained by load_input(path), or DataSet() for the program's defaults (NrTimeSteps = 11,
Ts = 30, one layer, every series 0 and every measurement missing). Units are those of the
input file: flows in mm per time step, porosities and efficiencies in per cent.

Scalar fields (D1, TP1, EffPor1, LE1, ..., Dd, QH1, QH2, Si, S1init, ..., IrrEff, Inf, Out,
InfCap, RiceTransp), the counts NrTimeSteps, Ts and NrLayers, the flags DrainPresent and
RicePresent and the titles are read and assigned as attributes. A count the program refuses
raises ValueError with the program's message. The series (Rain, Irrig, ETp, Sdr, DwtMeas,
DrainMeas, S1meas .. SAmeas) are numpy arrays of the steps 1..NrTimeSteps that write through
to the data set; assigning a sequence of NrTimeSteps numbers replaces a series' values.
Changing NrTimeSteps resizes every series: an array taken before then no longer writes
through and must be taken again.
Fields of layers the root zone does not have, and drainage or rice fields when there is no
drainage system or rice, are kept but not used.

The data set takes only what the program's input editors keep. Assigning NaN or an infinity,
or an IrrEff outside 30 to 100, raises ValueError naming the field. save() and run() raise
ValueError, naming the field, the step and the value, for a series value that is not a finite
number, for what the editors refuse together (with drains: Dd at least the root zone's
thickness and at most that plus Dt, QH1 and QH2 not both 0, measured discharges of 0 or more
or -1000; with three layers: no thickness or porosity of -1), and for a value the input file
cannot hold. load_input reads a file whatever its values, as the batch runner does, with a
UserWarning for each such value.)");
    cls.def(py::init([] {
            DataSet set;
            set.Resize(set.Data().NrTimeSteps);
            return set;
        }),
        "A data set with the program's defaults.");

    for (const NumberField& field : NumberFields()) {
        const auto member = field.member;
        const char* name = field.name;
        cls.def_property(
            field.name, [member](const DataSet& set) { return set.Data().*member; },
            [member, name](DataSet& set, double value) { AssignNumber(set, member, name, value); }, field.doc);
    }
    for (const SeriesField& field : SeriesFields()) {
        const auto member = field.member;
        const char* name = field.name;
        cls.def_property(
            field.name, [member](const DataSet& set) { return SeriesArray(set, member); },
            [member, name](DataSet& set, const py::array_t<double, py::array::c_style | py::array::forcecast>& values) {
                AssignSeries(set, member, name, values);
            },
            (std::string(field.doc) + SeriesNote).c_str());
    }

    cls.def_property(
        "NrTimeSteps", [](const DataSet& set) { return set.Data().NrTimeSteps; },
        [](DataSet& set, int64_t steps) {
            Refuse(TimeStepCountRefusal(steps));
            if (steps != set.Data().NrTimeSteps) set.Resize(static_cast<int32_t>(steps));
        },
        "Number of time steps, 1 to 1000000. Assigning resizes every series, keeping the values of the\n"
        "steps that remain; new steps are 0 and not measured. Arrays taken before no longer write through.");
    cls.def_property(
        "Ts", [](const DataSet& set) { return set.Data().Ts; },
        [](DataSet& set, int64_t days) {
            Refuse(StepLengthRefusal(days));
            set.Data().Ts = static_cast<int32_t>(days);
        },
        "Length of a time step in days: 360 (year), 30 (month), 7 (week) or 1 (day); like the input\n"
        "file and the run, the data set takes any length from 1 to 366 days.");
    cls.def_property(
        "NrLayers", [](const DataSet& set) { return set.Data().NrLayers; },
        [](DataSet& set, int64_t layers) {
            Refuse(LayerCountRefusal(layers));
            SetLayerCount(set.Data(), static_cast<int32_t>(layers));
            set.Data().LayerIndex = static_cast<int32_t>(layers) - 1;
        },
        "Number of root-zone layers, 1 to 3.");
    cls.def_property(
        "DrainPresent", [](const DataSet& set) { return set.Data().DrainPresent; },
        [](DataSet& set, bool present) { set.Data().DrainPresent = present; },
        "Whether a subsurface drainage system is present (Dd, QH1 and QH2 are used only then).");
    cls.def_property(
        "RicePresent", [](const DataSet& set) { return set.Data().RicePresent; },
        [](DataSet& set, bool present) { set.Data().RicePresent = present; },
        "Whether rice is grown under standing water (InfCap and RiceTransp are used only then).");
    cls.def_property(
        "Title1", [](const DataSet& set) { return TitleString(set.Data().Title1); },
        [](DataSet& set, const py::str& title) { set.Data().Title1 = TitleText(title); },
        "First title: one line of Latin-1 text.");
    cls.def_property(
        "Title2", [](const DataSet& set) { return TitleString(set.Data().Title2); },
        [](DataSet& set, const py::str& title) { set.Data().Title2 = TitleText(title); },
        "Second title: one line of Latin-1 text.");
    cls.def_property_readonly(
        "FileName", [](const DataSet& set) { return set.Data().FileName; },
        "The input file the data set was loaded from or last saved to; empty for a new data set.");
    cls.def_property_readonly(
        "NrMeasDwt", [](const DataSet& set) { return set.Data().NrMeasDwt; },
        "Number of measured water-table depths, as counted at the last load or save.");
    cls.def_property_readonly(
        "NrMeasDrain", [](const DataSet& set) { return set.Data().NrMeasDrain; },
        "Number of measured drain discharges greater than 0, as counted at the last save.");
    cls.def_property_readonly(
        "OlderFile", [](const DataSet& set) { return set.Data().OlderFile; },
        "Whether the file had the older layout without the water-table depth column.");

    cls.def(
        "save",
        [](DataSet& set, const py::object& path) {
            RefuseUnsavable(set.Data());
            set.Data().FileName = PathText(path);
            SaveInputFile(set.Data());
            return set.Data().FileName;
        },
        py::arg("path"), R"(Writes the data set as an input file with the program's writer.

The extension becomes ".inp", as the program's save makes it; the file is written through a
temporary file. Returns the path written; FileName becomes it. A value the program's editors
would not keep, or that the file cannot hold, raises ValueError before anything is written;
a file that cannot be written raises vantorel.FileError.)");
    cls.def(
        "copy", [](const DataSet& set) { return DataSet(set.Data()); },
        "An independent copy of the data set.");
    cls.def("__copy__", [](const DataSet& set) { return DataSet(set.Data()); }, "An independent copy, as copy().");
    cls.def(
        "__deepcopy__", [](const DataSet& set, const py::dict&) { return DataSet(set.Data()); }, py::arg("memo"),
        "An independent copy, as copy().");
    cls.def("__repr__", [](const DataSet& set) {
        const InputData& d = set.Data();
        return "<vantorel.DataSet " + std::string(py::repr(TitleString(d.Title1))) +
               " NrTimeSteps=" + std::to_string(d.NrTimeSteps) + " Ts=" + std::to_string(d.Ts) +
               " NrLayers=" + std::to_string(d.NrLayers) + ">";
    });

    m.def("load_input", &LoadDataSet, py::arg("path"), R"(Reads an input file (".inp") into a DataSet.

The extension of the path is replaced by ".inp", as the program's reader does. Older layouts are
read as the program reads them; the program's message about them becomes a UserWarning, and so
does each value that the program's input editors would not keep (see DataSet).
Raises vantorel.FileError whose message is the program's: the file, the line and the text.)");
}

}  // namespace vantorel::python

#pragma once
// The data set of the Python module: one InputData shared with the numpy arrays handed out for
// its series, so that an array writes through to the data set it was taken from.

#include <memory>
#include <string>

#include "model/InputData.h"
#include "python/Constructed.h"

namespace vantorel::python {

class DataSet {
public:
    DataSet() : data_(std::make_shared<InputData>()) {}
    explicit DataSet(InputData data) : data_(std::make_shared<InputData>(std::move(data))) {}

    const InputData& Data() const { return *data_; }
    InputData& Data() { return *data_; }
    // Kept alive by every array taken from the data set as it is now.
    std::shared_ptr<InputData> Shared() const { return data_; }

    // Gives every series steps + 1 elements. The series move to a new data set, so an array taken
    // before keeps the memory it points into but no longer writes through.
    void Resize(int32_t steps);

private:
    std::shared_ptr<InputData> data_;
};

// Raises ValueError, naming the field, the step and the value, for a data set with a value that
// is not a finite number, that the input editors would not keep, or that the input file cannot
// hold: such a data set is neither saved nor run.
void RefuseUnsavable(const InputData& data);

// load_input: the input file at the path, with a UserWarning for each value the editors would not keep.
DataSet LoadDataSet(const pybind11::object& path);

}  // namespace vantorel::python

VANTOREL_CONSTRUCTED_ONLY(vantorel::python::DataSet)

#include "model/InputData.h"

namespace vantorel {

void SetLayerCount(InputData& data, int32_t layers) {
    data.NrLayers = layers;
    data.Is1Layer = layers == 1;
    data.Is2Layer = layers == 2;
    data.Is3Layer = layers == 3;
}

void ResizeLoadedSeries(InputData& data) {
    const size_t size = static_cast<size_t>(data.NrTimeSteps) + 1;
    for (StepSeries* series : {&data.Rain, &data.Irrig, &data.ETp, &data.Sdr, &data.SdrGiven, &data.DwtMeas,
                               &data.DrainMeas, &data.S1meas, &data.S2meas, &data.S3meas, &data.STmeas,
                               &data.SAmeas, &data.IrrSpread, &data.InfExcess, &data.Stor, &data.MrT, &data.Pond}) {
        series->resize(size);
    }
}

void SetDimensions(InputData& data, int32_t steps, int32_t step_length, int32_t layers) {
    data.NrTimeSteps = steps;
    data.NrTimeStepsSaved = steps;
    data.Ts = step_length;
    SetLayerCount(data, layers);
    data.LayerIndex = layers - 1;
    ResizeLoadedSeries(data);
}

double RootZoneThickness(const InputData& data) {
    if (data.Is3Layer) return data.D1 + data.D2 + data.D3;
    if (data.Is2Layer) return data.D1 + data.D2;
    return data.D1;
}

}  // namespace vantorel

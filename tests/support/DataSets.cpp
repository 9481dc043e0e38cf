#include "tests/support/DataSets.h"

namespace vantorel::test {

namespace {

// A small linear congruential generator: the same numbers on every machine.
class Numbers {
public:
    explicit Numbers(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    // A whole number from low to high inclusive.
    int32_t Between(int32_t low, int32_t high) {
        state_ = state_ * 1664525u + 1013904223u;
        return low + static_cast<int32_t>((state_ >> 8) % static_cast<uint32_t>(high - low + 1));
    }
    // A number with the given decimals from low to high.
    double Decimal(double low, double high, int decimals) {
        double scale = 1;
        for (int i = 0; i < decimals; ++i) scale *= 10;
        return Between(static_cast<int32_t>(low * scale), static_cast<int32_t>(high * scale)) / scale;
    }

private:
    uint32_t state_;
};

}  // namespace

InputData MakeDataSet(const DataSetShape& shape) {
    Numbers numbers(shape.seed);
    InputData d;
    d.FileName = "data.inp";
    d.Title1 = "Test field " + std::to_string(shape.seed);
    d.Title2 = std::to_string(shape.layers) + " layers, " + std::to_string(shape.steps) + " steps";
    SetDimensions(d, shape.steps, shape.step_length, shape.layers);

    const double per_day = shape.step_length;
    for (int32_t i = 1; i <= shape.steps; ++i) {
        d.Rain[i] = numbers.Between(0, 3) == 0 ? 0 : numbers.Decimal(0, 3 * per_day, 2);
        d.Irrig[i] = numbers.Between(0, 2) == 0 ? 0 : numbers.Decimal(0.5 * per_day, 6 * per_day, 2);
        d.ETp[i] = numbers.Decimal(2 * per_day, 7 * per_day, 2);
        d.Sdr[i] = numbers.Between(0, 4) == 0 ? numbers.Decimal(0, 0.3 * per_day, 2) : 0;
        d.SdrGiven[i] = d.Sdr[i];
        d.DwtMeas[i] = numbers.Between(0, 2) == 0 ? numbers.Decimal(0.8, 2.4, 3) : MissingDepthOrDischarge;
        d.DrainMeas[i] =
            shape.drains && numbers.Between(0, 2) == 0 ? numbers.Decimal(0, 1.5 * per_day, 2) : MissingDepthOrDischarge;
        for (StepSeries* salinity : {&d.S1meas, &d.S2meas, &d.S3meas, &d.STmeas, &d.SAmeas}) {
            (*salinity)[i] = numbers.Between(0, 2) == 0 ? numbers.Decimal(1, 12, 2) : MissingSalinity;
        }
    }
    if (shape.layers == 1) {
        d.D1 = numbers.Decimal(0.4, 0.8, 2);
    } else {
        d.D1 = numbers.Decimal(0.2, 0.4, 2);
        d.D2 = numbers.Decimal(0.2, 0.4, 2);
        if (shape.layers == 3) d.D3 = numbers.Decimal(0.2, 0.4, 2);
    }
    d.Dt = numbers.Decimal(1.5, 2.5, 2);
    d.Da = numbers.Decimal(5, 20, 2);
    d.TP1 = numbers.Between(40, 50);
    d.TP2 = numbers.Between(40, 50);
    d.TP3 = numbers.Between(40, 50);
    d.TPt = numbers.Between(35, 45);
    d.TPa = numbers.Between(30, 40);
    d.EffPor1 = numbers.Between(5, 10);
    d.EffPor2 = numbers.Between(5, 10);
    d.EffPor3 = numbers.Between(5, 10);
    d.EffPort = numbers.Between(5, 10);
    d.EffPora = numbers.Between(5, 15);
    d.LE1 = numbers.Between(60, 100);
    d.LE2 = numbers.Between(60, 100);
    d.LE3 = numbers.Between(60, 100);
    d.LEt = numbers.Between(60, 100);
    d.LEa = numbers.Between(60, 100);

    d.DrainPresent = shape.drains;
    d.Dd = 0.2 + (shape.layers == 1 ? d.D1 : d.D1 + d.D2 + d.D3) + numbers.Decimal(0.2, 0.8, 2);
    d.Dd = static_cast<int32_t>(d.Dd * 100 + 0.5) / 100.0;
    d.QH1 = numbers.Decimal(0.001, 0.05, 4);
    d.QH2 = numbers.Decimal(0.001, 0.05, 4);

    d.Si = numbers.Decimal(0.5, 3, 1);
    d.S1init = numbers.Decimal(2, 10, 1);
    d.S2init = numbers.Decimal(2, 10, 1);
    d.S3init = numbers.Decimal(2, 10, 1);
    d.STinit = numbers.Decimal(2, 10, 1);
    d.SAinit = numbers.Decimal(2, 10, 1);
    d.DwtInit = numbers.Decimal(1, 2, 2);
    d.Dc = numbers.Decimal(0.8, 1.5, 2);
    d.MoistInit = numbers.Decimal(30, 70, 2);
    d.IrrEff = numbers.Decimal(50, 90, 1);
    d.Inf = numbers.Decimal(0, 1, 1);
    d.Out = numbers.Decimal(0, 1, 1);
    d.Sinf = numbers.Decimal(1, 5, 1);

    d.RicePresent = shape.rice;
    if (shape.rice) {
        d.InfCap = numbers.Decimal(2, 10, 1);
        d.RiceTransp = numbers.Decimal(30, 60, 1);
    }
    return d;
}

}  // namespace vantorel::test

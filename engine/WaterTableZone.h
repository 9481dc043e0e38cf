#pragma once
// The effective porosity of the zone in which the water table stands.

#include "model/InputData.h"

namespace vantorel {

class WaterTableZones {
public:
    // Porosities as fractions; root_zone is the thickness of the whole root zone.
    WaterTableZones(const InputData& d, double root_zone)
        : layers_(d.NrLayers),
          layer1_bottom_(d.Is1Layer ? root_zone : d.D1),
          layer2_bottom_(d.D1 + d.D2),
          root_zone_bottom_(root_zone),
          transition_bottom_(root_zone + d.Dt),
          layer1_(d.EffPor1),
          layer2_(d.EffPor2),
          layer3_(d.EffPor3),
          transition_(d.EffPort),
          aquifer_(d.EffPora) {}

    // Above or at the surface the water stands free: a porosity of 1.
    double EffectivePorosity(double dwt) const {
        double porosity = 1;
        if (dwt > 0 && dwt <= layer1_bottom_) porosity = layer1_;
        if (layers_ >= 2 && dwt > layer1_bottom_ && dwt <= layer2_bottom_) porosity = layer2_;
        if (layers_ == 3 && dwt > layer2_bottom_ && dwt <= root_zone_bottom_) porosity = layer3_;
        if (dwt > root_zone_bottom_ && dwt <= transition_bottom_) porosity = transition_;
        if (dwt > transition_bottom_) porosity = aquifer_;
        return porosity;
    }

private:
    int layers_;
    double layer1_bottom_, layer2_bottom_, root_zone_bottom_, transition_bottom_;
    double layer1_, layer2_, layer3_, transition_, aquifer_;
};

}  // namespace vantorel

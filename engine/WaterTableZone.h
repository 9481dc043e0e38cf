#pragma once
// The effective porosity of the zone in which the water table stands.

#include "model/InputData.h"

namespace vantorel {

class WaterTableZones {
public:
    // Porosities as fractions; root_zone is the thickness of the whole root zone. The thicknesses
    // must be positive (a run refuses others), so that the zone bottoms follow each other.
    WaterTableZones(const InputData& d, double root_zone)
        : layer1_bottom_(d.Is1Layer ? root_zone : d.D1),
          layer2_bottom_(d.Is3Layer ? d.D1 + d.D2 : root_zone),
          root_zone_bottom_(root_zone),
          transition_bottom_(root_zone + d.Dt),
          layer1_(d.EffPor1),
          layer2_(d.EffPor2),
          layer3_(d.EffPor3),
          transition_(d.EffPort),
          aquifer_(d.EffPora) {}

    // At or above the surface the water stands free: a porosity of 1. Below it the zone whose
    // bottom is the first at or below the depth; as the bottoms follow each other, each deeper test
    // overrides the one above. Selects without branches, so that a loop over many water tables can
    // be vectorised.
    double EffectivePorosity(double dwt) const {
        double porosity = 1;
        porosity = dwt > 0 ? layer1_ : porosity;
        porosity = dwt > layer1_bottom_ ? layer2_ : porosity;
        porosity = dwt > layer2_bottom_ ? layer3_ : porosity;
        porosity = dwt > root_zone_bottom_ ? transition_ : porosity;
        porosity = dwt > transition_bottom_ ? aquifer_ : porosity;
        return porosity;
    }

private:
    double layer1_bottom_, layer2_bottom_, root_zone_bottom_, transition_bottom_;
    double layer1_, layer2_, layer3_, transition_, aquifer_;
};

}  // namespace vantorel

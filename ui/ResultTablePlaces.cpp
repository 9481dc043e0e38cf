#include "ui/ResultTablePlaces.h"

namespace vantorel {

namespace {

constexpr const char* HydrologyHeadings =
    "Rainfall         Irrigation         Pot. Evap.    Percolation    Capillary rise    Act. Evap.    Drainage       "
    "Depth WT";
constexpr const char* HydrologyHeadingsWithStorage =
    "Rainfall         Irrigation       Pot. Evap.    Percolation    Capillary rise    Act. Evap.    Drainage       "
    "Depth WT      Storage";

}  // namespace

ResultTablePlace PlaceOf(ResultTableKind kind) {
    switch (kind) {
        case ResultTableKind::Salinity1Layer: return {64, 100, 480, 110, 102, HeadingsMemo::OutSalt1Memo, {}};
        case ResultTableKind::Salinity2Layers: return {64, 50, 610, 60, 52, HeadingsMemo::OutSalt2Memo, {}};
        case ResultTableKind::Salinity3Layers: return {64, 10, 740, 20, 12, HeadingsMemo::OutSalt3Memo, {}};
        case ResultTableKind::Hydrology:
            return {64, 66, 606, 74, 66, HeadingsMemo::HydrOutMemo, MemoLayout{520, HydrologyHeadings}};
        case ResultTableKind::HydrologyWithStorage:
            return {64, 56, 670, 64, 56, HeadingsMemo::HydrOutMemo, MemoLayout{575, HydrologyHeadingsWithStorage}};
        case ResultTableKind::Surface: break;
    }
    return {90, 50, 388, 60, 52, HeadingsMemo::SurfMemo, {}};
}

}  // namespace vantorel

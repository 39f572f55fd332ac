#include "interaction/OpenedFile.h"

#include "recording/ChannelDefaults.h"

namespace velundia {

void resetViewAfterOpen(const Recording& recording, ViewSettings& settings, ViewControls& controls,
                        MeasurementList& measurements) {
    settings.amplitudeDivisor = amplitudeDivisorFor(recording.channelTable);
    controls.overviewLead = recording.channelCount >= 3 ? 2 : -1;
    controls.listSelection = -1;
    controls.moveMode = false;
    controls.firstSample = 0;
    measurements.count = 0;
    measurements.firstPointPending = false;
    measurements.dividerArmed = false;
}

}  // namespace velundia

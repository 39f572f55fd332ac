#pragma once

#include "recording/LeadSettings.h"
#include "recording/Recording.h"
#include "view/Canvas.h"
#include "view/ViewControls.h"
#include "view/ViewSettings.h"

namespace velundia {

// Draws the TraceSurface completely: black, the shown leads in display-slot order, the ruler;
// or, while the twelve-lead switch is on, the twelve-lead sheet. Outside move mode it writes
// the row centre of every display slot in use into leads.position.
// A lead's trace stops at its last stored sample; it never reads outside its row.
void RenderTraces(Canvas& traceSurface, const Recording& recording, LeadSettings& leads,
                  const ViewSettings& settings, const ViewControls& controls);

}  // namespace velundia

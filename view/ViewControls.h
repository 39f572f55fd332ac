#pragma once

#include <array>

namespace velundia {

constexpr int SheetLeads = 12;

// The settings that live only as the state of controls, read by the renderers when they run.
struct ViewControls {
    int traceWidth = 620;       // W: trace box (PaintBox1) width in pixels
    int traceHeight = 341;      // H: trace box height in pixels
    int stripWidth = 643;       // W3: overview strip (PaintBox3) width
    int stripHeight = 56;       // H3: overview strip height
    int firstSample = 0;        // pos: ScrollBarX position, sample index
    int globalGain = 25;        // G: ScrollBarG position, 1..50 (a divisor)
    bool ruler = true;          // CheckBox2
    bool twelveLead = false;    // CheckBox3
    bool moveMode = false;      // CheckBox1
    int overviewLead = -1;      // ComboBox1 item index; -1 none selected
    int listSelection = -1;     // CheckListBox1 current item; -1 none
    std::array<int, SheetLeads> calibrationSteps{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};  // ScrollBarE0..11
};

}  // namespace velundia

// A detector run under the protocol the window keeps: with RecordOnly set
// the step found is written into AdviceStep; otherwise it is applied as the
// control applies it, and counted in SuggestionCount while Checking is set.
// Progress tells whether anything was found. The tints the detector gives
// cells while it works are painted. The solving loop and the walk apply the
// registry's detectors themselves; this is their one-detector form, for the
// views and the tests.
#pragma once

#include "methods/detectors.h"
#include "methods/glance.h"

namespace tessora {

class Form1;

// Runs the detector with set size k. "At a glance" scans GlanceFrom..GlanceTo
// and paints its hatching.
void RunDetector(Form1& f, Finder find, int k = 0);

// The cross view of the value GlanceFrom, painted; GlanceCells holds the
// free cells of the last box examined.
void RunCrossBoxes(Form1& f);

}  // namespace tessora

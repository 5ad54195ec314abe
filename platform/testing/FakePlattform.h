#pragma once

#include "FixedClock.h"
#include "Plattform.h"
#include "RecordingHelpViewer.h"
#include "RecordingPrompts.h"
#include "RecordingSound.h"
#include "ScriptedWindowOpener.h"

// Every platform service as a recording fake, bundled for a window under test.
struct FakePlattform {
    RecordingPrompts prompts;
    RecordingSound sound;
    FixedClock clock;
    ScriptedWindowOpener fenster;
    RecordingHelpViewer viewer;
    CommonDialog hilfe{viewer};
    Plattform plattform{prompts, sound, clock, fenster, hilfe};
};

#pragma once

#include "Clock.h"
#include "CommonDialog.h"
#include "Prompts.h"
#include "SoundPlayer.h"
#include "WindowOpener.h"

// The platform services every window uses, handed in by reference so that
// tests can put recording fakes in their place.
struct Plattform {
    Prompts &prompts;
    SoundPlayer &sound;
    Clock &clock;
    WindowOpener &fenster;
    CommonDialog &hilfe;
};

// The real window for a benchmark: the form wired to the program's handlers, loaded and shown,
// with its sound recorded instead of played.
#pragma once

#include "app/window_wiring.h"
#include "tests/support/recording_cue_player.h"
#include "window/form/qt_form.h"

struct StartedForm {
    zarvona::RecordingCuePlayer cues;
    zarvona::QtForm form{[this](std::string_view name) { cues.play(name); }};

    StartedForm()
    {
        zarvona::wireEvents(form);
        form.fire(zarvona::Control::Form1, zarvona::Event::Load);
        form.window()->show();
    }
};

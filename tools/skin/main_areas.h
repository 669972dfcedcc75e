// The areas of the main skin, each drawn by its own file in one of the three looks. The
// main skin's composition (main_skin.cpp) calls them for every look and keeps of each
// look only the rectangles the program copies from it.
#pragma once

#include "tools/skin/canvas.h"
#include "tools/skin/main_widgets.h"

namespace tinto::skin {

// The three hexagonal cells with their rims, the 2P and 3P marks and the group plates.
void DrawCells(Canvas& c);
// One colour panel (f = 0 for 2P, 209 for 3P): the stage behind the heroine, the part
// buttons and the load, save and random buttons.
void DrawColourPanel(Canvas& c, Look look, int f);
// Speed lamps, zoom bar, the six speed levels, frame steps, stop, fine speed and reset.
void DrawTransport(Canvas& c, Look look);
// Photo-film and movie buttons with their rotation and sound toggles.
void DrawMediaButtons(Canvas& c, Look look);
// The clock, the countdown panel with its label and the wallpaper button inside it.
void DrawClockAndTimer(Canvas& c, Look look);
// The music player's and the alarm sound's buttons and numbers.
void DrawMusicAndAlarm(Canvas& c, Look look);
// Minimise, close, help and the tournament password lock.
void DrawWindowButtons(Canvas& c, Look look);

}  // namespace tinto::skin

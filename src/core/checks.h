#pragma once
// Summary fields derived from the channels and the band checks run before the image goes to the radio.
#include <QString>

// Option-block byte 12 := number of the first fully used channel (0 when none).
void Set_First_Chann();
// Rewrites the identification block (212) and the used-channel bitmap (210).
void Build_Chann_Map();
// 1 when the frequency-mode record's receive or transmit frequency is outside the range block's band.
int Check_Vfo_Range();
// Number of the first non-empty channel whose receive or transmit frequency is outside the band, or 0.
int Check_Chann_Range();

// The two messages of a failed check, in the current language.
QString Vfo_Range_Text();
QString Chann_Range_Text(int n);

// Runs the checks of a write in their order: clears bit 4 of option byte 1, derives the first channel,
// the identification and the bitmap, then checks the frequency-mode record and the channels. A failed
// check shows its message and gives false; the derived fields stay changed either way.
bool Prepare_Write();

#pragma once
// Radio models, their bands and the range block (image block 153) that carries the band limits.
#include <QString>

// Fills Model_List and Band_Table and sets Band_Low/Band_High from row Model_Index.
void Init_Model_List();

// Band limits in whole MHz as the range block holds them.
void Get_Range(int &low, int &high);
// Stores whole-MHz limits in the range block (each clamped to 0..999 so every nibble is a digit).
void Put_Range(int low, int high);
// Band_Low/Band_High := the limits of the range block.
void Recompute_Band();

// Band as the status bar shows it: " 400-- 470 MHZ".
QString Band_Panel_Text();
// "UHF" for row 0, "VHF" for row 1.
QString Band_Name(int row);

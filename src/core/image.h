#pragma once
// The memory image: block n holds the radio's memory at addresses n*16 .. n*16+15. 0xFF means "not set".

constexpr int Image_Blocks = 256;   // blocks that carry data
constexpr int Block_Bytes = 16;     // bytes of a block that carry data
constexpr int Read_Blocks = 254;    // a read from the radio covers blocks 0..253
constexpr int Write_Blocks = 240;   // a write covers blocks 0..239
constexpr int Chann_Count = 128;

// Regions of the image.
constexpr int Vfo_Block = 0;          // frequency-mode record
constexpr int Range_Block = 153;      // band limits
constexpr int Fm_Block = 154;         // FM presets: 154 bytes 0..15, 155 bytes 0..8
constexpr int Fm_Count = 25;
constexpr int Name_Block = 160;       // names region 160..199, 5 codes per channel
constexpr int Name_Len = 5;
constexpr int Option_Block = 208;
constexpr int PowerOn_Block = 209;
constexpr int Map_Block = 210;        // used-channel bitmap
constexpr int Ident_Block = 212;
constexpr int Power_Block = 240;      // transmit power alignment

// Channel record byte numbers (channel n lives in block n).
constexpr int Ch_Rx = 0;
constexpr int Ch_Offset = 4;
constexpr int Ch_Decode = 8;
constexpr int Ch_Encode = 10;
constexpr int Ch_Power = 12;
constexpr int Ch_Flags = 13;

// Fills the image with the default image and recomputes Band_Low/Band_High from its range block.
void Init_Radio_Data();

// Byte of the names region at run offset i (0..639), i.e. channel n's name byte k is at (n-1)*5+k.
int Name_Byte(int offset);
void Set_Name_Byte(int offset, int value);

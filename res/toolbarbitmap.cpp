// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbarbitmap.h"

// The eight toolbar images, 16x15 each, left to right: New, Open, Save, Cut, Copy, Paste, Print,
// About. Light grey #C0C0C0 is the background, to be made transparent.
// clang-format off
const char* const toolbarBitmap[] = {
    "128 15 11 1",
    ". c #C0C0C0",
    "k c #000000",
    "R c #800000",
    "D c #008000",
    "o c #808000",
    "n c #000080",
    "g c #808080",
    "G c #00FF00",
    "y c #FFFF00",
    "b c #0000FF",
    "w c #FFFFFF",
    "..kkkkkkkk.......................kkkkkkkkkkkkk.....k.......k....kkkkkk...............kkk............kkkkkkkk........kkkkkkk.....",
    "..kwwwwwwkk...............kkk....kbkwwwwwwwkbkk....kk.....kk....kwwwwkk..........kkkkgwgkkkk........kwwwwwwk.......kyyyyyyyk....",
    "..kwwwwwwkwk.....kkkk....k...k...kbkwwwwwwwkbbk....kwk...kwk....kwwwwkwk.........koookgkoook........kwggggwk......kyyykkkyyyk...",
    "..kwwwwwwkwwk...kyyyyk.....kkkkk.kbkwggggwwkbbk.....kwk.kwk.....kwgggkkkk........koookkkoook........kwwwwwwk......kyyk...kyyk...",
    "..kwwwwwwkkkkk..kywwwykkkk..kkk..kbkwwwwwwwkbbk.....kwk.kwk.....kwwwwwkkkkkk.....koooooooook........kwggggwk......kkkk...kyyk...",
    "..kwwwwwwwwwwk..kwyyyyyyyyk..k...kbkwggggwwkbbk......kwkwk......kwggggkwwwwkk....kooookkkkkk......kkkkkkkkkkkk..........kyyyk...",
    "..kwwwwwwwwwwk..kwyyyyyyyyk......kbkwwwwwwwkbbk......kwkwk......kwwwwwkwwwwkwk...kooookwwwwkk....kwwwwwwwwwwwwk........kyyyk....",
    "..kwwwwwwwwwwk..kwyykkkkkkkkkkk..kbbkkkkkkkbbbk.......kgk.......kwggggkwgggkkkk..kooookwwwwkwk..kwwwwwwwwwwwwwwk......kyyyk.....",
    "..kwwwwwwwwwwk..kwykoooooooooook.kbbbbbbbbbbbbk.......kRk.......kwwwwwkwwwwwwwk..kooookwgggkkkk.kkkkkkkkkkkkkkkk......kyyk......",
    "..kwwwwwwwwwwk..kwykoooooooooook.kbbbbbbbbbbbbk.....RRR.RRR.....kwggggkwggggwwk..kooookwwwwwwwk.kgggggggggggDGgk......kkkk......",
    "..kwwwwwwwwwwk..kykoooooooooook..kbbkkkkkkkkbbk....R..R.R..R....kkkkkkkwwwwwwwk..kooookwggggwwk.kggggggggggggggk................",
    "..kwwwwwwwwwwk..kykoooooooooook..kbbkwwwwnnwkbk...R...R.R...R.........kwgggggwk..kooookwwwwwwwk.kgkkkkkkkkkkkkgk......kkkk......",
    "..kwwwwwwwwwwk..kkoooooooooook...kbbkwwwwnnwkbk...R...R.R...R.........kwwwwwwwk..kooookwgggggwk.kkkwwwwwwwwwwkkk......kyyk......",
    "..kwwwwwwwwwwk..kkoooooooooook...knbkwwwwnnwkbk...R..R...R..R.........kwggggwwk..kooookwwwwwwwk....kwggggggwk.........kyyk......",
    "..kkkkkkkkkkkk..kkkkkkkkkkkkk....kkkkkkkkkkkkkk....RR.....RR..........kkkkkkkkk..kkkkkkkkkkkkkk....kkkkkkkkkk.........kkkk......"
};
// clang-format on

// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbarbitmap.h"

// The same eight images drawn for twice the pixel density, 32x30 each: the fills twice as large,
// the outer outlines kept one pixel wide so that they stay as fine as on a normal screen.
// clang-format off
const char* const toolbarBitmap2x[] = {
    "256 30 11 1",
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
    "................................................................................................................................................................................................................................................................",
    ".....kkkkkkkkkkkkkk................................................kkkkkkkkkkkkkkkkkkkkkkkk...........kk..............kk.........kkkkkkkkkk................................kkkk..........................kkkkkkkkkkkkkk..................kkkkkkkkkkkk...........",
    ".....kwwwwwwwwwwwwkk.................................kkkk..........kbbkkwwwwwwwwwwwwwwkkbbkk...........k..............k..........kwwwwwwwwkk..............................ggwwgg.........................kwwwwwwwwwwwwk.................yyyyyyyyyyyyyy..........",
    ".....kwwwwwwwwwwwwkkk................................kkkk..........kbbkkwwwwwwwwwwwwwwkkbbkkk..........kk............kk..........kwwwwwwwwkkk......................kkkkkkkggwwggkkkkkkk..................kwwwwwwwwwwwwk................kyyyyyyyyyyyyyyk.........",
    ".....kwwwwwwwwwwwwkkww............................kk...............kbbkkwwwwwwwwwwwwwwkkbbbbk..........kww..........wwk..........kwwwwwwwwkkww.....................kooooookkggkkooooook..................kwwggggggggwwk...............yyyyyykkkkkkyyyyyy........",
    ".....kwwwwwwwwwwwwkkwwk............kkkkkk.........kk......kk.......kbbkkwwwwwwwwwwwwwwkkbbbbk...........wwk........kww...........kwwwwwwwwkkwwk....................kooooookkggkkooooook..................kwwggggggggwwk..............kyyyyyy......yyyyyyk.......",
    ".....kwwwwwwwwwwwwkkwwww..........yyyyyyyy.............k..kk..k....kbbkkwwggggggggwwwwkkbbbbk............kww......wwk............kwwggggggkkkkkk...................kooooookkkkkkooooook..................kwwwwwwwwwwwwk..............kyyyyk........kyyyyk.......",
    ".....kwwwwwwwwwwwwkkwwwwk........kyyyyyyyyk............kkkkkkkk....kbbkkwwggggggggwwwwkkbbbbk............kwwk....kwwk............kwwggggggkkkkkkk..................kooooookkkkkkooooook..................kwwwwwwwwwwwwk..............kyyyyk........kyyyyk.......",
    ".....kwwwwwwwwwwwwkkkkkkkk.......kyywwwwwwyy.............kkkk......kbbkkwwwwwwwwwwwwwwkkbbbbk............kwwk....kwwk............kwwwwwwwwwwkkkkkk.................kooooooooooooooooook..................kwwggggggggwwk..............kkkkkk........kyyyyk.......",
    ".....kwwwwwwwwwwwwkkkkkkkkk......kyywwwwwwyykkkkkkk.......kk.......kbbkkwwwwwwwwwwwwwwkkbbbbk.............wwk....kww.............kwwwwwwwwwwkkkkkkkkkkk............kooooooooooooooooook..................kwwggggggggwwk............................kyyyyk.......",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyyyyyyyyyyyyyyyy......kk.......kbbkkwwggggggggwwwwkkbbbbk..............kww..wwk..............kwwggggggggkkwwwwwwwwkk...........kooooooookkkkkkkkkkk.................kkkkkkkkkkkkkkkk..........................yyyyyyk.......",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyyyyyyyyyyyyyyyyk..............kbbkkwwggggggggwwwwkkbbbbk..............kwwkkwwk..............kwwggggggggkkwwwwwwwwkkk..........kooooooookkkkkkkkkkk..............kkkkkkkkkkkkkkkkkkkkkk......................kyyyyyy........",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyyyyyyyyyyyyyyyyk..............kbbkkwwwwwwwwwwwwwwkkbbbbk..............kwwkkwwk..............kwwwwwwwwwwkkwwwwwwwwkkww.........kooooooookkwwwwwwwwkk............wwwwwwwwwwwwwwwwwwwwwwww....................yyyyyyk.........",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyyyyyyyyyyyyyyyyk..............kbbkkwwwwwwwwwwwwwwkkbbbbk...............wwkkww...............kwwwwwwwwwwkkwwwwwwwwkkwwk........kooooooookkwwwwwwwwkkk..........kwwwwwwwwwwwwwwwwwwwwwwwwk..................kyyyyyy..........",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyyyykkkkkkkkkkkkkk.............kbbbbkkkkkkkkkkkkkkbbbbbbk................kggk................kwwggggggggkkwwggggggkkkkkk.......kooooooookkwwwwwwwwkkww........wwwwwwwwwwwwwwwwwwwwwwwwwwww................yyyyyyk...........",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyyyykkkkkkkkkkkkkkkkkkkkk......kbbbbkkkkkkkkkkkkkkbbbbbbk................kggk................kwwggggggggkkwwggggggkkkkkkk......kooooooookkwwwwwwwwkkwwk......kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk..............kyyyyyy............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyykkoooooooooooooooooooooo.....kbbbbbbbbbbbbbbbbbbbbbbbbk................kRRk................kwwwwwwwwwwkkwwwwwwwwwwwwwwk......kooooooookkwwggggggkkkkkk.....kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk..............kyyyyk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyykkooooooooooooooooooooook....kbbbbbbbbbbbbbbbbbbbbbbbbk................kRRk................kwwwwwwwwwwkkwwwwwwwwwwwwwwk......kooooooookkwwggggggkkkkkkk....kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk..............kyyyyk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyykkooooooooooooooooooooook....kbbbbbbbbbbbbbbbbbbbbbbbbk...........RRRRRR..RRRRRR...........kwwggggggggkkwwggggggggwwwwk......kooooooookkwwwwwwwwwwwwwwk....kggggggggggggggggggggggDDGGggk..............kkkkkk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kwwyykkoooooooooooooooooooooo.....kbbbbbbbbbbbbbbbbbbbbbbbbk...........RRRRRR..RRRRRR...........kwwggggggggkkwwggggggggwwwwk......kooooooookkwwwwwwwwwwwwwwk....kggggggggggggggggggggggDDGGggk.................................",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kyykkooooooooooooooooooooook......kbbbbkkkkkkkkkkkkkkkkbbbbk.........RR....RR..RR....RR.........kkkkkkkkkkkkkwwwwwwwwwwwwwwk......kooooooookkwwggggggggwwwwk....kggggggggggggggggggggggggggggk.................................",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kyykkooooooooooooooooooooook......kbbbbkkkkkkkkkkkkkkkkbbbbk.........RR....RR..RR....RR....................kkwwwwwwwwwwwwwwk......kooooooookkwwggggggggwwwwk....kggggggggggggggggggggggggggggk.................................",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kyykkooooooooooooooooooooook......kbbbbkkwwwwwwwwnnnnwwkkbbk.......RR......RR..RR......RR...................kwwggggggggggwwk......kooooooookkwwwwwwwwwwwwwwk....kggkkkkkkkkkkkkkkkkkkkkkkkkggk.................................",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kyykkoooooooooooooooooooooo.......kbbbbkkwwwwwwwwnnnnwwkkbbk.......RR......RR..RR......RR...................kwwggggggggggwwk......kooooooookkwwwwwwwwwwwwwwk....kggkkkkkkkkkkkkkkkkkkkkkkkkggk..............kkkkkk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kkkooooooooooooooooooooook........kbbbbkkwwwwwwwwnnnnwwkkbbk.......RR......RR..RR......RR...................kwwwwwwwwwwwwwwk......kooooooookkwwggggggggggwwk....kkkkkwwwwwwwwwwwwwwwwwwwwkkkkk..............kyyyyk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kkkooooooooooooooooooooook........kbbbbkkwwwwwwwwnnnnwwkkbbk.......RR......RR..RR......RR...................kwwwwwwwwwwwwwwk......kooooooookkwwggggggggggwwk.........wwwwwwwwwwwwwwwwwwww...................kyyyyk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kkkooooooooooooooooooooook........knnbbkkwwwwwwwwnnnnwwkkbbk.......RR....RR......RR....RR...................kwwggggggggwwwwk......kooooooookkwwwwwwwwwwwwwwk..........kwwggggggggggggwwk....................kyyyyk.............",
    ".....kwwwwwwwwwwwwwwwwwwwwk......kkkoooooooooooooooooooooo.........knnbbkkwwwwwwwwnnnnwwkkbbk.......RR....RR......RR....RR...................kwwggggggggwwwwk......kooooooookkwwwwwwwwwwwwwwk..........kwwggggggggggggwwk....................kyyyyk.............",
    ".....kkkkkkkkkkkkkkkkkkkkkk......kkkkkkkkkkkkkkkkkkkkkkkk..........kkkkkkkkkkkkkkkkkkkkkkkkkk.........RRRR..........RRRR.....................kkkkkkkkkkkkkkkk......kkkkkkkkkkkkkkkkkkkkkkkkkk..........kkkkkkkkkkkkkkkkkk....................kkkkkk.............",
    "......................................................................................................RRRR..........RRRR........................................................................................................................................"
};
// clang-format on

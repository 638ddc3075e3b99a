#pragma once
// One game played from a string of bytes: the fuzzer's input, which the
// fuzzer can shape towards paths that random play seldom takes.
//
// Byte 0 seeds the generator that supplies every random number the input
// does not choose itself (its low seven bits); its high bit starts the
// score near the cap. The game then starts as the window starts it, and
// every further byte b is an event of kind b % kKinds with the parameter
// p = b / kKinds, some of them followed by argument bytes:
//
//   Press       cell   press of mouse button p on the cell
//   Release     cell   release of button p over the cell
//   Drag        cell   press of button p / 5 on the cell, release over its
//                      neighbour p % 5: left, right, up, down, or itself
//   HintedMove         the hinted move made with the mouse
//   Tick               one tick of whichever timer runs
//   Ticks              up to 8 (p + 1) ticks, while a timer runs
//                      (a game has 1000 ticks at most)
//   Hint, NewGame      the menu commands
//   Colours            5 + p % 4 colours
//   Speed              the p % 5-th speed of the menu
//   ActiveBalls, ActiveEveryMove (only while enabled), Auto
//   Draws       bytes  the next p + 1 random numbers, r = byte / 256
//
// A cell byte names cell (byte % 160): 1..150 are the cells, 0 and 151..159
// lie off the grid. Missing argument bytes end the game.
#include <cstddef>
#include <cstdint>
#include <string>

namespace zorbel::test {

// Plays the stream on a fresh game, checking every invariant after each
// event, and returns the first broken one with the event that broke it, or
// an empty string.
std::string PlayEventStream(const std::uint8_t* data, std::size_t size);

}  // namespace zorbel::test

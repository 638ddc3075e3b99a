#pragma once
// The board engine: every routine is an operation on the one game record.
#include "engine/Game.h"

namespace zorbel {

// New game and board generation.
void ResetGame(Game& g);
void GenerateBoard(Game& g);

// Lines: 1 when a line of three exists, else 0.
Int HasLine(const GameState& s);
void MarkLines(Game& g);

// Detonation of active balls.
void Detonate(Game& g, Int c);
void MarkRayLeft(GameState& s, Int c);
void MarkRayUp(GameState& s, Int c);
void MarkRayRight(GameState& s, Int c);
void MarkRayDown(GameState& s, Int c);

// Gravity, refill and score.
void DropBalls(GameState& s);
void RefillBoard(Game& g);
// The labels' texts for the count and the score in the record.
void ShowMoveCount(Game& g);
void ShowScore(Game& g);

// Move counter: returns 1 at a stalemate (three rows marked), else 0.
Int CountMoves(Game& g);
void MarkRandomRows(Game& g);

// Active balls: each is placed with 6..16 ageing steps to live.
constexpr Int kMinLifetime = 6;
constexpr Int kLifetimeSpan = 11;
void AgeActiveBalls(GameState& s);
void PlaceActiveBall(Game& g);
void ClearActive(GameState& s);

// One settle tick.
void tmrMain_Timer(Game& g);

}  // namespace zorbel

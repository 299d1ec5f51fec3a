#include "app/running_game.h"

namespace korvex {

RunningGame::RunningGame(Toolkit& toolkit, RandomSource& random, SettingsStore& store)
    : m_toolkit(toolkit), m_hiScores(store, toolkit), m_board(toolkit, random, m_hiScores) {}

}  // namespace korvex

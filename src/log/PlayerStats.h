// One player's record and the state that the log reader fills and the
// statistics window reads.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corv {

struct PlayerStats {
  std::string Name;  // UTF-8, decoded from the log's single-byte text
  std::string Race;
  std::int16_t TimeOfDeath = 0;  // seconds; 0 means the player survived
  std::int16_t RUStartedWith = 0;
  std::int32_t RUCollected = 0;
  std::int32_t RUSpent = 0;
  std::int32_t RUGiven = 0;
  std::int32_t RUReceived = 0;
  std::int32_t RUInjected = 0;
  std::int32_t RUBounties = 0;
  std::int32_t RUGenerated = 0;
  std::int32_t RUCurrent = 0;
  std::array<std::int32_t, 8> DamageTo{};  // entry d: damage dealt to slot d
  std::int32_t Kills = 0;
  std::int32_t Losses = 0;
  // The eight class counts plus one: wide enough for eight full 16-bit counts.
  std::int32_t ShipsTotal = 0;
  std::int16_t NonCombat = 0;
  std::int16_t Resource = 0;
  std::int16_t Fighter = 0;
  std::int16_t Corvette = 0;
  std::int16_t Frigate = 0;
  std::int16_t HeavyCruiser = 0;
  std::int16_t Destroyer = 0;
  std::int16_t Carrier = 0;
  // Scores are kept wide so that a sum past the 32-bit range is still the true one.
  std::int64_t GeneralScore = 0;
  std::int64_t ResourceScore = 0;
  std::int64_t UnitScore = 0;
  std::int64_t CombatScore = 0;
};

constexpr int kMaxPlayers = 8;

// The process-wide state: created once in main and handed by reference to the
// reader and the windows; tests create their own.
struct StatsState {
  std::array<PlayerStats, kMaxPlayers> Players{};
  float PlayerIndex = 0.0f;  // single precision on purpose: it moves in half steps
  std::string LogLine;       // the line the reader is working on (raw bytes)
  std::string GamePath;      // the game folder, from the setting
};

}  // namespace corv

#include "dump/RecordDump.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <ostream>

namespace corv {

std::string PlainFloat(float v) {
  std::array<char, 64> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed);
  return std::string(buf.data(), res.ptr);
}

void WriteReadSummary(std::ostream& out, const LogReadResult& result, const StatsState& state) {
  out << "version=" << result.version << '\n';
  out << "PlayerIndex=" << PlainFloat(state.PlayerIndex) << '\n';
  if (result.problem) out << "problem=" << result.problem->text() << '\n';
}

void WriteRecords(std::ostream& out, const StatsState& state) {
  for (std::size_t slot = 0; slot < state.Players.size(); ++slot) {
    const PlayerStats& p = state.Players[slot];
    const auto field = [&](const char* name, const auto& value) {
      out << slot << '.' << name << '=' << value << '\n';
    };
    field("Name", p.Name);
    field("Race", p.Race);
    field("TimeOfDeath", p.TimeOfDeath);
    field("RUStartedWith", p.RUStartedWith);
    field("RUCollected", p.RUCollected);
    field("RUSpent", p.RUSpent);
    field("RUGiven", p.RUGiven);
    field("RUReceived", p.RUReceived);
    field("RUInjected", p.RUInjected);
    field("RUBounties", p.RUBounties);
    field("RUGenerated", p.RUGenerated);
    field("RUCurrent", p.RUCurrent);
    for (std::size_t d = 0; d < p.DamageTo.size(); ++d)
      out << slot << ".DamageTo." << d << '=' << p.DamageTo[d] << '\n';
    field("Kills", p.Kills);
    field("Losses", p.Losses);
    field("ShipsTotal", p.ShipsTotal);
    field("NonCombat", p.NonCombat);
    field("Resource", p.Resource);
    field("Fighter", p.Fighter);
    field("Corvette", p.Corvette);
    field("Frigate", p.Frigate);
    field("HeavyCruiser", p.HeavyCruiser);
    field("Destroyer", p.Destroyer);
    field("Carrier", p.Carrier);
    field("GeneralScore", p.GeneralScore);
    field("ResourceScore", p.ResourceScore);
    field("UnitScore", p.UnitScore);
    field("CombatScore", p.CombatScore);
  }
}

void WriteLogDump(std::ostream& out, StatsState& state, const std::string& path) {
  const LogReadResult result = ReadLog(state, path);
  WriteReadSummary(out, result, state);
  WriteRecords(out, state);
}

}  // namespace corv

// The files a league owns: its base name with one of the league's extensions. Each kind has the
// most bytes a league of the largest size can give it, so that a file that claims more is known
// to be foreign or damaged before it is read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallmark {

struct LeagueFileKind {
  const char* extension;  // with its dot, as the program writes it
  std::uint64_t maxBytes;
};

// Every kind, the configuration file first.
const std::vector<LeagueFileKind>& LeagueFileKinds();

// The kind of a file name: base + one of the extensions, without regard to case. nullptr when
// the name is no file of that league.
const LeagueFileKind* LeagueFileKindOf(const std::string& name, const std::string& base);

// The longest bulletin a league keeps.
constexpr int kMaxBulletinLength = 960;

}  // namespace tallmark

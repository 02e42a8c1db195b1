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

// Whether name (a file name, no folder) is one the league named base (its file name less
// extension) writes in its folder: one of its files, a week's undo record (base + ".U05"), a
// week's backup archive ("&" for base's first character + ".Z05"), or, with temporary, the
// temporary file of one of those (its name + ".tmp" + digits and "-"). Case is not compared.
bool LeagueOwnsName(const std::string& name, const std::string& base, bool temporary = false);

// The longest bulletin a league keeps.
constexpr int kMaxBulletinLength = 960;

}  // namespace tallmark

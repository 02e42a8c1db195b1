// The league's name and its four officers as the names window edits them, and the bulletin
// printed on the standing sheets. Nothing reaches the league until store() (the window's OK).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "league/LeagueData.h"
#include "league/LeagueFileSet.h"

namespace tallmark {

class NamesSetup {
 public:
  static constexpr int kOffices = 4;  // offices 0..3 are officers 1..4
  static constexpr int kNameLength = 40;
  static constexpr int kTitleLength = 12;
  static constexpr const char* kNotUsedTitle = "* NOT USED *";

  struct Candidate {
    Integer record;
    std::string name;  // the record's name, blanks cut
  };

  NamesSetup();

  // The players of every team in use, then the substitutes.
  const std::vector<Candidate>& candidates() const { return candidates_; }
  static std::string DefaultTitle(int office);

  const std::string& leagueName() const { return leagueName_; }
  void setLeagueName(const std::string& name) { leagueName_ = name; }

  bool notUsed(int office) const { return offices_[office].notUsed; }
  // The chosen candidate (-1 when none).
  int choice(int office) const { return offices_[office].choice; }
  const std::string& title(int office) const { return offices_[office].title; }
  // Ticking "Not Used" shows the not-used title; clearing it brings back the stored title, or
  // the office's default when the stored one is the not-used title.
  void setNotUsed(int office, bool on);
  void choose(int office, int candidate);
  void setTitle(int office, const std::string& title);
  // The candidate of a player record, -1 when the record is not listed.
  int candidateOf(int record) const;

  void store() const;

 private:
  struct Office {
    bool notUsed = false;
    int choice = -1;
    std::string title;
    std::string storedTitle;
  };

  std::vector<Candidate> candidates_;
  std::string leagueName_;
  std::array<Office, kOffices> offices_;
};

// The bulletin as its window edits it: at most 960 characters, line breaks of two.
class BulletinSetup {
 public:
  static constexpr int kMaxLength = kMaxBulletinLength;

  BulletinSetup() : text_(lg.BulletinText) {}

  const std::string& text() const { return text_; }
  // A text longer than 960 characters is refused (false) and the old one kept.
  bool setText(const std::string& text);
  void erase() { text_.clear(); }
  int charactersLeft() const { return kMaxLength - static_cast<int>(text_.size()); }
  std::string charactersLeftLabel() const {
    return "Characters Left = " + std::to_string(charactersLeft());
  }
  // The window's OK: the text without trailing blanks, written to the bulletin file at once.
  bool store() const;

 private:
  std::string text_;
};

}  // namespace tallmark

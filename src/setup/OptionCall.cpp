// Changing several options at once as one change: every assignment on one copy of the options,
// in an order that lets each rule see the values it depends on, then every value checked
// against what the rules left.
#include <algorithm>
#include <map>
#include <memory>

#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "common/Text.h"
#include "setup/CustomAwards.h"
#include "setup/LeagueOptions.h"
#include "setup/OptionSetParts.h"

namespace tallmark {

namespace {

using options::OptionName;

struct Assignment {
  OptionName name;
  std::string value;
};

// A customized award's element by its row as listed: CustomAward(j, r), r >= 1.
bool IsAwardRow(const OptionName& n) {
  return n.base == "CustomAward" && n.index.size() == 2 && n.index[1] >= 1 &&
         n.index[1] <= CustomAwards::kRows && n.index[0] >= 0 && n.index[0] <= 3;
}

bool Deletes(const Assignment& a) { return a.name.base == "ExtraStatName" && Trim(a.value).empty(); }
bool Drops(const Assignment& a) { return IsAwardRow(a.name) && a.name.index[0] == 0 && Trim(a.value) == "2"; }

// Options another depends on come first: the split weeks and class limits in order, before the
// settings of their sessions; the statistics defined before those deleted (last first) and
// before the fee; the qualifying games before the handicap award switch; awards by element.
double Rank(const Assignment& a) {
  const std::string& b = a.name.base;
  const double k = a.name.index.empty() ? 0 : a.name.index[0] / 100.0;
  if (b == "SplitWeek" || b == "ClassLimit") return 1 + k;
  if (b == "StatResetMode" || b == "ClassResetAtSession" || b == "AdjustHandicapAwards") return 2;
  if (Deletes(a)) return 4 - k;
  if (b == "ExtraStatName" || b == "ExtraStatAbbrev") return 3 + k;
  if (b == "FeeUnit") return 5;
  if (IsAwardRow(a.name)) return 6 + k;
  return 0;
}

std::string Stored(const std::map<std::string, LeagueOption>& list, const std::string& name) {
  auto it = list.find(name);
  return it == list.end() ? std::string() : it->second.value;
}

std::map<std::string, LeagueOption> Listing() {
  std::map<std::string, LeagueOption> m;
  for (LeagueOption& o : ListLeagueOptions()) m[o.name] = o;
  return m;
}

// Whether the stored value is the one asked for (a switch: on or off alike).
bool SameNumber(const std::string& asked, const std::string& stored) {
  double a = 0, s = 0;
  if (!ParseNumber(stored, s)) return false;
  if (ParseNumber(Trim(asked), a) && a == s) return true;
  const auto flag = options::Flag(asked);
  return flag && s >= -2 && s <= 1 && s == static_cast<int>(s) && *flag == (s != 0);
}

class OptionCall {
 public:
  explicit OptionCall(OptionCallOutcome& out) : out_(out), count_(lg.NumCustomAwards) {}

  void apply(const std::vector<Assignment>& list) {
    for (const Assignment& a : list) {
      if (IsAwardRow(a.name)) {
        setRow(a);
        continue;
      }
      OptionOutcome o = SetLeagueOption(a.name.full, a.value);
      if (!o.refusal.empty()) out_.refusals.push_back(o.refusal);
      if (!o.note.empty()) notes_[a.name.full] = o.note;
      out_.reclassify = out_.reclassify || o.reclassify;
    }
  }

  // The awards' rows as listed, each element as asked; then they are closed up.
  void finishAwards(const std::vector<Assignment>& list, bool switchSet) {
    bool defined = false;
    for (const Assignment& a : list) {
      if (!IsAwardRow(a.name)) continue;
      const int j = a.name.index[0], r = a.name.index[1];
      if (j == 0) {
        defined = defined || !Drops(a);
        checkListed(a, r);
      } else if (!SameNumber(a.value, std::to_string(awards_.field(r, j)))) {
        out_.refusals.push_back(a.name.full + "=" + a.value + " would be stored as " +
                                std::to_string(awards_.field(r, j)) +
                                " (a minimum score raises the maximum with it)");
      }
    }
    awards_.store();
    if (defined && !switchSet) lg.CustomAward[3][0] = True;  // awards defined are used
  }

  void check(const std::vector<Assignment>& list,
             const std::map<std::string, LeagueOption>& after) {
    for (const Assignment& a : list) {
      if (IsAwardRow(a.name) || Deletes(a) || !after.count(a.name.full)) continue;
      const LeagueOption& o = after.at(a.name.full);
      const std::string why = notes_.count(a.name.full) ? " (" + notes_[a.name.full] + ")" : "";
      if (o.text && o.value != Trim(a.value))
        out_.notes.push_back(a.name.full + " is stored as \"" + o.value + "\"");
      else if (!o.text && !SameNumber(a.value, o.value))
        out_.refusals.push_back(a.name.full + "=" + a.value + " would be stored as " + o.value +
                                why);
    }
  }

 private:
  void setRow(const Assignment& a) {
    const int j = a.name.index[0], r = a.name.index[1];
    const auto v = options::WholeNumber(a.value);
    if (j == 0) {
      if (!v || *v < 0 || *v > 2)
        out_.refusals.push_back(a.name.full + " takes 0 (game), 1 (series) or 2 (none)");
      else
        awards_.setKind(r, static_cast<int>(*v));
      return;
    }
    if (awards_.row(r).kind == CustomAwards::kNone)
      out_.refusals.push_back(a.name.full + ": award " + std::to_string(r) +
                              " is not defined (set CustomAward(0," + std::to_string(r) + "))");
    else if (!v || *v < awards_.minimum(r, j) || *v > awards_.maximum(r, j))
      out_.refusals.push_back(options::RangeRefusal(a.name, awards_.minimum(r, j),
                                                    awards_.maximum(r, j)));
    else
      awards_.enter(r, j, std::to_string(*v), 0);
  }

  // A new award comes after those listed: a row past a row left empty is refused.
  void checkListed(const Assignment& a, int r) {
    if (r <= count_ + 1 || Drops(a)) return;
    int number = 0;
    bool gap = false;
    for (int k = 1; k <= r; ++k) {
      if (awards_.row(k).kind != CustomAwards::kNone) ++number;
      else if (k > count_) gap = true;
    }
    if (gap)
      out_.refusals.push_back(a.name.full + ": awards are numbered as listed; this award would "
                              "be award " + std::to_string(number) + " (CustomAward(0," +
                              std::to_string(number) + "))");
  }

  OptionCallOutcome& out_;
  int count_;
  CustomAwards awards_;
  std::map<std::string, std::string> notes_;
};

}  // namespace

OptionCallOutcome SetLeagueOptions(const std::vector<std::pair<std::string, std::string>>& sets) {
  OptionCallOutcome out;
  std::vector<Assignment> list;
  for (const auto& [name, value] : sets) {
    auto n = options::ParseName(name);
    if (!n) {
      out.refusals.push_back("unknown option name " + name);
      continue;
    }
    // The last value given for a name is the one asked for.
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&n](const Assignment& a) { return a.name.full == n->full; }),
               list.end());
    list.push_back({*n, value});
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const Assignment& a, const Assignment& b) { return Rank(a) < Rank(b); });
  const bool switchSet = std::any_of(list.begin(), list.end(), [](const Assignment& a) {
    return a.name.full == "CustomAward(3,0)";
  });
  auto saved = std::make_unique<LeagueData>(lg);
  const auto before = Listing();
  OptionCall call(out);
  call.apply(list);
  if (out.refusals.empty()) call.finishAwards(list, switchSet);
  const auto after = Listing();
  if (out.refusals.empty()) call.check(list, after);
  if (!out.refusals.empty()) {
    lg = *saved;
    return out;
  }
  // What the rules changed besides the values asked for is told.
  const bool closedUp = std::any_of(list.begin(), list.end(),
                                    [](const Assignment& a) { return Deletes(a) || Drops(a); });
  for (const auto& [key, o] : after) {
    const std::string& name = key;  // a plain reference: lambdas may not capture a binding
    const std::string was = Stored(before, name);
    if (was == o.value || name.rfind("Num", 0) == 0 ||
        std::any_of(list.begin(), list.end(), [&](const Assignment& a) { return a.name.full == name; }))
      continue;
    const bool row = name.rfind("CustomAward(", 0) == 0 && name.find(",0)") == std::string::npos;
    if (closedUp && (name.rfind("ExtraStat", 0) == 0 || row)) continue;
    out.notes.push_back(name + " changed from " + (was.empty() ? "none" : was) + " to " + o.value);
  }
  return out;
}

}  // namespace tallmark

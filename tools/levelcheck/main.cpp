// levelcheck <build folder> [deals] [node budget] [report file] [first level] [last level]
// Plays every level file in <build folder>/data/levelz over many random deals with the blind
// and the perfect player and writes a Markdown report of how each level plays. With
// LEVELCHECK_TRACE set, every deal's result and search size goes to the error stream.
#include "runtime/runtime.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include "tools/levelcheck/levelplay.h"
#include <atomic>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

namespace {

struct levelfigures {
  int level = 0, cards = 0, cols = 0, facedown = 0, plants = 0, bonus = 0, fish = 0, pigs = 0, ninjas = 0;
  int par = 0, deals = 0;
  int blindsolved = 0, blindstrike = 0, perfectsolved = 0, perfectstrike = 0, perfectcut = 0;
  long blindleft = 0, perfectleft = 0;
  long nodes = 0, mostnodes = 0;   // positions the perfect player searched: all deals, the worst deal
  std::vector<int> unsettled;      // deals (0-based) whose search ran out of positions
  bool present = false;
};

void describe(levelfigures& f, const checkdeal& d) {
  f.cards = d.cardcount;
  f.cols = int(d.columns.size());
  for (const auto& col : d.columns)
    for (const auto& k : col) {
      f.facedown += k.facedown;
      f.plants += k.value == CARD_PLANT;
      f.bonus += k.value == CARD_BONUS;
      f.fish += k.value == CARD_FISHSLAP;
      f.pigs += k.value == CARD_ANIMAL && k.param == 1;
      f.ninjas += k.value == CARD_ANIMAL && k.param == 2;
    }
}

void playall(levelfigures& f, const std::vector<checkdeal>& deals, int budget) {
  for (size_t k = 0; k < deals.size(); k++) {
    const checkdeal& d = deals[k];
    checkresult b = playblind(d);
    f.blindsolved += b.left <= f.par;
    f.blindstrike += b.left == 0;
    f.blindleft += b.left;
    checkresult p = b.left == 0 ? checkresult{0, false, 0, 0} : playperfect(d, budget);
    if (p.left > b.left) p.left = b.left;  // the perfect player can always play the blind player's game
    f.perfectsolved += p.left <= f.par;
    f.perfectstrike += p.left == 0;
    f.perfectleft += p.left;
    f.perfectcut += p.budget;
    f.nodes += p.nodes;
    f.mostnodes = std::max(f.mostnodes, p.nodes);
    if (p.budget) f.unsettled.push_back(int(k));
    if (std::getenv("LEVELCHECK_TRACE"))
      std::fprintf(stderr, "deal %d/%zu: blind %d perfect %d lower %d nodes %ld%s\n", f.level, k + 1, b.left, p.left,
                   p.lower, p.nodes, p.budget ? " unsettled" : "");
  }
}

// Levels waiting for a worker, taken in turn by both.
struct joblist {
  std::vector<int> levels;
  std::atomic<int> next{0};
  std::vector<levelfigures>* figures = nullptr;
  std::vector<std::vector<checkdeal>>* deals = nullptr;
  int budget = 0;
};

void worker(joblist* jobs) {
  for (int j = jobs->next++; j < int(jobs->levels.size()); j = jobs->next++) {
    int lv = jobs->levels[j];
    playall((*jobs->figures)[lv], (*jobs->deals)[lv], jobs->budget);
    const levelfigures& f = (*jobs->figures)[lv];
    std::fprintf(stderr, "level %3d done: strike %d, par %d, unsettled %zu, most positions %ld\n", lv,
                 f.perfectstrike, f.perfectsolved, f.unsettled.size(), f.mostnodes);
  }
}

// "3P 2B" and so on: counts of the special cards.
void addcount(std::string& text, int n, const char* kind) {
  if (n > 0) text += (text.empty() ? "" : " ") + std::to_string(n) + kind;
}

double pct(int n, int of) { return of > 0 ? 100.0 * n / of : 0; }

// The blind player's target band for a level.
void band(int lv, double& lo, double& hi) {
  if (lv <= 9) lo = 80, hi = 100;
  else if (lv <= 31) lo = 55, hi = 85;
  else lo = 30, hi = 75;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: levelcheck <build folder> [deals] [node budget] [report] [first] [last]\n");
    return 2;
  }
  std::string folder = argv[1];
  int dealsper = argc > 2 ? std::atoi(argv[2]) : 1000;
  int budget = argc > 3 ? std::atoi(argv[3]) : 20000;
  // The report path is taken from where the tool was started, before moving into the build folder.
  std::string reportpath = std::filesystem::absolute(argc > 4 ? argv[4] : "report.md").string();
  int first = argc > 5 ? std::atoi(argv[5]) : 1;
  int last = argc > 6 ? std::atoi(argv[6]) : lastlevel;
  if (dealsper < 1 || budget < 1 || first < 1 || last > lastlevel || first > last) return 2;
  if (!ChangeDir(folder)) {
    std::fprintf(stderr, "levelcheck: no folder %s\n", folder.c_str());
    return 1;
  }
  std::fflush(stdout);
  if (!std::freopen("/dev/null", "w", stdout)) return 1;  // the game's trace lines
  auto t0 = std::chrono::steady_clock::now();
  resettablestate();

  // Deals are made here, by the game's routines on this thread, and played by two workers.
  std::vector<levelfigures> figures(lastlevel + 1);
  std::vector<std::vector<checkdeal>> deals(lastlevel + 1);
  joblist jobs;
  jobs.figures = &figures;
  jobs.deals = &deals;
  jobs.budget = budget;
  for (int lv = first; lv <= last; lv++) {
    levelfigures& f = figures[lv];
    f.level = lv;
    f.par = levelpar[lv];
    if (!checkloadlevel(lv)) {
      std::fprintf(stderr, "levelcheck: level %d missing\n", lv);
      continue;
    }
    f.present = true;
    f.deals = dealsper;
    for (int k = 0; k < dealsper; k++) deals[lv].push_back(checkmakedeal(lv, uint32_t(lv * 100003 + k * 7919 + 1)));
    describe(f, deals[lv][0]);
    jobs.levels.push_back(lv);
  }
  std::thread a(worker, &jobs), b(worker, &jobs);
  a.join();
  b.join();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

  // The report.
  std::ostringstream out;
  char line[512];
  int unsettled = 0;
  std::string unsettledlist;
  for (int lv = first; lv <= last; lv++)
    for (int k : figures[lv].unsettled) {
      unsettled++;
      unsettledlist += (unsettledlist.empty() ? "" : ", ") + std::to_string(lv) + "/" + std::to_string(k + 1);
    }
  out << "# How the levels play\n\n";
  out << "Written by levelcheck: every level over " << dealsper << " random deals, played by a blind player who sees "
      << "only the free faces, the covers and the stable, and by a perfect player who knows every card and the "
      << "stock order and searches for the fewest cards left (at most " << budget << " positions per deal). Both "
      << "play the stock as the game does (the helping stock of levels 1 to 4, the wild card from level 3) and use "
      << "no extras.\n\n";
  if (unsettled == 0)
    out << "Every deal was settled: the perfect player's figures are exact shares, not bounds.\n\n";
  else
    out << "Unsettled deals (the search ran out of positions; their figures count the best line found, so the "
        << "perfect columns are floors by at most these deals): " << unsettled << " (level/deal: " << unsettledlist
        << ").\n\n";
  out << "Columns: cards on the table, columns, face-down cards (under covers), special cards (P plant, B bonus, "
      << "F fishslap, G pig, N ninja), par; then for each player the share of deals within par, the strike share "
      << "and the mean cards left; the perfect player's unsettled deals, and the positions it searched, on "
      << "average and for the hardest deal. Targets for the blind player: within par at least 80 % on levels 1 to 9, "
      << "55 to 85 % on 10 to 31, 30 to 75 % from 32; perfect player at least 90 %; blind strikes above 1 %.\n\n";
  out << "| Level | Stage | Cards | Cols | Face-down | Specials | Par | Blind par % | Blind strike % | Blind left | "
         "Perfect par % | Perfect strike % | Perfect left | Unsettled | Positions | Most | Notes |\n";
  out << "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
  std::vector<std::string> misses;
  double previous = -1;
  for (int lv = first; lv <= last; lv++) {
    const levelfigures& f = figures[lv];
    if (!f.present) continue;
    double bs = pct(f.blindsolved, f.deals), bk = pct(f.blindstrike, f.deals);
    double ps = pct(f.perfectsolved, f.deals), pk = pct(f.perfectstrike, f.deals);
    std::string specials;
    addcount(specials, f.plants, "P");
    addcount(specials, f.bonus, "B");
    addcount(specials, f.fish, "F");
    addcount(specials, f.pigs, "G");
    addcount(specials, f.ninjas, "N");
    if (specials.empty()) specials = "-";
    std::string notes;
    double lo, hi;
    band(lv, lo, hi);
    if (bs < lo || bs > hi) notes += "blind outside band; ";
    if (ps < 90) notes += "perfect below 90; ";
    if (bk <= 1) notes += "strikes too rare; ";
    if (previous >= 0 && previous - bs > 20) notes += "jump over 20; ";
    previous = bs;
    if (!notes.empty()) misses.push_back("Level " + std::to_string(lv) + ": " + notes);
    std::snprintf(line, sizeof line,
                  "| %d | %d | %d | %d | %d | %s | %d | %.1f | %.1f | %.2f | %.1f | %.1f | %.2f | %zu | %.0f | %ld | %s |\n",
                  lv, stageof(lv), f.cards, f.cols, f.facedown, specials.c_str(), f.par, bs, bk,
                  double(f.blindleft) / f.deals, ps, pk, double(f.perfectleft) / f.deals, f.unsettled.size(),
                  double(f.nodes) / f.deals, f.mostnodes, notes.c_str());
    out << line;
  }
  // The stage's last level is never its easiest.
  for (int st = 1; st <= 27; st++) {
    int a = stagelast[st - 1] + 1, z = stagelast[st];
    if (a < first || z > last) continue;
    double easiest = -1, lastshare = pct(figures[z].blindsolved, figures[z].deals);
    for (int lv = a; lv < z; lv++) easiest = std::max(easiest, pct(figures[lv].blindsolved, figures[lv].deals));
    if (lastshare >= easiest) misses.push_back("Stage " + std::to_string(st) + ": its last level is its easiest");
  }
  out << "\n## Targets missed\n\n";
  if (misses.empty()) out << "None.\n";
  for (const auto& m : misses) out << "- " << m << "\n";
  std::snprintf(line, sizeof line, "\nRun time %.0f s (levelcheck <build folder> %d %d).\n", seconds, dealsper, budget);
  out << line;
  std::ofstream file(reportpath);
  file << out.str();
  std::fprintf(stderr, "levelcheck: %zu targets missed, %.0f s, report in %s\n", misses.size(), seconds,
               reportpath.c_str());
  return 0;
}

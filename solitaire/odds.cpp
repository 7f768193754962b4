#include "solitaire/odds.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/extras.h"
#include "solitaire/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace {

constexpr int wildfromlevel = 3;  // from this level one draw in 30 is the wild card
constexpr int wildodds = 30;
constexpr int helpinglevels = 5;  // levels below this draw a card that fits a column
constexpr int oddstablebits = 16; // the worker's position table: 2^16 slots
constexpr int oddsshowfrom = 24;  // the sign shows a figure once this many samples came back

// Where the sign stands: right of the stable, left of the plant bar (1024 layout, from midx).
constexpr int oddsx = 190;
constexpr int oddsy = 640;        // the plate's middle; the heading stands above it
constexpr float oddsscale = 0.6f; // the plate is the map's info field, shrunk

// One count: the view it samples, what came back. The worker owns a shared copy, so a count
// the game screen gives up on finishes its sample and lets go.
struct oddsjob {
  tableview view;
  int samples = 0;
  std::atomic<int> done{0};
  std::atomic<int> reached{0};
  std::atomic<bool> cancel{false};
  std::atomic<bool> finished{false};
};

std::shared_ptr<oddsjob> runningjob;  // the count the game screen reads, empty when none

uint64_t mix(uint64_t z) {
  z += 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

bool playerok() { return player >= 0 && player < playerslots; }

int stablerankofview() {
  const int p = player;
  if (stableid[p] == STABLE_FISHSLAP) return solvewildrank;
  if (stableid[p] >= 1 && stableid[p] <= cardcount) return identityrank(stableid[p]);
  return stablerank[p] >= 1 && stablerank[p] <= 13 ? stablerank[p] : 0;
}

// Plays the samples of one count, stopping early when the game screen gives it up.
void oddsworker(std::shared_ptr<oddsjob> job) {
  solvetable table;
  sizetable(table, oddstablebits);
  for (int i = 0; i < job->samples && !job->cancel.load(); i++) {
    checkdeal d = sampledeal(job->view, uint32_t(i * 7919 + 1));
    int answer = reachestarget(d, job->view.par, oddssamplenodes, table, nullptr, &job->cancel);
    if (job->cancel.load()) break;  // given up: what came back no longer counts
    if (answer == 1) job->reached++;
    job->done++;
  }
  job->finished = true;
}

}  // namespace

bool tableatrest() {
  if (!playerok() || gamestat != GAME_PLAY) return false;
  const int p = player;
  if (movetime[p] != 0 || movingcard != 0 || drawrequest != 0 || drawtime[p] != 20 || extraflying()) return false;
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[p][s] > 0 && cardturn[p][s] > 1) return false;
  return true;
}

tableview readtableview() {
  tableview v;
  if (!playerok()) return v;
  const int p = player;
  checkdeal& d = v.deal;
  d.level = level;
  v.par = level >= 1 && level <= levelcount ? levelpar[level] : 0;
  int ncol = std::clamp(columns[p], 0, solvecolumns);
  d.columns.assign(size_t(ncol), {});
  v.slots.assign(size_t(ncol), {});
  std::array<int, cardcount + 1> seen{};
  for (int c = 1; c <= ncol; c++) {
    std::vector<std::pair<int, int>> order;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[p][s] > 0 && cardcolumn[p][s] == c) order.push_back({carddepth[p][s], s});
    std::sort(order.begin(), order.end());
    for (auto [depth, s] : order) {
      checkcard k;
      int value = cardvalue[p][s];
      k.param = cardparam[p][s];
      k.cover = cardcover[p][s];
      bool faceup = cardfaceup[p][s] == 1;
      k.facedown = cardautoturn[p][s] == 0 && !faceup ? 1 : 0;
      if (value >= 1 && value <= 13) {
        if (faceup) {
          k.value = value;
          k.identity = cardidentity(value, cardsuit[p][s]);
          seen[k.identity] = 1;
        } else {
          v.hidden.push_back({c - 1, int(d.columns[c - 1].size())});
        }
      } else {
        k.value = value;
      }
      d.columns[c - 1].push_back(k);
      v.slots[c - 1].push_back(s);
    }
  }
  // Seen: the faces on the table, the cards drawn, the table cards already taken.
  std::array<int, cardcount + 1> live{};
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[p][s] >= 1 && cardvalue[p][s] <= 13) live[cardidentity(cardvalue[p][s], cardsuit[p][s])] = 1;
  for (int id = 1; id <= cardcount; id++) {
    if (deckstate[p][id] == 2 || (deckstate[p][id] == 1 && live[id] == 0)) seen[id] = 1;
    if (seen[id] == 0) v.unseen.push_back(id);
  }
  finishdeal(d);
  d.started = true;
  d.stablestart = stablerankofview();
  d.stockstart = std::max(stock[p], 1);
  d.helping = level < helpinglevels;
  return v;
}

uint64_t tableviewdigest(const tableview& v) {
  uint64_t h = mix(uint64_t(v.deal.level) << 32 | uint64_t(v.deal.stockstart) << 8 | uint64_t(v.deal.stablestart));
  for (const auto& col : v.deal.columns) {
    h = mix(h ^ col.size());
    for (const auto& k : col) h = mix(h ^ uint64_t(k.value * 64 + k.identity) ^ uint64_t(k.facedown + 2 * k.cover) << 20);
  }
  return h | 1;
}

checkdeal sampledeal(const tableview& v, uint32_t seed) {
  checkdeal d = v.deal;
  d.seed = seed;
  std::mt19937 rng(seed);
  std::vector<int> pool = v.unseen;
  std::shuffle(pool.begin(), pool.end(), rng);
  size_t next = 0;
  for (auto [c, i] : v.hidden) {
    checkcard& k = d.columns[size_t(c)][size_t(i)];
    if (next < pool.size()) {
      k.identity = pool[next++];
      k.value = identityrank(k.identity);
    } else {
      k.value = std::uniform_int_distribution<int>(1, 13)(rng);  // more hidden cards than unseen ones: a damaged table
    }
  }
  // What the stock may still hold: every unseen identity not on the table.
  d.deckstate.fill(2);
  for (size_t j = 0; j < pool.size(); j++) d.deckstate[size_t(pool[j])] = j < next ? 1 : 0;
  if (!d.helping) {
    int draws = std::max(0, d.stockstart - 1);
    for (int k = 0; k < draws; k++) {
      bool wild = d.level >= wildfromlevel && std::uniform_int_distribution<int>(1, wildodds)(rng) == 1;
      if (wild) d.stockorder.push_back(solvewild);
      else d.stockorder.push_back(next < pool.size() ? pool[next++] : 0);
    }
  }
  return d;
}

int countodds(const tableview& v, int samples, int* reached) {
  solvetable table;
  sizetable(table, oddstablebits);
  int hits = 0;
  for (int i = 0; i < samples; i++) {
    checkdeal d = sampledeal(v, uint32_t(i * 7919 + 1));
    hits += reachestarget(d, v.par, oddssamplenodes, table) == 1;
  }
  if (reached) *reached = hits;
  return samples > 0 ? (hits * 100 + samples / 2) / samples : 0;
}

void resetodds() {
  if (runningjob) runningjob->cancel = true;
  runningjob.reset();
  oddspercent = -1;
  oddscounted = 0;
  oddsfinished = 0;
  oddsdigest = 0;
}

void oddswait() {
  while (runningjob && !runningjob->finished.load()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  oddsframe();
}

void oddsframe() {
  if (KeyHit('O') > 0) oddson = 1 - oddson;
  if (oddson == 0) {
    if (runningjob) resetodds();
    return;
  }
  // A move changed the table: the count starts again from the table as it lies.
  if (tableatrest()) {
    tableview v = readtableview();
    uint64_t digest = tableviewdigest(v);
    if (digest != oddsdigest) {
      resetodds();
      oddsdigest = digest;
      auto job = std::make_shared<oddsjob>();
      job->view = std::move(v);
      job->samples = oddssamplecount;
      runningjob = job;
      std::thread(oddsworker, job).detach();
    }
  }
  if (!runningjob) return;
  int done = runningjob->done.load();
  int reached = runningjob->reached.load();
  oddsfinished = runningjob->finished.load() ? 1 : 0;
  // A count that has found no way yet says nothing until it is finished: 0 means no sample at all.
  if ((done >= oddsshowfrom && reached > 0) || (oddsfinished == 1 && done > 0)) {
    oddscounted = done;
    oddspercent = (reached * 100 + done / 2) / done;
    // A share that rounds to 0 while some sample reached par is still a chance.
    if (oddspercent == 0 && reached > 0) oddspercent = 1;
  }
}

void drawoddssign() {
  if (oddson == 0 || !playerok() || gamestat == GAME_END) return;
  int x = midx + oddsx, y = oddsy;
  SetScale(oddsscale, oddsscale);
  drawimg(fieldimg, x, y);
  SetScale(1, 1);
  std::string line;
  if (oddspercent < 0) line = "...";
  else if (oddspercent == 0 && oddsfinished == 1) line = gametext(4, 3);
  else line = std::to_string(oddspercent) + " %";
  drawtext(gametext(4, 2), x, y - 30, ALIGN_CENTRE, 2);
  drawtext(line, x, y + 2, ALIGN_CENTRE, 2);
}

// Contact sheets of every picture the forge lists in data/manifest.txt, one or more pages
// per folder, each picture at true size on a neutral checker so that transparency shows.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "text/fonts.h"
#include <map>
#include <vector>

namespace {
struct sheetpic {
  std::string path;
  int w, h;
};

constexpr int sheetw = 2000, sheeth = 2400, pad = 14, labelh = 16;

Image checker() {
  std::vector<uint8_t> p(32 * 32 * 4);
  for (int y = 0; y < 32; y++)
    for (int x = 0; x < 32; x++) {
      uint8_t v = ((x / 16) ^ (y / 16)) & 1 ? 118 : 138;
      uint8_t* o = &p[(y * 32 + x) * 4];
      o[0] = o[1] = o[2] = v;
      o[3] = 255;
    }
  return CreateImageFromPixels(p.data(), 32, 32, 0);
}

void drawbackdrop(const Image& tile) {
  for (int y = 0; y < sheeth; y += 32)
    for (int x = 0; x < sheetw; x += 32) DrawImage(tile, float(x), float(y), 0);
}
}  // namespace

bool snappictures() {
  Stream f = ReadFile("data/manifest.txt");
  if (!f) return false;
  std::map<std::string, std::vector<sheetpic>> folders;
  while (!Eof(f)) {
    std::string line = ReadLine(f);
    size_t a = line.find('\t'), b = line.find('\t', a + 1), c = line.find('\t', b + 1);
    if (a == std::string::npos || b == std::string::npos) continue;
    std::string path = line.substr(0, a);
    if (path.size() < 4 || (path.substr(path.size() - 4) != ".png" && path.substr(path.size() - 4) != ".jpg")) continue;
    size_t slash = path.rfind('/');
    folders[slash == std::string::npos ? "." : path.substr(0, slash)].push_back(
        {path, toint(line.substr(a + 1, b - a - 1)), toint(line.substr(b + 1, c - b - 1))});
  }
  CloseFile(f);
  snapscreen(sheetw, sheeth);
  loadfonts();
  AutoMidHandle(false);
  Image tile = checker();
  bool ok = true;
  for (auto& [folder, pics] : folders) {
    int page = 1, x = pad, y = pad, rowh = 0;
    auto flush = [&](bool last) {
      std::string name = "pictures-" + replace(folder, "/", "-") + (page > 1 || !last ? "-" + str(page) : "");
      ok = savesnapshot(name) && ok;
      page++;
    };
    Cls();
    drawbackdrop(tile);
    for (size_t i = 0; i < pics.size(); i++) {
      const sheetpic& p = pics[i];
      if (x + p.w + pad > sheetw && x > pad) {
        x = pad;
        y += rowh + labelh + pad;
        rowh = 0;
      }
      if (y + p.h + labelh + pad > sheeth && y > pad) {
        flush(false);
        Cls();
        drawbackdrop(tile);
        x = y = pad;
        rowh = 0;
      }
      Image img = LoadImage("data/" + p.path, -1);
      resetdrawstate();
      if (img) DrawImage(img, float(x), float(y), 0);
      else ok = false;
      std::string label = p.path.substr(p.path.rfind('/') + 1);
      if (img && (img->picw != p.w || img->pich != p.h)) label += " SIZE?";
      drawtext(img ? label : label + " MISSING", float(x), float(y + p.h + 2), 1, 7);
      x += std::max(p.w, textwidth(label, 7)) + pad;
      rowh = std::max(rowh, p.h);
    }
    flush(page == 1);
  }
  AutoMidHandle(true);
  return ok;
}

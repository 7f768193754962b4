#include "runtime/draw.h"
#include "runtime/stream.h"
#include "runtime/testinput.h"
#include <algorithm>
#include <SDL.h>
#include <jpeglib.h>
#include <png.h>
#include <cmath>
#include <csetjmp>
#include <cstring>

// The display: a window with a renderer and a render-target texture of the virtual size,
// copied stretched onto the whole window at Flip; or, headless, a software renderer on a surface.
static bool headless = false;
static SDL_Window* window = nullptr;
static SDL_Renderer* renderer = nullptr;
static SDL_Texture* target = nullptr;   // the virtual screen (windowed mode only)
static SDL_Surface* surface = nullptr;  // the virtual screen (headless only)
static int generation = 0;              // bumps whenever the renderer is recreated
static bool automidhandle = false;
static int drawcalls = 0;
static bool renderertiming = false;  // benchmarks only
static bool pixelfill = true;        // false: draw calls fill nothing (soak, autoplay)
static int nonfinitevertices = 0;    // corners that came out NaN or infinite while not filling
static double renderermicros = 0;
static SDL_Rect cliprect{0, 0, 0, 0};
static bool clipon = false;
// The display a headless run pretends to have (tests set others): a 1024 x 768 desktop that
// offers only its own size and lets full screen switch to it, a window as large as asked for
// (0 = as asked; else the size the window manager or the player's drag gave it), and one real
// pixel per window unit.
static int nulldesktopw = 1024, nulldesktoph = 768;
static std::vector<std::pair<int, int>> nullmodes = {{1024, 768}};
static bool nullswitchok = true;   // the desktop lets full screen change the monitor's mode
static int nullwindoww = 0, nullwindowh = 0;
static bool nullmaximized = false;
static float nullpixelscale = 1;   // real pixels per window unit (2 on a HiDPI screen)
// Full screen over the desktop at its own size: asked for, or the monitor could not be
// switched to the mode asked for. The virtual screen then keeps its shape between bars.
static bool fullscreendesktop = false;
// A window is never dragged smaller than this, so the picture stays readable.
constexpr int windowminw = 320, windowminh = 240;

ImageData::~ImageData() {
  if (texture && texturegen == generation) SDL_DestroyTexture(texture);
}

void SetHeadless(bool on) { headless = on; }

void testdisplay(int desktopw, int desktoph, const std::vector<std::pair<int, int>>& modes) {
  nulldesktopw = desktopw;
  nulldesktoph = desktoph;
  nullmodes = modes;
}
void testwindowsize(int w, int h) {
  nullwindoww = w > 0 ? std::max(w, windowminw) : 0;
  nullwindowh = h > 0 ? std::max(h, windowminh) : 0;
  nullmaximized = false;
}
void testmodeswitch(bool allowed) { nullswitchok = allowed; }
void testpixelscale(float scale) { nullpixelscale = scale > 0 ? scale : 1; }
void testresetdisplay() {
  testdisplay(1024, 768, {{1024, 768}});
  testwindowsize(0, 0);
  testmodeswitch(true);
  testpixelscale(1);
}
bool IsHeadless() { return headless; }

static void resetstate() {
  drawstate = DrawState();
  drawstate.g_width = drawstate.g_width;
}

static void destroyrenderer() {
  if (target) SDL_DestroyTexture(target);
  target = nullptr;
  if (renderer) SDL_DestroyRenderer(renderer);
  renderer = nullptr;
  if (surface) SDL_FreeSurface(surface);
  surface = nullptr;
  generation++;
}

// (Re)creates what the frame is drawn into, at the virtual size.
static bool makescreen(int vw, int vh) {
  if (headless) {
    if (renderer) destroyrenderer();
    surface = SDL_CreateRGBSurfaceWithFormat(0, vw, vh, 32, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return false;
    renderer = SDL_CreateSoftwareRenderer(surface);
    if (!renderer) return false;
  } else {
    if (target) SDL_DestroyTexture(target);
    target = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET, vw, vh);
    if (!target) return false;
    SDL_SetTextureScaleMode(target, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(renderer, target);
  }
  drawstate.vres_width = float(vw);
  drawstate.vres_height = float(vh);
  drawstate.vres_mousexscale = drawstate.g_width > 0 ? float(vw) / drawstate.g_width : 1;
  drawstate.vres_mouseyscale = drawstate.g_height > 0 ? float(vh) / drawstate.g_height : 1;
  drawstate.viewport_x = drawstate.viewport_y = 0;
  drawstate.viewport_w = vw;
  drawstate.viewport_h = vh;
  clipon = false;
  SDL_RenderSetClipRect(renderer, nullptr);
  return true;
}

// The display modes and the desktop size can be asked before any graphics are open.
static bool videoinit() {
  return SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
}

// Full screen in the mode asked for; false when the monitor has no mode of exactly that size
// or the desktop refuses to switch (the window is then left as it was).
static bool switchmode(int width, int height, int hertz) {
  SDL_DisplayMode want{SDL_PIXELFORMAT_UNKNOWN, width, height, hertz, nullptr}, got;
  int display = std::max(0, SDL_GetWindowDisplayIndex(window));
  if (!SDL_GetClosestDisplayMode(display, &want, &got) || got.w != width || got.h != height) return false;
  if (SDL_SetWindowDisplayMode(window, &got) != 0) return false;
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0;
}

bool Graphics(int width, int height, int depth, int hertz, int flags) {
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  if (!videoinit()) return false;
  destroyrenderer();
  resetstate();
  drawstate.g_width = width;
  drawstate.g_height = height;
  bool full = depth > 0 || (flags & GFX_DESKTOP) != 0;
  fullscreendesktop = (flags & GFX_DESKTOP) != 0;
  if (headless) {
    // A new window has the size asked for; full screen falls back to the desktop where the
    // desktop refuses to switch. (The game asks only for modes the monitor lists.)
    nullwindoww = nullwindowh = 0;
    nullmaximized = false;
    if (full && !nullswitchok) fullscreendesktop = true;
    return makescreen(width, height);
  }
  if (!window) {
    // Hidden until it has its final size and mode, so the desktop sees no flicker.
    Uint32 wflags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    window = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, wflags);
    if (!window) return false;
    SDL_SetWindowMinimumSize(window, windowminw, windowminh);
  } else {
    SDL_SetWindowFullscreen(window, 0);
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) SDL_RestoreWindow(window);  // else it keeps its size
  }
  if (!full) {
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else if (!fullscreendesktop && !switchmode(width, height, hertz)) {
    fullscreendesktop = true;
  }
  if (fullscreendesktop) SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_ShowWindow(window);
  renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC | SDL_RENDERER_TARGETTEXTURE);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_TARGETTEXTURE);
  if (!renderer) return false;
  return makescreen(width, height);
}

bool FullscreenDesktop() { return fullscreendesktop; }

void EndGraphics() {
  destroyrenderer();
  if (window) SDL_DestroyWindow(window);
  window = nullptr;
}

int GraphicsModeExists(int width, int height, int depth, int hertz) {
  if (headless) {
    for (const auto& m : nullmodes)
      if ((width == 0 || m.first == width) && (height == 0 || m.second == height) && (depth == 0 || depth == 32)) return 1;
    return 0;
  }
  if (!videoinit()) return 0;
  int n = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < n; i++) {
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
    int bpp = SDL_BITSPERPIXEL(m.format) >= 24 ? 32 : int(SDL_BITSPERPIXEL(m.format));
    if ((width == 0 || m.w == width) && (height == 0 || m.h == height) && (depth == 0 || bpp == depth) &&
        (hertz == 0 || m.refresh_rate == 0 || m.refresh_rate == hertz))
      return 1;
  }
  return 0;
}

static int desktopsize(bool w) {
  SDL_DisplayMode m;
  if (headless) return w ? nulldesktopw : nulldesktoph;
  if (!videoinit() || SDL_GetDesktopDisplayMode(0, &m) != 0) return w ? 1366 : 768;
  return w ? m.w : m.h;
}
int DesktopWidth() { return desktopsize(true); }
int DesktopHeight() { return desktopsize(false); }

void SetVirtualResolution(float width, float height) { makescreen(int(width), int(height)); }

void SetViewport(int x, int y, int w, int h) {
  drawstate.viewport_x = x;
  drawstate.viewport_y = y;
  drawstate.viewport_w = w;
  drawstate.viewport_h = h;
  if (!renderer) return;
  bool whole = x <= 0 && y <= 0 && x + w >= drawstate.vres_width && y + h >= drawstate.vres_height;
  if (whole) {
    if (clipon) SDL_RenderSetClipRect(renderer, nullptr);
    clipon = false;
    return;
  }
  SDL_Rect r{x, y, w < 0 ? 0 : w, h < 0 ? 0 : h};
  if (clipon && std::memcmp(&r, &cliprect, sizeof r) == 0) return;
  cliprect = r;
  clipon = true;
  SDL_RenderSetClipRect(renderer, &r);
}

void Cls() {
  drawcalls = 0;
  renderermicros = 0;
  if (!renderer) return;
  if (!headless) SDL_SetRenderTarget(renderer, target);
  SDL_SetRenderDrawColor(renderer, Uint8(drawstate.clscolor_red), Uint8(drawstate.clscolor_green),
                         Uint8(drawstate.clscolor_blue), 255);
  if (pixelfill) SDL_RenderClear(renderer);
}

void SetPixelFill(bool on) { pixelfill = on; }
int NonFiniteVertices() { return nonfinitevertices; }
// The virtual screen's place in an area of realw x realh: all of it when the area has the size
// the graphics were opened at (a switched mode may stretch the layout, as mode 1024 x 600 does),
// else the virtual screen's own shape, as large as fits, centred between bars.
static void fitrect(int realw, int realh, int& x, int& y, int& w, int& h) {
  x = y = 0;
  w = realw;
  h = realh;
  const DrawState& d = drawstate;
  bool asked = realw == d.g_width && realh == d.g_height;
  if (realw <= 0 || realh <= 0 || d.vres_width <= 0 || d.vres_height <= 0 || (asked && !fullscreendesktop)) return;
  double k = std::min(double(realw) / d.vres_width, double(realh) / d.vres_height);
  w = std::max(1, int(d.vres_width * k + 0.5));
  h = std::max(1, int(d.vres_height * k + 0.5));
  x = (realw - w) / 2;
  y = (realh - h) / 2;
}

void ScreenRect(int& x, int& y, int& w, int& h) {
  int winw = WindowWidth(), winh = WindowHeight();
  fitrect(winw, winh, x, y, w, h);
}

// The same place in the renderer's real pixels, which a HiDPI screen has more of than window
// units: measured on the pixel grid itself, so the bars are whole pixels at any density.
static void pixelrect(SDL_Rect& dst) {
  int winw = WindowWidth(), winh = WindowHeight(), outw = DrawableWidth(), outh = DrawableHeight();
  if (winw <= 0 || winh <= 0 || outw <= 0 || outh <= 0) {
    dst = SDL_Rect{0, 0, outw, outh};
    return;
  }
  // Whole-window cases keep the whole output; the rest fit the virtual shape into the output.
  int wx, wy, ww, wh;
  fitrect(winw, winh, wx, wy, ww, wh);
  if (ww == winw && wh == winh) {
    dst = SDL_Rect{0, 0, outw, outh};
    return;
  }
  fitrect(outw, outh, dst.x, dst.y, dst.w, dst.h);
}

bool Flip(int sync) {
  if (!renderer) return false;
  if (headless) {
    SDL_RenderFlush(renderer);
    return true;
  }
  if (SDL_SetRenderTarget(renderer, nullptr) != 0) return false;
  SDL_RenderSetClipRect(renderer, nullptr);
  SDL_Rect dst;
  pixelrect(dst);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);  // the bars, when the window has another shape than the picture
  SDL_RenderCopy(renderer, target, nullptr, &dst);
  SDL_RenderPresent(renderer);
  SDL_SetRenderTarget(renderer, target);
  if (clipon) SDL_RenderSetClipRect(renderer, &cliprect);
  return true;
}

void SetWindowTitle(const std::string& title) {
  if (window) SDL_SetWindowTitle(window, title.c_str());
}

void MinimizeWindow() {
  if (window) SDL_MinimizeWindow(window);
}

// The simulated window: as large as asked, the desktop in desktop full screen, or what the
// player's drag or the window manager made of it.
static int nullwindowsize(bool w) {
  if (w ? nullwindoww > 0 : nullwindowh > 0) return w ? nullwindoww : nullwindowh;
  if (fullscreendesktop) return w ? nulldesktopw : nulldesktoph;
  return w ? drawstate.g_width : drawstate.g_height;
}

int WindowWidth() {
  if (!window) return nullwindowsize(true);
  int w, h;
  SDL_GetWindowSize(window, &w, &h);
  return w;
}
int WindowHeight() {
  if (!window) return nullwindowsize(false);
  int w, h;
  SDL_GetWindowSize(window, &w, &h);
  return h;
}

static int drawablesize(bool w) {
  int outw = 0, outh = 0;
  if (renderer && !headless && SDL_GetRendererOutputSize(renderer, &outw, &outh) == 0) return w ? outw : outh;
  return int((w ? WindowWidth() : WindowHeight()) * nullpixelscale + 0.5f);
}
int DrawableWidth() { return drawablesize(true); }
int DrawableHeight() { return drawablesize(false); }

void ResizeWindow(int w, int h) {
  w = std::max(w, windowminw);
  h = std::max(h, windowminh);
  if (!window) {
    if (!fullscreendesktop) {
      nullwindoww = w;
      nullwindowh = h;
      nullmaximized = false;
    }
    return;
  }
  if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) return;
  SDL_SetWindowSize(window, w, h);
  SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void MaximizeWindow() {
  if (window) {
    if (!(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN)) SDL_MaximizeWindow(window);
    return;
  }
  if (fullscreendesktop || drawstate.g_width <= 0) return;
  // The desktop less an assumed 30-pixel title bar, as the window's frame is measured below.
  nullwindoww = std::max(nulldesktopw, windowminw);
  nullwindowh = std::max(nulldesktoph - 30, windowminh);
  nullmaximized = true;
}

int WindowMaximized() {
  if (!window) return nullmaximized ? 1 : 0;
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) ? 1 : 0;
}

void WindowRect(int& x1, int& y1, int& x2, int& y2) {
  int top = 0, left = 0, bottom = 0, right = 0, wx = 0, wy = 0;
  // Without a frame the system can tell (headless, no window manager), a title bar is assumed.
  if (!window || SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0 || top + bottom == 0) top = 30;
  if (window) SDL_GetWindowPosition(window, &wx, &wy);
  x1 = wx - left;
  y1 = wy - top;
  x2 = wx + WindowWidth() + right;
  y2 = wy + WindowHeight() + bottom;
}

static int clampi(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void SetColor(int r, int g, int b) {
  drawstate.color_red = clampi(r, 0, 255);
  drawstate.color_green = clampi(g, 0, 255);
  drawstate.color_blue = clampi(b, 0, 255);
}
void GetColor(int& r, int& g, int& b) {
  r = drawstate.color_red;
  g = drawstate.color_green;
  b = drawstate.color_blue;
}
void SetAlpha(float a) { drawstate.color_alpha = a < 0 ? 0 : a > 1 ? 1 : a; }
float GetAlpha() { return drawstate.color_alpha; }
void SetBlend(int mode) { drawstate.blend_mode = mode; }
void SetClsColor(int r, int g, int b) {
  drawstate.clscolor_red = clampi(r, 0, 255);
  drawstate.clscolor_green = clampi(g, 0, 255);
  drawstate.clscolor_blue = clampi(b, 0, 255);
}

static void updatematrix() {
  double rad = drawstate.tform_rot * M_PI / 180.0;
  double c = std::cos(rad), s = std::sin(rad);
  drawstate.tform_ix = float(c * drawstate.tform_scale_x);
  drawstate.tform_iy = float(-s * drawstate.tform_scale_y);
  drawstate.tform_jx = float(s * drawstate.tform_scale_x);
  drawstate.tform_jy = float(c * drawstate.tform_scale_y);
}
void SetScale(float x, float y) {
  drawstate.tform_scale_x = x;
  drawstate.tform_scale_y = y;
  updatematrix();
}
void GetScale(float& x, float& y) {
  x = drawstate.tform_scale_x;
  y = drawstate.tform_scale_y;
}
void SetRotation(float degrees) {
  drawstate.tform_rot = degrees;
  updatematrix();
}

// ---- Decoding pictures ----

// The game's largest picture is 1400 pixels wide. A damaged header may promise 16384 x 16384
// (a gigabyte of pixels, allocated before the data runs out): such a picture is refused.
constexpr unsigned picturesidelimit = 4096;

static bool decodepng(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& rgba, int& w, int& h, bool& alpha) {
  png_image img;
  std::memset(&img, 0, sizeof img);
  img.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return false;
  alpha = (img.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  img.format = PNG_FORMAT_RGBA;
  if (img.width == 0 || img.height == 0 || img.width > picturesidelimit || img.height > picturesidelimit) {
    png_image_free(&img);
    return false;
  }
  rgba.resize(PNG_IMAGE_SIZE(img));
  if (!png_image_finish_read(&img, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&img);
    return false;
  }
  w = int(img.width);
  h = int(img.height);
  return true;
}

struct jpegerr {
  jpeg_error_mgr mgr;
  jmp_buf jump;
};
static void jpegfail(j_common_ptr c) { longjmp(reinterpret_cast<jpegerr*>(c->err)->jump, 1); }
static void jpegmessage(j_common_ptr c, int level) {
  // A warning means damaged data (a truncated file gets a made-up end): treat it as a failure.
  if (level < 0) longjmp(reinterpret_cast<jpegerr*>(c->err)->jump, 1);
}

static bool decodejpeg(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& rgba, int& w, int& h) {
  jpeg_decompress_struct c;
  jpegerr err;
  c.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = jpegfail;
  err.mgr.emit_message = jpegmessage;
  std::vector<uint8_t> row;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&c, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  // Checked before decoding starts: a progressive picture's buffers are as large as its header says.
  if (c.image_width > picturesidelimit || c.image_height > picturesidelimit) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  c.out_color_space = JCS_RGB;
  jpeg_start_decompress(&c);
  w = int(c.output_width);
  h = int(c.output_height);
  if (w <= 0 || h <= 0 || unsigned(w) > picturesidelimit || unsigned(h) > picturesidelimit || c.output_components != 3) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  rgba.assign(size_t(w) * h * 4, 255);
  row.resize(size_t(w) * 3);
  while (c.output_scanline < c.output_height) {
    int y = int(c.output_scanline);
    JSAMPROW rp = row.data();
    jpeg_read_scanlines(&c, &rp, 1);
    uint8_t* o = &rgba[size_t(y) * w * 4];
    for (int x = 0; x < w; x++) {
      o[x * 4] = row[x * 3];
      o[x * 4 + 1] = row[x * 3 + 1];
      o[x * 4 + 2] = row[x * 3 + 2];
    }
  }
  jpeg_finish_decompress(&c);
  jpeg_destroy_decompress(&c);
  return true;
}

// Transparent pixels take the colour of an opaque neighbour, so filtered edges do not darken.
// Only transparent pixels change and only opaque ones are read, so the picture is its own source.
static void bleededges(std::vector<uint8_t>& p, int w, int h) {
  uint8_t* px = p.data();
  for (int y = 0; y < h; y++) {
    const int ny0 = y > 0 ? y - 1 : 0, ny1 = y < h - 1 ? y + 1 : y;
    for (int x = 0; x < w; x++) {
      uint8_t* o = px + (size_t(y) * w + x) * 4;
      if (o[3] != 0) continue;
      const int nx0 = x > 0 ? x - 1 : 0, nx1 = x < w - 1 ? x + 1 : x;
      int r = 0, g = 0, b = 0, n = 0;
      for (int ny = ny0; ny <= ny1; ny++) {
        const uint8_t* q = px + (size_t(ny) * w + nx0) * 4;
        for (int nx = nx0; nx <= nx1; nx++, q += 4) {
          if (q[3] == 0) continue;
          r += q[0];
          g += q[1];
          b += q[2];
          n++;
        }
      }
      if (n) {
        o[0] = uint8_t(r / n);
        o[1] = uint8_t(g / n);
        o[2] = uint8_t(b / n);
      }
    }
  }
}

// Whether a picture lets anything through, and the box its visible pixels lie in: a big
// picture that is mostly clear (a hill along the bottom of the screen) is drawn over that box
// only.
static void seenbox(ImageData& img, const std::vector<uint8_t>& rgba, int w, int h) {
  img.opaque = !rgba.empty();
  img.seenx0 = w;
  img.seeny0 = h;
  img.seenx1 = img.seeny1 = 0;
  for (int y = 0; y < h; y++) {
    const uint8_t* row = rgba.data() + size_t(y) * w * 4;
    int first = 0;
    while (first < w && row[first * 4 + 3] == 0) first++;
    if (first == w) {
      img.opaque = false;
      continue;
    }
    int last = w - 1;
    while (row[last * 4 + 3] == 0) last--;
    if (img.opaque)
      for (int x = 0; x < w && img.opaque; x++) img.opaque = row[x * 4 + 3] == 255;
    img.seenx0 = std::min(img.seenx0, first);
    img.seenx1 = std::max(img.seenx1, last + 1);
    img.seeny0 = std::min(img.seeny0, y);
    img.seeny1 = y + 1;
  }
}

static Image makeimage(std::vector<uint8_t>&& rgba, int w, int h, bool alpha, int flags) {
  if (flags == -1) flags = IMG_MASKED | IMG_FILTERED;
  if ((flags & IMG_MASKED) && !alpha)
    for (size_t i = 0; i < rgba.size(); i += 4)
      rgba[i + 3] = (rgba[i] == 0 && rgba[i + 1] == 0 && rgba[i + 2] == 0) ? 0 : 255;
  if (flags & IMG_FILTERED) bleededges(rgba, w, h);
  Image img = std::make_shared<ImageData>();
  seenbox(*img, rgba, w, h);
  img->flags = flags;
  img->picw = img->width = w;
  img->pich = img->height = h;
  img->hasalpha = alpha;
  img->pixels = std::move(rgba);
  img->framex = {0};
  img->framey = {0};
  return img;
}

static Image loadpicture(const std::string& path, int flags) {
  bool ok = false;
  std::vector<uint8_t> bytes = ReadAllBytes(path, ok);
  if (!ok || bytes.size() < 8) return nullptr;
  std::vector<uint8_t> rgba;
  int w = 0, h = 0;
  bool alpha = false;
  static const uint8_t pngsig[8] = {137, 80, 78, 71, 13, 10, 26, 10};
  if (std::memcmp(bytes.data(), pngsig, 8) == 0) {
    if (!decodepng(bytes, rgba, w, h, alpha)) return nullptr;
  } else if (bytes[0] == 0xFF && bytes[1] == 0xD8) {
    if (!decodejpeg(bytes, rgba, w, h)) return nullptr;
  } else {
    return nullptr;
  }
  return makeimage(std::move(rgba), w, h, alpha, flags);
}

Image LoadImage(const std::string& path, int flags) {
  Image img = loadpicture(path, flags);
  if (img && automidhandle) MidHandleImage(img);
  return img;
}

Image LoadAnimImage(const std::string& path, int cellw, int cellh, int first, int count, int flags) {
  if (cellw <= 0 || cellh <= 0 || count <= 0 || first < 0) return nullptr;
  Image img = loadpicture(path, flags);
  if (!img) return nullptr;
  int perrow = img->picw / cellw, cells = perrow * (img->pich / cellh);
  if (cells < first + count) return nullptr;
  img->width = cellw;
  img->height = cellh;
  img->frames = count;
  img->framex.resize(count);
  img->framey.resize(count);
  for (int i = 0; i < count; i++) {
    int c = first + i;
    img->framex[i] = cellw * (c % perrow);
    img->framey[i] = cellh * (c / perrow);
  }
  if (automidhandle) MidHandleImage(img);
  return img;
}

Image CreateImageFromPixels(const uint8_t* rgba, int w, int h, int flags) {
  if (!rgba || w <= 0 || h <= 0) return nullptr;
  std::vector<uint8_t> p(rgba, rgba + size_t(w) * h * 4);
  Image img = makeimage(std::move(p), w, h, true, flags);
  if (automidhandle) MidHandleImage(img);
  return img;
}

void AutoMidHandle(bool on) { automidhandle = on; }
bool AutoMidHandleOn() { return automidhandle; }
void MidHandleImage(const Image& image) {
  if (!image) return;
  image->handle_x = image->width * 0.5f;
  image->handle_y = image->height * 0.5f;
}
void SetImageHandle(const Image& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}
int ImageWidth(const Image& image) { return image ? image->width : 0; }
int ImageHeight(const Image& image) { return image ? image->height : 0; }

// ---- Drawing ----

static bool ensuretexture(ImageData& img) {
  if (img.texture && img.texturegen == generation) return true;
  img.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, img.picw, img.pich);
  if (!img.texture) return false;
  SDL_UpdateTexture(img.texture, nullptr, img.pixels.data(), img.picw * 4);
  SDL_SetTextureScaleMode(img.texture, (img.flags & IMG_FILTERED) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  img.texturegen = generation;
  img.textureblend = -1;
  return true;
}

static SDL_BlendMode sdlblend(int mode) {
  switch (mode) {
    case BLEND_SOLID: return SDL_BLENDMODE_NONE;
    case BLEND_LIGHT: return SDL_BLENDMODE_ADD;
    case BLEND_SHADE: return SDL_BLENDMODE_MOD;
    default: return SDL_BLENDMODE_BLEND;  // mask draws like alpha: the game switches to alpha before drawing
  }
}

// Turned pictures wider or taller than this are drawn in tiles of at most turnedtile pixels.
constexpr int turnedtilemax = 512;
constexpr int turnedtile = 256;

void DrawImage(const Image& image, float x, float y, int frame) {
  if (!image || !renderer || frame < 0 || frame >= image->frames) return;
  ImageData& img = *image;
  if (!ensuretexture(img)) return;
  const DrawState& d = drawstate;
  SDL_Color col{Uint8(d.color_red), Uint8(d.color_green), Uint8(d.color_blue), Uint8(d.color_alpha * 255.0f + 0.5f)};
  // An opaque picture drawn upright at full alpha covers what lies under it whether blended or
  // not: copied, it looks the same and costs a renderer without a graphics card far less (the
  // title's sky and hills are most of the loading screen's frame).
  int blend = drawstate.blend_mode;
  if (img.opaque && col.a == 255 && (blend == BLEND_ALPHA || blend == BLEND_MASK) && d.tform_iy == 0 && d.tform_jx == 0)
    blend = BLEND_SOLID;
  if (img.textureblend != blend) {
    SDL_SetTextureBlendMode(img.texture, sdlblend(blend));
    img.textureblend = blend;
  }
  float x0 = -img.handle_x, y0 = -img.handle_y, x1 = x0 + img.width, y1 = y0 + img.height;
  float ox = x + d.origin_x, oy = y + d.origin_y;
  float u0 = float(img.framex[frame]) / img.picw, v0 = float(img.framey[frame]) / img.pich;
  // Blended or lit, clear pixels change nothing: a single picture is drawn over the box of its
  // visible pixels and one more all round, the most a filtered sample reaches.
  if (img.width == img.picw && img.height == img.pich && blend != BLEND_SOLID && blend != BLEND_SHADE) {
    if (img.seenx1 <= img.seenx0) {  // nothing to see
      drawcalls++;
      return;
    }
    const int bx0 = std::max(0, img.seenx0 - 1), by0 = std::max(0, img.seeny0 - 1);
    const int bx1 = std::min(img.picw, img.seenx1 + 1), by1 = std::min(img.pich, img.seeny1 + 1);
    x1 = x0 + float(bx1);
    y1 = y0 + float(by1);
    x0 += float(bx0);
    y0 += float(by0);
    u0 = float(bx0) / img.picw;
    v0 = float(by0) / img.pich;
  }
  // SDL's software triangle filler crashes on a large turned quad (a 1366-pixel scene picture
  // rocking by a degree): such a picture goes out in tiles.
  const bool turned = d.tform_iy != 0 || d.tform_jx != 0;
  const int quadw = int(x1 - x0), quadh = int(y1 - y0);
  const bool big = turned && (quadw > turnedtilemax || quadh > turnedtilemax);
  const int cols = big ? (quadw + turnedtile - 1) / turnedtile : 1;
  const int rows = big ? (quadh + turnedtile - 1) / turnedtile : 1;
  const float tilew = float(quadw) / cols, tileh = float(quadh) / rows;
  static const int idx[6] = {0, 1, 2, 0, 2, 3};
  Uint64 t0 = renderertiming ? SDL_GetPerformanceCounter() : 0;
  for (int r = 0; r < rows; r++) {
    float ty0 = y0 + tileh * r, ty1 = r == rows - 1 ? y1 : y0 + tileh * (r + 1);
    float tv0 = v0 + (ty0 - y0) / img.pich, tv1 = v0 + (ty1 - y0) / img.pich;
    for (int c = 0; c < cols; c++) {
      float tx0 = x0 + tilew * c, tx1 = c == cols - 1 ? x1 : x0 + tilew * (c + 1);
      float tu0 = u0 + (tx0 - x0) / img.picw, tu1 = u0 + (tx1 - x0) / img.picw;
      SDL_Vertex v[4];
      const float px[4] = {tx0, tx1, tx1, tx0}, py[4] = {ty0, ty0, ty1, ty1};
      const float tu[4] = {tu0, tu1, tu1, tu0}, tv[4] = {tv0, tv0, tv1, tv1};
      for (int i = 0; i < 4; i++) {
        v[i].position.x = px[i] * d.tform_ix + py[i] * d.tform_iy + ox;
        v[i].position.y = px[i] * d.tform_jx + py[i] * d.tform_jy + oy;
        v[i].color = col;
        v[i].tex_coord.x = tu[i];
        v[i].tex_coord.y = tv[i];
      }
      if (pixelfill) {
        SDL_RenderGeometry(renderer, img.texture, v, 4, idx, 6);
      } else {
        // Nothing reaches the renderer, but a bad vertex still shows as one.
        for (const SDL_Vertex& q : v)
          if (!std::isfinite(q.position.x) || !std::isfinite(q.position.y)) nonfinitevertices++;
      }
    }
  }
  if (renderertiming)
    renderermicros += double(SDL_GetPerformanceCounter() - t0) * 1e6 / double(SDL_GetPerformanceFrequency());
  drawcalls++;
}

int DrawCalls() { return drawcalls; }
void SetRendererTiming(bool on) { renderertiming = on; }
double RendererMicros() { return renderermicros; }

// ---- Overlap test ----

namespace {
struct placed {
  const ImageData* img;
  float x, y;
  int fx, fy;  // the frame's top-left in the picture
};
}  // namespace

// Solid when the frame's pixel under screen point (sx, sy) has alpha 128 or more
// (a picture without alpha is solid over its whole quad).
static bool solidat(const placed& p, double sx, double sy, double det) {
  const DrawState& d = drawstate;
  double dx = sx - p.x - d.origin_x, dy = sy - p.y - d.origin_y;
  double lx = (d.tform_jy * dx - d.tform_iy * dy) / det;
  double ly = (-d.tform_jx * dx + d.tform_ix * dy) / det;
  double u = lx + p.img->handle_x, v = ly + p.img->handle_y;
  if (u < 0 || v < 0 || u >= p.img->width || v >= p.img->height) return false;
  if (!p.img->hasalpha) return true;
  int px = p.fx + int(u), py = p.fy + int(v);
  return p.img->pixels[(size_t(py) * p.img->picw + px) * 4 + 3] >= 128;
}

static void bounds(const placed& p, double& minx, double& miny, double& maxx, double& maxy) {
  const DrawState& d = drawstate;
  float x0 = -p.img->handle_x, y0 = -p.img->handle_y, x1 = x0 + p.img->width, y1 = y0 + p.img->height;
  const float px[4] = {x0, x1, x1, x0}, py[4] = {y0, y0, y1, y1};
  minx = miny = 1e30;
  maxx = maxy = -1e30;
  for (int i = 0; i < 4; i++) {
    double sx = px[i] * d.tform_ix + py[i] * d.tform_iy + p.x + d.origin_x;
    double sy = px[i] * d.tform_jx + py[i] * d.tform_jy + p.y + d.origin_y;
    minx = std::fmin(minx, sx);
    maxx = std::fmax(maxx, sx);
    miny = std::fmin(miny, sy);
    maxy = std::fmax(maxy, sy);
  }
}

int ImagesCollide(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2, float y2, int frame2) {
  if (!image1 || !image2) return 0;
  if (frame1 < 0 || frame1 >= image1->frames || frame2 < 0 || frame2 >= image2->frames) return 0;
  const DrawState& d = drawstate;
  double det = double(d.tform_ix) * d.tform_jy - double(d.tform_iy) * d.tform_jx;
  if (std::fabs(det) < 1e-9) return 0;
  placed a{image1.get(), x1, y1, image1->framex[frame1], image1->framey[frame1]};
  placed b{image2.get(), x2, y2, image2->framex[frame2], image2->framey[frame2]};
  double ax0, ay0, ax1, ay1, bx0, by0, bx1, by1;
  bounds(a, ax0, ay0, ax1, ay1);
  bounds(b, bx0, by0, bx1, by1);
  double lx = std::fmax(ax0, bx0), ly = std::fmax(ay0, by0), hx = std::fmin(ax1, bx1), hy = std::fmin(ay1, by1);
  if (lx >= hx || ly >= hy) return 0;
  // Every screen pixel whose centre lies in both quads' common box.
  for (int py = int(std::floor(ly)); py < int(std::ceil(hy)); py++)
    for (int px = int(std::floor(lx)); px < int(std::ceil(hx)); px++) {
      double sx = px + 0.5, sy = py + 0.5;
      if (sx < lx || sx > hx || sy < ly || sy > hy) continue;
      if (solidat(a, sx, sy, det) && solidat(b, sx, sy, det)) return 1;
    }
  return 0;
}

// ---- Reading back ----

std::vector<uint8_t> ReadPixels(int& w, int& h) {
  w = h = 0;
  if (!headless || !renderer || !surface) return {};
  w = surface->w;
  h = surface->h;
  std::vector<uint8_t> out(size_t(w) * h * 4);
  SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, out.data(), w * 4);
  return out;
}

std::vector<uint8_t> ReadWindowPixels(int& w, int& h) {
  w = h = 0;
  if (!headless || !renderer || !surface) return {};
  int outw = DrawableWidth(), outh = DrawableHeight();
  if (outw <= 0 || outh <= 0) return {};
  SDL_RenderFlush(renderer);
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, outw, outh, 32, SDL_PIXELFORMAT_RGBA32);
  if (!out) return {};
  // As Flip shows it on a real window: black, and the frame stretched into its place.
  SDL_FillRect(out, nullptr, SDL_MapRGBA(out->format, 0, 0, 0, 255));
  SDL_Rect dst;
  pixelrect(dst);
  SDL_BlendMode was;
  SDL_GetSurfaceBlendMode(surface, &was);
  SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
  SDL_BlitScaled(surface, nullptr, out, &dst);
  SDL_SetSurfaceBlendMode(surface, was);
  std::vector<uint8_t> px(size_t(outw) * outh * 4);
  for (int y = 0; y < outh; y++)
    std::memcpy(px.data() + size_t(y) * outw * 4, static_cast<uint8_t*>(out->pixels) + size_t(y) * out->pitch, size_t(outw) * 4);
  SDL_FreeSurface(out);
  w = outw;
  h = outh;
  return px;
}

uint32_t PixelAt(int x, int y) {
  if (!headless || !renderer || !surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return 0;
  uint8_t p[4];
  SDL_Rect r{x, y, 1, 1};
  SDL_RenderReadPixels(renderer, &r, SDL_PIXELFORMAT_RGBA32, p, 4);
  return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

bool SavePixelsPNG(const std::vector<uint8_t>& rgba, int w, int h, const std::string& path) {
  png_image img;
  std::memset(&img, 0, sizeof img);
  img.version = PNG_IMAGE_VERSION;
  img.width = unsigned(w);
  img.height = unsigned(h);
  img.format = PNG_FORMAT_RGBA;
  std::string real = ResolvePath(path);
  return png_image_write_to_file(&img, real.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}

// ---- Window icon ----

void SetWindowIcon(const std::string& path) {
  if (!window) return;
  bool ok = false;
  std::vector<uint8_t> bytes = ReadAllBytes(path, ok);
  if (!ok || bytes.size() < 22) return;
  Image img;
  // An .ico holds a directory; the first entry's data is a PNG (or a bitmap, which is skipped).
  if (bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0) {
    uint32_t size = bytes[14] | (bytes[15] << 8) | (bytes[16] << 16) | (uint32_t(bytes[17]) << 24);
    uint32_t off = bytes[18] | (bytes[19] << 8) | (bytes[20] << 16) | (uint32_t(bytes[21]) << 24);
    if (off >= bytes.size() || size > bytes.size() - off) return;
    std::vector<uint8_t> png(bytes.begin() + off, bytes.begin() + off + size);
    std::vector<uint8_t> rgba;
    int w, h;
    bool alpha;
    if (!decodepng(png, rgba, w, h, alpha)) return;
    img = makeimage(std::move(rgba), w, h, alpha, 0);
  } else {
    img = loadpicture(path, 0);
  }
  if (!img) return;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(img->pixels.data(), img->picw, img->pich, 32, img->picw * 4,
                                                      SDL_PIXELFORMAT_RGBA32);
  if (!s) return;
  SDL_SetWindowIcon(window, s);
  SDL_FreeSurface(s);
}

// Drawing: one program-wide drawing state, images with handles and frames, textured quads,
// and the pixel-exact overlap test. SDL stays inside runtime/; this header exposes plain types.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Texture;

// Blend modes.
enum { BLEND_MASK = 1, BLEND_SOLID = 2, BLEND_ALPHA = 3, BLEND_LIGHT = 4, BLEND_SHADE = 5 };
// Image flags.
enum { IMG_MASKED = 1, IMG_FILTERED = 2, IMG_MIPMAPPED = 4, IMG_DYNAMIC = 8 };

struct ImageData {
  int width = 0, height = 0;        // size of one frame
  int flags = 0;                    // IMG_* bits
  float handle_x = 0, handle_y = 0;  // drawn at the draw position, scaled and rotated about it
  int frames = 1;                   // frame count
  std::vector<int> framex, framey;  // each frame's top-left in the picture
  int picw = 0, pich = 0;           // the whole picture
  bool hasalpha = false;            // the source picture had an alpha channel
  bool opaque = false;              // no pixel lets anything through
  int seenx0 = 0, seeny0 = 0, seenx1 = 0, seeny1 = 0;  // the box around every pixel not wholly clear
  int solidbox[4] = {-1, 0, 0, 0};  // frame 0's box of pixels at least half opaque, found when first asked
  std::vector<uint8_t> pixels;      // the whole picture, RGBA, kept for the overlap test
  SDL_Texture* texture = nullptr;   // made at the first draw for the current renderer
  int texturegen = -1;              // renderer generation the texture belongs to
  int textureblend = -1;            // blend mode last set on the texture
  ~ImageData();
};
using Image = std::shared_ptr<ImageData>;  // a missing image is null

struct DrawState {
  int color_red = 255, color_green = 255, color_blue = 255;  // tint, clamped 0..255 when applied
  float color_alpha = 1;                                      // clamped 0..1 when applied
  int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
  float tform_rot = 0, tform_scale_x = 1, tform_scale_y = 1;  // degrees, factors
  float tform_ix = 1, tform_iy = 0, tform_jx = 0, tform_jy = 1;  // matrix from rotation and scale
  int viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;  // clip, logical pixels
  float origin_x = 0, origin_y = 0;
  int blend_mode = BLEND_MASK;
  float vres_width = 0, vres_height = 0;            // logical resolution
  float vres_mousexscale = 1, vres_mouseyscale = 1;  // logical units per physical pixel
  int g_width = 0, g_height = 0;                    // physical size of the graphics
};
inline DrawState drawstate;  // the one drawing state; written only by the routines below

// Display. Headless (tests, snapshots, benchmarks): no window, a software renderer drawing
// into a surface of the virtual size; screenshots read that surface.
void SetHeadless(bool on);  // choose before Graphics
bool IsHeadless();
// Graphics: a window (depth 0), or full screen switching the monitor to width x height (depth
// 32; where the monitor or the desktop cannot, the desktop's own size is used instead), or with
// GFX_DESKTOP full screen over the desktop at its own size. Windows can be resized and maximised.
enum { GFX_DESKTOP = 1 };
bool Graphics(int width, int height, int depth, int hertz, int flags);  // false when nothing could be opened
bool FullscreenDesktop();  // the full screen covers the desktop at its own size (no mode switch)
void EndGraphics();
int GraphicsModeExists(int width, int height, int depth, int hertz);
int DesktopWidth();
int DesktopHeight();
void SetVirtualResolution(float width, float height);
void SetViewport(int x, int y, int w, int h);
void Cls();
bool Flip(int sync);  // false when presenting failed
void SetWindowTitle(const std::string& title);
void SetWindowIcon(const std::string& path);  // a .ico or picture file; ignored when unreadable
void MinimizeWindow();
int WindowWidth();  // the window's client size as the system gave it (mouse units)
int WindowHeight();
int DrawableWidth();  // the real pixels drawn into: more than the window's units on a HiDPI screen
int DrawableHeight();
void ResizeWindow(int w, int h);  // a window's client size in mouse units; no effect in full screen
void MaximizeWindow();
int WindowMaximized();  // 1 while the window is maximised
// Where the virtual screen lies in the window, in mouse units: the whole window when it has
// the size the graphics were opened at, else the virtual screen's shape between bars.
void ScreenRect(int& x, int& y, int& w, int& h);
void WindowRect(int& x1, int& y1, int& x2, int& y2);  // the window with its frame, desktop pixels

// State.
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float a);
float GetAlpha();
void SetBlend(int mode);
void SetScale(float x, float y);
void GetScale(float& x, float& y);
void SetRotation(float degrees);
void SetClsColor(int r, int g, int b);

// Images.
Image LoadImage(const std::string& path, int flags);
Image LoadAnimImage(const std::string& path, int cellw, int cellh, int first, int count, int flags);
Image CreateImageFromPixels(const uint8_t* rgba, int w, int h, int flags);  // for tools and tests
void AutoMidHandle(bool on);
bool AutoMidHandleOn();  // whether pictures loaded now get their handle at the centre
void MidHandleImage(const Image& image);
void SetImageHandle(const Image& image, float x, float y);
int ImageWidth(const Image& image);
int ImageHeight(const Image& image);
void DrawImage(const Image& image, float x, float y, int frame);
int ImagesCollide(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2, float y2, int frame2);

// Reads back the rendered frame (headless only): RGBA, virtual size. Empty when not headless.
std::vector<uint8_t> ReadPixels(int& w, int& h);
// The frame as the window shows it (headless only): bars included, at the drawable size.
std::vector<uint8_t> ReadWindowPixels(int& w, int& h);
uint32_t PixelAt(int x, int y);  // 0xRRGGBB of the rendered frame, headless only
bool SavePixelsPNG(const std::vector<uint8_t>& rgba, int w, int h, const std::string& path);
// Off: every draw call runs its whole path (matrix, texture, batching) but fills no pixels.
// Only the soak and autoplay tools switch it off, to play millions of frames.
void SetPixelFill(bool on);
int NonFiniteVertices();  // corners seen NaN or infinite while not filling, since the start
int DrawCalls();  // quads submitted since the last Cls, for benchmarks
// Benchmarks: measure the time spent inside the renderer's own calls (rasterising, on the
// software renderer) so that the runtime's own share of a draw can be told apart.
void SetRendererTiming(bool on);
double RendererMicros();  // time inside the renderer since the last Cls, microseconds

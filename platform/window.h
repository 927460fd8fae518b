// The window system the program is written against: windows with their own GL
// context, pixel formats, display modes, one message queue, cursor, message
// boxes, the high-resolution counter and GL entry points. The names and the
// meanings follow the classic desktop window API so the program logic reads
// the same on every system; one implementation file set maps it onto SDL2.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

struct Window;         // opaque: one top-level window
struct DeviceContext;  // opaque: a window's own drawing surface
struct GLContext;      // opaque: an OpenGL rendering context

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WndProcFn = LRESULT (*)(Window*, unsigned msg, WPARAM, LPARAM);

// Messages the program receives (values as on the classic desktop API).
enum : unsigned {
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_SYSCOMMAND = 0x0112,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
};
// Mouse-button messages: wParam holds the buttons held after the event, lParam the client
// position (x in the low word, y in the high word).
enum : unsigned { MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002 };
enum : unsigned { SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170 };

// Virtual-key codes of the keys the program looks at.
enum : unsigned {
    VK_LBUTTON = 0x01,  // the mouse buttons, held as keys are
    VK_RBUTTON = 0x02,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_F5 = 0x74,
    VK_F6 = 0x75,
    VK_F7 = 0x76,
    VK_F8 = 0x77,
    VK_F9 = 0x78,
    VK_F10 = 0x79,
    VK_F12 = 0x7B,
};

struct Message {
    Window* window = nullptr;
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

inline unsigned loWord(std::uintptr_t v) { return unsigned(v & 0xFFFF); }
inline unsigned hiWord(std::uintptr_t v) { return unsigned((v >> 16) & 0xFFFF); }

struct Point {
    int x = 0, y = 0;
};

// ---- window classes and windows -------------------------------------------
// Whether windows can be opened: on a display (X11, Wayland, ...), or on the
// driver SDL_VIDEODRIVER names. SDL's fallback to a driver that shows nothing
// counts as no display unless it was asked for.
bool HasDisplay();
// Why HasDisplay() answered false where the environment names a display (DISPLAY, else
// WAYLAND_DISPLAY): which one could not be opened, and SDL's reason. Empty when none is named.
std::string NamedDisplayError();
// Registering a name twice fails, as it does on the desktop API.
bool RegisterClass(const char* className, WndProcFn proc);
enum class WindowStyle { Overlapped, Popup };
constexpr int kDefaultPos = -0x7FFFFFFF;  // let the system place the window
// The size is the drawable size. Returns null when there is no display.
Window* CreateWindow(const char* className, const char* title, WindowStyle style, int x, int y,
                     int width, int height);
bool DestroyWindow(Window* w);
void ShowWindow(Window* w);
void SetForegroundWindow(Window* w);
void SetFocus(Window* w);
// The program window that has the keyboard focus, or null.
Window* GetFocus();
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
bool GetClientRect(Window* w, Rect* r);    // (0, 0) to the drawable size
bool ClientToScreen(Window* w, Point* p);  // from window to screen coordinates

// ---- message queue ---------------------------------------------------------
// Takes the next message without waiting. A posted quit is handed out only
// once no other message is waiting; it then comes as WM_QUIT.
bool PeekMessage(Message* out);
// Waits until a message arrives or timeoutMs pass, whichever is first; at
// once when one is waiting. The message stays for PeekMessage.
void WaitMessage(int timeoutMs);
void TranslateMessage(const Message& m);
LRESULT DispatchMessage(const Message& m);
LRESULT DefWindowProc(Window* w, unsigned msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Queues a message behind those already waiting (used for scripted input too).
void PostMessage(Window* w, unsigned msg, WPARAM wParam, LPARAM lParam);

// ---- display modes ---------------------------------------------------------
// Switches the display to exactly width x height x bits, or to width x height at
// the desktop's depth when the display has that resolution but not those bits;
// false when it has neither. Popup windows at (0, 0) then cover the display in it.
bool ChangeDisplaySettings(int width, int height, int bitsPerPixel);
// Back to the desktop mode; false when no other mode was in force.
bool RestoreDisplaySettings();

// ---- pixel formats and GL contexts ----------------------------------------
struct PixelFormatDescriptor {
    unsigned short nSize = sizeof(PixelFormatDescriptor);
    unsigned short nVersion = 1;
    unsigned dwFlags = 0;
    unsigned char iPixelType = 0;
    unsigned char cColorBits = 0;
    unsigned char cAlphaBits = 0;
    unsigned char cDepthBits = 0;
    unsigned char cStencilBits = 0;
    unsigned char iLayerType = 0;
};
enum : unsigned { PFD_DRAW_TO_WINDOW = 0x04, PFD_SUPPORT_OPENGL = 0x20, PFD_DOUBLEBUFFER = 0x01 };
enum : unsigned char { PFD_TYPE_RGBA = 0, PFD_MAIN_PLANE = 0 };

DeviceContext* GetDC(Window* w);
bool ReleaseDC(Window* w, DeviceContext* dc);
// Closest available format (fewer stencil, depth or colour bits when the exact
// ones are missing); 0 when nothing fits. Formats are numbered from 1.
int ChoosePixelFormat(DeviceContext* dc, const PixelFormatDescriptor& pfd);
bool SetPixelFormat(DeviceContext* dc, int format);
GLContext* wglCreateContext(DeviceContext* dc);
bool wglMakeCurrent(DeviceContext* dc, GLContext* rc);  // (null, null) releases
bool wglDeleteContext(GLContext* rc);
DeviceContext* wglGetCurrentDC();
void SwapBuffers(DeviceContext* dc);
// GL and window-system entry points by name; the window-system ones are
// "wglGetExtensionsStringARB" and "wglChoosePixelFormatARB" (types below).
void* wglGetProcAddress(const char* name);

using PFNWGLGETEXTENSIONSSTRINGARBPROC = const char* (*)(DeviceContext*);
using PFNWGLCHOOSEPIXELFORMATARBPROC = bool (*)(DeviceContext*, const int* iAttribs,
                                                const float* fAttribs, unsigned maxFormats,
                                                int* formats, unsigned* numFormats);
enum : int {
    WGL_DRAW_TO_WINDOW_ARB = 0x2001,
    WGL_ACCELERATION_ARB = 0x2003,
    WGL_SUPPORT_OPENGL_ARB = 0x2010,
    WGL_DOUBLE_BUFFER_ARB = 0x2011,
    WGL_COLOR_BITS_ARB = 0x2014,
    WGL_ALPHA_BITS_ARB = 0x201B,
    WGL_DEPTH_BITS_ARB = 0x2022,
    WGL_STENCIL_BITS_ARB = 0x2023,
    WGL_FULL_ACCELERATION_ARB = 0x2027,
    WGL_SAMPLE_BUFFERS_ARB = 0x2041,
    WGL_SAMPLES_ARB = 0x2042,
};

// ---- cursor, message boxes, time -------------------------------------------
// Keeps a display counter: the pointer is visible while it is >= 0.
int ShowCursor(bool show);
bool GetCursorPos(Point* p);  // screen coordinates
bool SetCursorPos(int x, int y);

enum : unsigned { MB_OK = 0x00, MB_YESNO = 0x04, MB_ICONEXCLAMATION = 0x30 };
enum : int { IDOK = 1, IDYES = 6, IDNO = 7 };
// With VARNE_MESSAGEBOX=yes|no set, no box is shown: caption and text go to
// standard error and the variable is the answer.
int MessageBox(const char* text, const char* caption, unsigned style);

bool QueryPerformanceCounter(std::int64_t* count);
bool QueryPerformanceFrequency(std::int64_t* frequency);

// The folder the executable is in, ending in a separator; empty when unknown.
std::string ProgramFolder();

// The user's folder for files that outlast a run, such as logs ($XDG_STATE_HOME,
// else ~/.local/state), and their pictures folder (the one xdg-user-dir names,
// else ~/Pictures). Empty where the system has no such folders or HOME is unset.
std::string StateFolder();
std::string PicturesFolder();
// The user's folder for settings kept between runs ($XDG_CONFIG_HOME, else ~/.config;
// on Windows %APPDATA%); empty when there is none.
std::string ConfigFolder();
// Whether this process may make files in the folder (on Windows: always, as
// the program lives in a folder the user unpacked).
bool CanWriteIn(const std::string& folder);

// Sets a variable of this process's environment; a null value removes it.
bool SetEnvironmentVariable(const char* name, const char* value);

// Connects standard output and error that lead nowhere to the console the
// program was started from: a windowed Windows program gets none of its own.
// Where the system connects them itself, nothing changes.
void UseParentConsole();

}  // namespace plat

namespace plat {
// Replaces the high-resolution counter with a scripted one, for tests and
// scripted runs that must see exact frame times; null restores the real one.
using CounterSource = std::int64_t (*)();
void SetCounterSource(CounterSource source, std::int64_t frequency);
}  // namespace plat
